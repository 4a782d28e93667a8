#include "FailureReport.h"

#include "EndProgram.h"
#include "ui/Warn.h"

#include <QApplication>
#include <QMessageBox>

namespace app {

namespace {

// The report while it waits for the player. Its event loop still runs timers and the events
// that are not input, and a handler they reach may fail too.
QMessageBox* openReport = nullptr;

QString reportText(const RuntimeError& failure) {
    return failure.heading() + QStringLiteral("\n\n") + failure.description();
}

} // namespace

void reportFailure(const RuntimeError& failure) {
    ui::warn(QString::fromStdString(failure.what()));
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
