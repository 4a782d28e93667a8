#include "EndProgram.h"

#include <QCoreApplication>

namespace app {

namespace {
bool ended = false;
int status_ = 0;
} // namespace

void endProgram(int status) {
    if (ended)
        return;
    ended = true;
    status_ = status;
    QCoreApplication::exit(status);
}

bool programEnded() {
    return ended;
}

int exitStatus() {
    return status_;
}

} // namespace app
