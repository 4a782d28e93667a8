#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace generator {

[[noreturn]] void fail(const QString& message);

void writeFile(const QString& path, const QByteArray& bytes);

// Writes `image` with Qt's writer for `format`, such as "PNG" or "BMP".
void writeImage(const QString& path, QImage image, const char* format);

} // namespace generator
