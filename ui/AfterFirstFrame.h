#pragma once

#include <functional>

class QWidget;

namespace ui {

// Does `work` once the window's first frame is on the screen: on the event loop's next turn after
// its first paint. For what the first frame does not show, so that the window opens without
// waiting for it.
void afterFirstFrame(QWidget* window, std::function<void()> work);

} // namespace ui
