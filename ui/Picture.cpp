#include "Picture.h"

#include "MediaPath.h"
#include "Warn.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace ui {

void ShowFace(QLabel* image, const QString& fileName) {
    const QString path = findMedia(fileName);
    if (path.isEmpty()) {
        //: A line on standard error; %1 is a file's name.
        warn(QCoreApplication::translate("Problems", "cannot load picture %1: file not found")
                 .arg(fileName));
        return;
    }
    QImageReader reader(path);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        //: A line on standard error; %1 is a file's name, %2 what was wrong with it.
        warn(QCoreApplication::translate("Problems", "cannot load picture %1: %2")
                 .arg(fileName, reader.errorString()));
        return;
    }
    // The control stretches the picture itself, from the file's pixels straight to the device
    // pixels it fills: a copy shrunk to its logical size would be enlarged again, and blurred, on
    // a scaled display.
    image->setPixmap(QPixmap::fromImage(picture));
}

} // namespace ui
