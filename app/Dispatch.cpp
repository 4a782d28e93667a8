#include "Dispatch.h"

#include "EndProgram.h"
#include "FailureReport.h"

#include <QCoreApplication>

#include <new>

namespace app {

namespace {

void (*afterHandler)() = nullptr;

} // namespace

void afterEachHandler(void (*follow)()) {
    afterHandler = follow;
}

void dispatch(const std::function<void()>& handler) {
    if (programEnded())
        return;
    try {
        handler();
    } catch (const RuntimeError& failure) {
        reportFailure(failure);
    } catch (const std::bad_alloc&) {
        reportFailure(RuntimeError(error::OutOfMemory,
                                   QCoreApplication::translate("Problems", "Out of memory")));
    } catch (const std::exception& failure) {
        // What the exception says is all anyone will have to go on.
        reportFailure(RuntimeError(error::InternalError,
                                   //: %1 is what the failure says of itself, in English.
                                   QCoreApplication::translate("Problems", "Internal error: %1")
                                       .arg(QString::fromLocal8Bit(failure.what()))));
    }
    if (afterHandler && !programEnded())
        afterHandler();
}

} // namespace app
