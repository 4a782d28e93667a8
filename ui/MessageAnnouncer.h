#pragma once

class QLabel;

namespace ui {

// Tells screen readers the message line, with the guess count, whenever either changes: as a
// notification, which Orca speaks where the focus is, so the focus stays in the guess box and the
// player hears each answer as a sighted player sees it. The count is said with its caption.
void announceMessageLine(QLabel* message, QLabel* countCaption, QLabel* count);

} // namespace ui
