#include "core/view/layout.h"

#include <algorithm>

#include "core/platform/translation.h"

namespace velmora {

AppearanceSettings appearance;

// Shown translated; the settings keep a built-in skin by its number.
const char* const kBuiltInSkinNames[kBuiltInSkinCount] = {
    N_("1. Simple"), N_("2. Design"), N_("3. Standard"), N_("4. Buttons"), N_("5. Sky"), N_("6. Home"), N_("7. Stone")};

Layout computeLayout(int n, int cell, int clientWidth, int clientHeight, bool giveAway) {
  Layout l{};
  const int b = n * cell;
  l.n = n;
  l.cell = cell;
  l.width = kCoordinateBand + b + 200;  // the panel right of the board
  l.height = kCoordinateBand + b + kCoordinateBand;
  l.x0 = std::max(0, (clientWidth - l.width) / 2);
  l.y0 = std::max(0, (clientHeight - l.height) / 2);
  const int x = l.x0, y = l.y0;
  l.board = {x + kCoordinateBand, y + kCoordinateBand, x + kCoordinateBand + b, y + kCoordinateBand + b};
  const int listBottom = kListingLineHeight * ((b - 108) / kListingLineHeight);
  l.listing = {x + b + 40, y + 148, x + b + 200, y + listBottom};
  const int panel = l.board.right;
  l.logo = {x + b + 56, l.board.top, x + b + 56 + 128, l.board.top + 64};
  l.evaluation = {panel, l.board.top, panel + 200, y + 84};
  l.status = {panel, l.board.bottom, panel + 200, l.board.bottom + kCoordinateBand};
  l.upperName = {panel, y + 84, panel + 200, y + 116};
  l.upperClock = {panel, y + 148 - 32, panel + 200, y + 148};
  l.lowerName = {panel, y + listBottom + 1, panel + 200, y + listBottom + 32};
  l.lowerClock = {panel, y + listBottom + 32, panel + 200, y + listBottom + 64};
  if (giveAway) {
    l.variantName = {panel, y + listBottom + 64, panel + 200, y + listBottom + 96};
    l.giveAwayText = {panel, y + listBottom + 96, panel + 200, l.board.bottom};
  } else {
    l.variantName = {panel, y + listBottom + 64, panel + 200, l.board.bottom};
    l.giveAwayText = {panel, l.board.bottom, panel + 200, l.board.bottom};
  }
  return l;
}

int cellSizeThatFits(int n, int chosen, int availableWidth, int availableHeight) {
  for (const SquareSize& size : kSquareSizes) {
    if (size.pixels > chosen) continue;
    const Layout l = computeLayout(n, size.pixels, 0, 0);
    if (l.width <= availableWidth && l.height <= availableHeight) return size.pixels;
  }
  return kSquareSizes[kSquareSizeCount - 1].pixels;
}

int chosenCellSize(const AppearanceSettings& a) {
  for (const SquareSize& size : kLargeSquareSizes)
    if (size.percent == a.boardScale) return size.pixels;
  return a.cellSize;
}

int boardCellSize(int n, const AppearanceSettings& a, int availableWidth, int availableHeight) {
  const Layout one = computeLayout(n, 0, 0, 0);  // the room around the squares
  const int fits = std::min((availableWidth - one.width) / n, (availableHeight - one.height) / n);
  if (a.boardScale == kFitToWindow) return std::max(kSmallestCell, fits);
  const int chosen = chosenCellSize(a);
  if (chosen <= kSquareSizes[0].pixels) return cellSizeThatFits(n, chosen, availableWidth, availableHeight);
  for (const SquareSize& size : kLargeSquareSizes)
    if (size.pixels <= chosen && size.pixels <= fits) return size.pixels;
  return cellSizeThatFits(n, kSquareSizes[0].pixels, availableWidth, availableHeight);
}

Rect squareRect(const Layout& l, int k, int r) {
  const int left = l.board.left + k * l.cell, top = l.board.top + r * l.cell;
  return {left, top, left + l.cell, top + l.cell};
}

std::string formatClock(int s) {
  if (s < 0) s = 0;
  std::string t = "00:00:00";
  t[0] = static_cast<char>('0' + (s / 36000) % 10);
  t[1] = static_cast<char>('0' + (s / 3600) % 10);
  t[3] = static_cast<char>('0' + (s % 3600) / 600);
  t[4] = static_cast<char>('0' + (s % 3600) / 60 % 10);
  t[6] = static_cast<char>('0' + (s % 60) / 10);
  t[7] = static_cast<char>('0' + s % 10);
  return t;
}

ListingColours listingHighlightColours(Colour background, Colour ink) {
  const int b[3] = {colourRed(background), colourGreen(background), colourBlue(background)};
  const int k[3] = {colourRed(ink), colourGreen(ink), colourBlue(ink)};
  int vote = 0;
  for (int i = 0; i < 3; ++i) vote += b[i] < k[i] ? 1 : -1;
  int nb[3], nk[3];
  const bool allDark = b[0] < 90 && b[1] < 90 && b[2] < 90;
  for (int i = 0; i < 3; ++i) {
    if (vote > 0) {  // a background darker than the ink
      nb[i] = allDark ? b[i] + 90 : b[i] - b[i] / 4;
      nk[i] = std::min(255, k[i] + k[i] / 4);
    } else {
      nb[i] = b[i] - b[i] / 5;
      nk[i] = k[i] - k[i] / 8;
    }
  }
  return {makeColour(nk[0], nk[1], nk[2]), makeColour(nb[0], nb[1], nb[2])};
}

}  // namespace velmora
