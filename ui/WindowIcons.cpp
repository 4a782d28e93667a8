#include "WindowIcons.h"

namespace ui {

QIcon gameIcon() {
    return QIcon(QStringLiteral(":/media/brannoch.ico"));
}

} // namespace ui
