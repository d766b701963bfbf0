#pragma once

// The keys every editor has: Ctrl+S saves and Ctrl+O opens, wherever the
// focus is in the window, exactly as a click on the button of the tab shown.

class QWidget;

namespace trevalo::app {

// Ctrl+S presses SAVE; Ctrl+O presses OPEN on the Edit tab and "Open File" on
// the Record tab. The buttons are found by their names; their tooltips name
// the keys.
void install_file_shortcuts(QWidget& window);

}  // namespace trevalo::app
