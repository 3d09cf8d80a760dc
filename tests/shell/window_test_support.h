#pragma once
// What the window tests share: the menu actions found by their command, as
// the window names them ("id" and the number, so that tests say which
// command they mean), and letting the window finish what a step posted.

#include <QAction>
#include <QApplication>
#include <QString>
#include <QWidget>

#include "core/game/commands.h"

namespace velmora::test {

inline QAction* commandAction(const QWidget* window, Command command) {
  return window->findChild<QAction*>(QString("id%1").arg(static_cast<int>(command)));
}

// A sound's end, then the one refresh it asks for.
inline void settle() {
  for (int i = 0; i < 4; ++i) QApplication::processEvents();
}

}  // namespace velmora::test
