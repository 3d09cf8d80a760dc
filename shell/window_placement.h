#pragma once
// Where the main window stands and how large its board is drawn: at least
// the layout's size, centred when not yet shown, on its screen.

#include <QSize>

class QMainWindow;

namespace velmora {

class BoardWidget;

// The room above the board: the menu bar and a toolbar at the top.
QSize windowChrome(const QMainWindow& window);

// Sizes the board's cells for `boardSize` squares a side and places
// `window` for them: the largest scale at or below the chosen one that the
// screen holds; with "Fit to window" a shown window keeps its size and the
// board fills it. `newBoardSize`: the board had another size before, and
// the window takes the new layout's size, smaller too.
void placeMainWindow(QMainWindow& window, BoardWidget& board, int boardSize, bool newBoardSize);

}  // namespace velmora
