// A program whose button's handler fails, so that the failure report can be watched from the
// outside: it prints every report it sees, then accepts it. While the report is open, a second
// handler fails with an exception of the standard library's.
#include "app/Dispatch.h"
#include "app/RuntimeError.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <stdexcept>
#include <utility>

namespace {
void innerHandler() {
    throw app::RuntimeError(6, QStringLiteral("Overflow"));
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QPushButton button(QStringLiteral("Fail"));
    int calls = 0;
    // The handler calls another one directly, which fails: the failure surfaces once.
    app::bindEvent(&button, &QPushButton::clicked, [&calls] {
        ++calls;
        innerHandler();
    });
    button.show();
    QPushButton again(QStringLiteral("Fail again"));
    app::bindEvent(&again, &QPushButton::clicked,
                   [] { throw std::runtime_error("the sound card caught fire"); });

    QTimer watcher;
    bool failedAgain = false;
    QObject::connect(&watcher, &QTimer::timeout, [&again, &failedAgain] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (!std::exchange(failedAgain, true))
                again.click();
            std::printf("REPORT %s\n", qPrintable(box->text().replace(u'\n', u'|')));
            std::fflush(stdout);
            box->accept();
        }
    });
    watcher.start(10);
    // A second click after the report must reach no handler.
    QTimer::singleShot(0, &button, [&button] {
        button.click();
        button.click();
    });
    const int status = QApplication::exec();
    std::printf("CALLS %d\n", calls);
    return status;
}
