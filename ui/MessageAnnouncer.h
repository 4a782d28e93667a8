#pragma once

class QLabel;

namespace ui {

// Tells screen readers the message line, with the guess count, as a sighted player sees it: the
// focus stays in the guess box and each answer is said with its count. The count is said with
// its caption.
void announceMessageLine(QLabel* message, QLabel* countCaption, QLabel* count);

// Says the message line again if it reads otherwise than when last said; run after every
// handler, so that a handler that sets the count and then the message is heard once, whole.
void announceChangedMessageLine();

} // namespace ui
