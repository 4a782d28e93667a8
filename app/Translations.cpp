#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

namespace {

// The catalogs the build made, by their names; a language is told apart from its region by
// an underscore, as the catalogs' file names have it.
QStringList shippedLanguages() {
    return QStringLiteral(BNG_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The shipped language a language tag of the desktop's asks for: the same language and region
// ("pt-BR" for pt_BR), or the language alone for a catalog with no region ("de-AT" for de).
QString catalogFor(const QString& name, const QString& language, const QStringList& shipped) {
    for (const QString& each : shipped) {
        if (each.compare(name, Qt::CaseInsensitive) == 0 ||
            each.compare(language, Qt::CaseInsensitive) == 0)
            return each;
    }
    return {};
}

bool install(const QString& file, const QStringList& folders) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders) {
        if (translator->load(file, folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}

} // namespace

QString speakDesktopLanguage() {
    const QStringList shipped = shippedLanguages();
    for (const QString& tag : QLocale::system().uiLanguages()) {
        const QString name = QString(tag).replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = name.section(QLatin1Char('_'), 0, 0);
        // The game is written in English: a player who puts it before a language the game
        // speaks, or has no language set, wants it as written.
        if (base == QLatin1String("en") || base == QLatin1String("C"))
            return {};
        const QString language = catalogFor(name, base, shipped);
        if (language.isEmpty())
            continue;
        // Beside the program in the build folder; beside the game's data once installed.
        const QString programDir = QCoreApplication::applicationDirPath();
        const QStringList folders = {programDir + QStringLiteral("/translations"),
                                     programDir + QStringLiteral("/" BNG_TRANSLATIONS_DIR)};
        if (!install(QStringLiteral(BNG_PROGRAM_NAME "_") + language, folders))
            continue;
        install(QStringLiteral("qtbase_") + language,
                {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
        return language;
    }
    return {};
}

} // namespace app
