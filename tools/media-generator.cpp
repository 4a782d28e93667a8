// Draws every picture of Brannoch Number Guess 2002 and writes it in the
// exact file format the game ships, byte for byte. The 16-colour ICO files
// are encoded by hand (IconWriter.cpp), since Qt writes icons only in 32-bit
// colour; the 24-bit BMP banner and the PNG icons are Qt's own writers' output.

#include "AppIcons.h"
#include "Banner.h"
#include "Faces.h"
#include "IconWriter.h"
#include "MediaList.h"
#include "Output.h"

#include <QDir>
#include <QGuiApplication>
#include <QString>

#include <cstdlib>

int main(int argc, char* argv[]) {
    using namespace generator;
    // Nothing is ever shown, and the generator must run without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        fail(QStringLiteral("usage: media-generator MEDIA-DIRECTORY"));
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("icons")))
        fail(QStringLiteral("cannot create %1").arg(folder.filePath(QStringLiteral("icons"))));
    const auto path = [&folder](const char* name) {
        return folder.filePath(QString::fromLatin1(name));
    };

    writeIco(path("about.ico"), aboutLetter);
    writeIco(path(media::StartMedia.face), knowingSmile);
    writeIco(path(media::LowerMedia.face), lowerFace);
    writeIco(path(media::HigherMedia.face), higherFace);
    writeIco(path(media::WinMedia.face), delightedFace);
    // An RGB32 image has no alpha, so Qt stores it as an uncompressed 24-bit bitmap.
    writeImage(path("banner.bmp"), drawBanner(), "BMP");
    for (const media::IconFile& icon : media::IconFiles)
        writeImage(path(icon.name), appIcon(icon.size), "PNG");
    return EXIT_SUCCESS;
}
