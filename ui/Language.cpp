#include "Language.h"

namespace ui {

namespace {

QString& chosen() {
    static QString name;
    return name;
}

} // namespace

const QString& language() {
    return chosen();
}

void setLanguage(const QString& name) {
    chosen() = name;
}

} // namespace ui
