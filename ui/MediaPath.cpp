#include "MediaPath.h"

#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ui {

QString findMedia(const QString& bareName) {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString candidates[] = {
        QDir::current().filePath(bareName),
        programDir + QStringLiteral("/media/") + bareName,
        programDir + QStringLiteral("/" BNG_MEDIA_DIR "/") + bareName,
    };
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(path);
    }
    return {};
}

QString findSpokenMedia(const QString& bareName) {
    if (!language().isEmpty()) {
        const QString path = findMedia(language() + QLatin1Char('/') + bareName);
        if (!path.isEmpty())
            return path;
    }
    return findMedia(bareName);
}

} // namespace ui
