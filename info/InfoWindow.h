#pragma once

#include <QIcon>
#include <QSize>
#include <QString>
#include <QWidget>

namespace info {

// The information windows keep the size they were laid out at: a title bar with a close button,
// and nothing to resize, minimise or maximise them with.
inline constexpr Qt::WindowFlags FixedWindowFlags =
    Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Names the window, sets its caption, fixes its client size and gives it the small design font
// that its text and controls inherit; its icon, made by makeIcon, follows its first frame.
void setUpWindow(QWidget* window, const char* name, const QString& caption, QSize clientSize,
                 QIcon (*makeIcon)());

} // namespace info
