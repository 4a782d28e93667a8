#pragma once

namespace ui {

// Gives every TextBox, as assistive technologies see it, the click it answers besides what Qt's
// line edit offers: switch access and voice control press a box they cannot click.
void offerTextBoxClicks();

} // namespace ui
