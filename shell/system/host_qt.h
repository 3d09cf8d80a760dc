#pragma once
// Fills the host table with the Qt-backed effects of the main window.

namespace velmora {

class MainWindow;

void installQtHost(MainWindow* window);

}  // namespace velmora
