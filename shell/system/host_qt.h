#pragma once
// Fills the host table with the Qt-backed effects of the main window. The
// window is reached only through these hooks, so this layer knows no class
// of the window above it.

#include <QWidget>
#include <functional>
#include <string>

namespace velmora {

struct HostWindow {
  QWidget* widget = nullptr;          // owner of message boxes and pauses
  std::function<void()> refresh;      // bring the window up to date, once, soon
  std::function<void()> repaintNow;   // show the board as it stands now
  std::function<void(bool)> setBusy;  // no input while the computer thinks
  std::function<void()> updateCursor;
  // Runs game code now, or once no modal window is up: timers and sounds
  // that end inside a dialog's event loop wait for it to close.
  std::function<void(std::function<void()>)> deliver;
  std::function<void()> escapePressed;  // a press, not a repeat
  std::function<void(const std::string&)> showManualPage;
};

void installQtHost(HostWindow window);

}  // namespace velmora
