#pragma once
// The fixed layout of the main window: board, coordinates and side panel,
// all derived from the board size and the square size.

#include <string>

#include "core/view/appearance.h"

namespace velmora {

struct Rect {
  int left;
  int top;
  int right;  // exclusive
  int bottom;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

constexpr int kListingLineHeight = 25;

// The strip left of the squares and below them where the row numbers and
// column letters are written; the board keeps as wide a margin above.
constexpr int kCoordinateBand = 20;

struct Layout {
  int x0;  // layout origin in the client area
  int y0;
  int cell;
  int n;
  int width;  // layout (minimum client) size
  int height;
  Rect board;
  Rect listing;
  Rect upperName, upperClock, lowerName, lowerClock;
  Rect variantName, giveAwayText;  // giveAwayText is empty unless a give-away game
  Rect logo;
  Rect evaluation;  // the logo's row, when the Expert's score is shown instead
  Rect status;      // how the game stands: under the panel, in the column letters' row
};

// The layout of an n x n board of `cell` pixels in a client area of the given
// size; a client area smaller than the layout keeps the origin at (0, 0).
Layout computeLayout(int n, int cell, int clientWidth, int clientHeight, bool giveAway = false);

// The largest square size, not above `chosen`, whose layout fits in an area
// of the given size; the smallest size when none fits.
int cellSizeThatFits(int n, int chosen, int availableWidth, int availableHeight);

// The square size of the window's board in an area of the given size: the
// chosen scale, a classic or a larger one, or the largest smaller one that
// fits; with "Fit to window" the largest size of all that fits, never
// below kSmallestCell.
int boardCellSize(int n, const AppearanceSettings& settings, int availableWidth, int availableHeight);

// The square size of a board scale's choice before the screen is asked.
int chosenCellSize(const AppearanceSettings& settings);

// Screen column k, row r of the board: its rectangle in the client area.
Rect squareRect(const Layout& layout, int screenColumn, int screenRow);

// "hh:mm:ss".
std::string formatClock(int seconds);

struct ListingColours {
  Colour ink;
  Colour background;
};

// Colours of the selected listing line, derived from the background and ink.
ListingColours listingHighlightColours(Colour background, Colour ink);

}  // namespace velmora
