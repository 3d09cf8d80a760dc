#include "shell/window_placement.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "core/view/appearance.h"
#include "core/view/layout.h"
#include "shell/board_widget.h"

namespace velmora {

QSize windowChrome(const QMainWindow& window) {
  int height = window.menuBar()->sizeHint().height();
  for (const QToolBar* bar : window.findChildren<QToolBar*>())
    if (!bar->isHidden() && window.toolBarArea(const_cast<QToolBar*>(bar)) == Qt::TopToolBarArea)
      height += bar->sizeHint().height();
  // Below the board: the status bar, while it is shown.
  for (const QStatusBar* bar : window.findChildren<QStatusBar*>())
    if (!bar->isHidden()) height += bar->sizeHint().height();
  return QSize(0, height);
}

void placeMainWindow(QMainWindow& window, BoardWidget& board, int boardSize, bool newBoardSize) {
  QRect screen(0, 0, 1920, 1080);
  if (QScreen* s = window.screen() ? window.screen() : QGuiApplication::primaryScreen())
    screen = s->availableGeometry();
  // Around the board: the menu bar, the toolbar and the status bar, and once shown the
  // window manager's frame.
  const QSize chrome = windowChrome(window);
  const QSize decoration = window.isVisible() ? window.frameGeometry().size() - window.size() : QSize(0, 0);
  const QSize room = screen.size() - chrome - decoration;
  const int n = boardSize;
  const bool fit = appearance.boardScale == kFitToWindow;
  if (fit && window.isVisible()) {
    // The window stays as the player made it, and the board fills it.
    const Layout smallest = computeLayout(n, kSmallestCell, 0, 0);
    board.setMinimumSize(QSize(smallest.width, smallest.height));
    board.setCell(boardCellSize(n, appearance, board.width(), board.height()));
    board.placeListingBox();
    board.update();
    return;
  }
  // The largest scale at or below the chosen one that the screen holds, or
  // with "Fit to window" the largest board the screen holds; the chosen
  // scale stays in the settings.
  board.setCell(boardCellSize(n, appearance, room.width(), room.height()));
  const QSize wanted = board.layoutSize();
  const Layout smallest = computeLayout(n, kSmallestCell, 0, 0);
  board.setMinimumSize(fit ? QSize(smallest.width, smallest.height) : wanted);
  if (!window.isVisible()) {
    const QSize whole = wanted + chrome;
    window.setGeometry(screen.x() + std::max(0, screen.width() / 2 - whole.width() / 2),
                       screen.y() + std::max(0, screen.height() / 2 - whole.height() / 2), whole.width(),
                       whole.height());
  } else {
    // A board of another size gets the window its layout wants, smaller as
    // well as larger; the same board keeps a window the player enlarged.
    const QSize base = newBoardSize ? wanted + chrome : window.size().expandedTo(wanted + chrome);
    // The window's least size follows the board's now, not at the next
    // layout pass, or it would hold the window at the larger board's size.
    if (window.layout()) window.layout()->activate();
    window.resize(base.boundedTo((screen.size() - decoration).expandedTo(wanted + chrome)));
    // A larger board grows the window down and right: it is moved back so
    // that the whole of it stays on the screen it is on.
    const QSize whole = window.size() + decoration;
    const int x =
        std::clamp(window.pos().x(), screen.left(), std::max(screen.left(), screen.right() + 1 - whole.width()));
    const int y =
        std::clamp(window.pos().y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - whole.height()));
    if (QPoint(x, y) != window.pos()) window.move(x, y);
  }
  board.placeListingBox();
  board.update();
}

}  // namespace velmora
