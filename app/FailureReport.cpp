#include "FailureReport.h"

#include "EndProgram.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace app {

namespace {

// The report while it waits for the player. Its event loop still runs timers and the events
// that are not input, and a handler they reach may fail too.
QMessageBox* openReport = nullptr;

QString reportText(const RuntimeError& failure) {
    return QStringLiteral("Run-time error '%1':\n\n%2")
        .arg(failure.number())
        .arg(failure.description());
}

} // namespace

void reportFailure(const RuntimeError& failure) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 failure.what());
    if (openReport) {
        openReport->setText(openReport->text() + QStringLiteral("\n\n") + reportText(failure));
        return;
    }
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                    reportText(failure), QMessageBox::Ok);
    openReport = &box;
    box.exec();
    openReport = nullptr;
    endProgram(1);
}

} // namespace app
