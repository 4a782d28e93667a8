#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace app {

namespace {

// The game's options, with the arguments read by them.
struct Options {
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    bool read = false;

    explicit Options(const QStringList& arguments) {
        parser.setApplicationDescription(QStringLiteral(
            "Guess the number the computer has picked between two limits you type."));
        read = parser.parse(arguments);
    }
    bool informationAsked() const { return read && (parser.isSet(help) || parser.isSet(version)); }
};

} // namespace

std::optional<int> answerCommandLine(const QStringList& arguments) {
    if (arguments.size() <= 1)
        return std::nullopt;
    const Options options(arguments);
    const QString program = QCoreApplication::applicationName();
    if (!options.read) {
        std::fprintf(stderr, "%s: %s (see %s --help)\n", qPrintable(program),
                     qPrintable(options.parser.errorText()), qPrintable(program));
        return 2;
    }
    if (options.parser.isSet(options.help)) {
        std::fputs(qPrintable(options.parser.helpText()), stdout);
        return 0;
    }
    if (options.parser.isSet(options.version)) {
        std::printf("%s %s\n", qPrintable(program),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!options.parser.positionalArguments().isEmpty()) {
        std::fprintf(
            stderr, "%s: takes no arguments, not '%s' (see %s --help)\n", qPrintable(program),
            qPrintable(options.parser.positionalArguments().constFirst()), qPrintable(program));
        return 2;
    }
    return std::nullopt;
}

bool asksOnlyForInformation(int argc, char* argv[]) {
    if (argc <= 1)
        return false;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Qt's own options are unknown here, and need the application object to be read.
    return Options(arguments).informationAsked();
}

} // namespace app
