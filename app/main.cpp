#include "app/DesktopPlatform.h"
#include "app/Dispatch.h"
#include "app/EndProgram.h"
#include "app/WindowRegistry.h"
#include "game/Form1.h"
#include "info/Form2.h"
#include "info/Form3.h"
#include "info/Form4.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    app::chooseTitleBarPlatform();
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brannoch-number-guess"));
    QGuiApplication::setDesktopFileName(QStringLiteral(BNG_APP_ID));

    app::WindowRegistry windows;
    windows.add<Form1>([] { return new Form1; });
    windows.add<Form2>([] { return new Form2; });
    windows.add<Form3>([] { return new Form3; });
    windows.add<Form4>([] { return new Form4; });

    auto* form1 = static_cast<Form1*>(windows.get<Form1>());
    app::dispatch([form1] { form1->Form_Load(); });
    if (app::programEnded())
        return app::exitStatus();
    form1->show();
    return QApplication::exec();
}
