#pragma once
// The main window's menu actions found by their command, as the window
// names them: "id" and the number, so that tests say which command they mean.

#include <QAction>
#include <QString>
#include <QWidget>

#include "core/game/commands.h"

namespace velmora::test {

inline QAction* commandAction(const QWidget* window, Command command) {
  return window->findChild<QAction*>(QString("id%1").arg(static_cast<int>(command)));
}

}  // namespace velmora::test
