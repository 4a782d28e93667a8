#include "app/CommandLine.h"
#include "app/DesktopPlatform.h"
#include "app/Dispatch.h"
#include "app/EndProgram.h"
#include "app/Translations.h"
#include "app/WindowRegistry.h"
#include "game/Form1.h"
#include "info/Form2.h"
#include "info/Form3.h"
#include "info/Form4.h"
#include "ui/Language.h"
#include "ui/MessageAnnouncer.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

void nameProgram() {
    QCoreApplication::setApplicationName(QStringLiteral(BNG_PROGRAM_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(BNG_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(BNG_APP_ID));
}

} // namespace

int main(int argc, char* argv[]) {
    // Help and version are printed without a display, as in a terminal with none.
    if (app::asksOnlyForInformation(argc, argv)) {
        QCoreApplication information(argc, argv);
        nameProgram();
        app::speakDesktopLanguage();
        return app::answerCommandLine(QCoreApplication::arguments()).value_or(0);
    }
    app::chooseTitleBarPlatform();
    QApplication application(argc, argv);
    nameProgram();
    ui::setLanguage(app::speakDesktopLanguage());
    if (const auto status = app::answerCommandLine(QCoreApplication::arguments()))
        return *status;

    app::WindowRegistry windows;
    windows.add<Form1>([] { return new Form1; });
    windows.add<Form2>([] { return new Form2; });
    windows.add<Form3>([] { return new Form3; });
    windows.add<Form4>([] { return new Form4; });

    auto* form1 = static_cast<Form1*>(windows.get<Form1>());
    app::afterEachHandler(ui::announceChangedMessageLine);
    app::dispatch([form1] { form1->Form_Load(); });
    if (app::programEnded())
        return app::exitStatus();
    form1->show();
    const int status = QApplication::exec();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.8.2's Wayland client can wait for good in its display's destructor, for an event
    // thread stuck in a read that never comes; no later Qt is yet known to let this go. Every
    // window is closed by now and nothing is left to write, so the program ends as it stands.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
#endif
    return status;
}
