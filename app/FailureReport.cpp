#include "FailureReport.h"

#include "EndProgram.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace app {

void reportFailure(const RuntimeError& failure) {
    const QString text = QStringLiteral("Run-time error '%1':\n\n%2")
                             .arg(failure.number())
                             .arg(failure.description());
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 failure.what());
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok);
    box.exec();
    endProgram(1);
}

} // namespace app
