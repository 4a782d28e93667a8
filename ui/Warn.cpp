#include "Warn.h"

#include <QCoreApplication>

#include <cstdio>

namespace ui {

void warn(const QString& message) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(message));
    std::fflush(stderr);
}

} // namespace ui
