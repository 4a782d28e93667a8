#include "Output.h"

#include <QSaveFile>
#include <QTextStream>

#include <cstdlib>

namespace generator {

void fail(const QString& message) {
    QTextStream(stderr) << "media-generator: " << message << '\n';
    std::exit(EXIT_FAILURE);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

// The resolution Qt records in the file is the image's, which by default
// follows the screen's; the shipped files all say 96 dots per inch.
void writeImage(const QString& path, QImage image, const char* format) {
    constexpr int dotsPerMeter = 3780;
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, format) || !file.commit())
        fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

} // namespace generator
