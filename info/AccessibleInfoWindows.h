#pragma once

namespace info {

// Shows the information windows to screen readers as dialogs, which Orca reads out whole when
// they open: the Help window's printed lines as its texts, the License list and the About texts
// as they are.
void describeInfoWindows();

} // namespace info
