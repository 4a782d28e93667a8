#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace app {

std::optional<int> answerCommandLine(const QStringList& arguments) {
    if (arguments.size() <= 1)
        return std::nullopt;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Guess the number the computer has picked between two limits you type."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QString program = QCoreApplication::applicationName();
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s: %s (see %s --help)\n", qPrintable(program),
                     qPrintable(parser.errorText()), qPrintable(program));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(program),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "%s: takes no arguments, not '%s' (see %s --help)\n",
                     qPrintable(program), qPrintable(parser.positionalArguments().constFirst()),
                     qPrintable(program));
        return 2;
    }
    return std::nullopt;
}

bool asksOnlyForInformation(int argc, char* argv[]) {
    if (argc <= 1)
        return false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument != "--help" && argument != "-h" && argument != "--help-all" &&
            argument != "--version" && argument != "-v")
            return false;
    }
    return true;
}

} // namespace app
