#include "CommandLine.h"

#include "ui/Warn.h"

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
        //: The first line of what --help prints.
        parser.setApplicationDescription(QCoreApplication::translate(
            "CommandLine",
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
        //: %1 is what is wrong with the command line, %2 the program's name.
        ui::warn(QCoreApplication::translate("CommandLine", "%1 (see %2 --help)")
                     .arg(options.parser.errorText(), program));
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
        //: %1 is the first argument given, %2 the program's name.
        ui::warn(QCoreApplication::translate("CommandLine",
                                             "takes no arguments, not '%1' (see %2 --help)")
                     .arg(options.parser.positionalArguments().constFirst(), program));
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
