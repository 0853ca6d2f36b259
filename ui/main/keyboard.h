#pragma once

class QMenuBar;
class QWidget;

namespace gui {

// F10 in the window opens the first menu of its menu bar; the arrow keys go
// on from there.
void openMenuBarOnF10(QWidget* window, QMenuBar* bar);

}  // namespace gui
