// The game's main window, with an About window that cannot be built: Help > About fails the way
// the argument names, so that the failure report on the real event path can be watched from the
// outside. It prints every report it sees, then accepts it; with "twice", Help > License, which
// cannot be built either, fails too while the report is open.
// Usage: window_failure_program bad_alloc|exception|twice
#include "app/Dispatch.h"
#include "app/RuntimeError.h"
#include "app/WindowRegistry.h"
#include "game/Form1.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <new>
#include <stdexcept>
#include <utility>

class Form3;
class Form4;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brannoch-number-guess"));
    const QByteArray failure = argc > 1 ? argv[1] : "";

    app::WindowRegistry windows;
    windows.add<Form1>([] { return new Form1; });
    windows.add<Form3>(
        []() -> QWidget* { throw std::runtime_error("the sound card caught fire"); });
    windows.add<Form4>([failure]() -> QWidget* {
        if (failure == "bad_alloc")
            throw std::bad_alloc();
        if (failure == "twice")
            throw app::RuntimeError(6, QStringLiteral("Overflow"));
        throw std::runtime_error("the window could not be made");
    });
    auto* form1 = static_cast<Form1*>(windows.get<Form1>());
    app::dispatch([form1] { form1->Form_Load(); });
    form1->show();

    QTimer watcher;
    bool failedAgain = failure != "twice";
    QObject::connect(&watcher, &QTimer::timeout, [form1, &failedAgain] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (!std::exchange(failedAgain, true))
                form1->License->trigger();
            std::printf("REPORT %s\n", qPrintable(box->text().replace(u'\n', u'|')));
            std::fflush(stdout);
            box->accept();
        }
    });
    watcher.start(10);
    // The second choice comes after the report and must reach no handler.
    QTimer::singleShot(0, form1, [form1] {
        form1->about->trigger();
        form1->about->trigger();
    });
    return QApplication::exec();
}
