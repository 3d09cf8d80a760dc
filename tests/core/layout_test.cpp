// The window's geometry, the tile each square shows, the listing colours and
// the clock text.

#include "core/view/layout.h"

#include <gtest/gtest.h>

#include "core/view/tiles.h"
#include "support/test_support.h"

namespace velmora {
namespace {

TEST(Layout, GeometryOfEveryBoardAndSquareSize) {
  struct Row {
    int n, cell, width, height, listingHeight;
  };
  const Row table[] = {{8, 48, 604, 424, 127},  {8, 56, 668, 488, 177},  {8, 64, 732, 552, 252},
                       {10, 48, 700, 520, 202}, {10, 56, 780, 600, 302}, {10, 64, 860, 680, 377},
                       {12, 48, 796, 616, 302}, {12, 56, 892, 712, 402}, {12, 64, 988, 808, 502}};
  for (const Row& r : table) {
    const Layout l = computeLayout(r.n, r.cell, r.width, r.height);
    EXPECT_EQ(l.width, r.width) << r.n << " " << r.cell;
    EXPECT_EQ(l.height, r.height) << r.n << " " << r.cell;
    EXPECT_EQ(l.listing.height(), r.listingHeight) << r.n << " " << r.cell;
    EXPECT_EQ(l.listing.width(), 160);
    EXPECT_EQ(l.listing.left, r.n * r.cell + 40);
    EXPECT_EQ(l.upperClock.bottom, l.listing.top);
    EXPECT_EQ(l.lowerClock.top, l.listing.bottom + 32);
  }
}

TEST(Layout, OriginCentresTheLayoutAndNeverGoesNegative) {
  const Layout centred = computeLayout(8, 64, 832, 653);
  EXPECT_EQ(centred.x0, 50);
  EXPECT_EQ(centred.y0, 50);
  EXPECT_EQ(centred.board.left, 70);
  const Layout cramped = computeLayout(12, 64, 500, 300);
  EXPECT_EQ(cramped.x0, 0);
  EXPECT_EQ(cramped.y0, 0);
  const Layout giveAway = computeLayout(8, 64, 732, 552, true);
  EXPECT_EQ(giveAway.variantName.bottom, giveAway.giveAwayText.top);
  EXPECT_EQ(giveAway.giveAwayText.bottom, 8 * 64 + 20);
  // The status line stays inside the layout, under the panel.
  EXPECT_EQ(centred.status.top, centred.board.bottom);
  EXPECT_EQ(centred.status.bottom, centred.y0 + centred.height);
  EXPECT_EQ(centred.status.right, centred.x0 + centred.width);
}

TEST(Tiles, ParityPieceHighlightAndMarkers) {
  auto s = test::position(American, "W:......../......../......../......../......../..w...../......../B.......");
  AppearanceSettings a;
  EXPECT_EQ(squareTile(*s, *s, 0, 0, a), (Tile{4, 1}));  // black king on a dark square
  EXPECT_EQ(squareTile(*s, *s, 2, 2, a), (Tile{1, 1}));  // white man
  EXPECT_EQ(squareTile(*s, *s, 1, 0, a), (Tile{0, 4}));  // empty light square
  s->marks[2][2].selected = 1;
  EXPECT_EQ(squareTile(*s, *s, 2, 2, a), (Tile{0, 2}));  // the piece follows the cursor
  a.dragShow = DragStays;
  EXPECT_EQ(squareTile(*s, *s, 2, 2, a), (Tile{1, 2}));
  s->marks[0][0].lastMove = 1;
  EXPECT_EQ(squareTile(*s, *s, 0, 0, a), (Tile{4, 3}));
  s->marks[0][0].blinkTicks = 3;
  EXPECT_EQ(squareTile(*s, *s, 0, 0, a), (Tile{4, 2}));  // blinking wins over the last move
  // Markers only on empty squares; the step marker wins over the destination.
  s->marks[3][3].moveTarget = 1;
  EXPECT_EQ(squareTile(*s, *s, 3, 3, a), (Tile{0, 0}));
  s->marks[3][3].pathStep = 1;
  EXPECT_EQ(squareTile(*s, *s, 3, 3, a), (Tile{1, 0}));
  s->marks[0][0].moveTarget = 1;
  EXPECT_EQ(squareTile(*s, *s, 0, 0, a), (Tile{4, 2}));
  s->marks[4][3].moveTarget = 1;
  EXPECT_EQ(squareTile(*s, *s, 3, 4, a), (Tile{2, 0}));  // a light square's marker
  EXPECT_EQ(draggedTile(*s, 2, 2), (Tile{1, 2}));
}

TEST(Tiles, ItalianAndSpanishPlayOnTheLightTiles) {
  auto s = test::startPosition(Italian);
  AppearanceSettings a;
  EXPECT_EQ(squareTile(*s, *s, 0, 0, a), (Tile{1, 4}));
  EXPECT_EQ(squareTile(*s, *s, 1, 0, a), (Tile{0, 1}));
}

TEST(Tiles, DraggedPieceAndShadowAlphas) {
  EXPECT_EQ(draggedPieceAlpha(50), 127);
  EXPECT_EQ(draggedPieceAlpha(85), 216);
  EXPECT_EQ(draggedShadowAlpha(50), 25);
  EXPECT_EQ(draggedShadowAlpha(85), 43);
  EXPECT_EQ(draggedShadowAlpha(100), 51);
}

TEST(ListingColours, DefaultsAndALightBackground) {
  const ListingColours d = listingHighlightColours(defaultAppearance.backgroundColour, defaultAppearance.inkColour);
  EXPECT_EQ(d.background, makeColour(90, 58, 30));
  EXPECT_EQ(d.ink, makeColour(255, 225, 161));
  const ListingColours dark = listingHighlightColours(makeColour(10, 20, 30), makeColour(200, 200, 200));
  EXPECT_EQ(dark.background, makeColour(100, 110, 120));
  const ListingColours light = listingHighlightColours(makeColour(200, 200, 200), makeColour(40, 80, 16));
  EXPECT_EQ(light.background, makeColour(160, 160, 160));
  EXPECT_EQ(light.ink, makeColour(35, 70, 14));
}

TEST(Clock, HoursMinutesSeconds) {
  EXPECT_EQ(formatClock(0), "00:00:00");
  EXPECT_EQ(formatClock(75), "00:01:15");
  EXPECT_EQ(formatClock(36000 + 3599), "10:59:59");
}

TEST(Layout, TheLargestScaleThatTheScreenHolds) {
  // A 12 x 12 board: 64-pixel squares need about 1000 x 830 pixels.
  EXPECT_EQ(cellSizeThatFits(12, 64, 1366, 768 - 60), 48);
  EXPECT_EQ(cellSizeThatFits(12, 64, 1400, 1000 - 60), 64);
  EXPECT_EQ(cellSizeThatFits(12, 48, 1400, 1000), 48);  // never above the chosen scale
  EXPECT_EQ(cellSizeThatFits(8, 64, 1366, 708), 64);
  EXPECT_EQ(cellSizeThatFits(12, 64, 300, 200), 48);  // nothing fits: the smallest
}

TEST(Layout, FitToWindowTakesTheLargestSquaresThatFitAndLargerScalesShrinkToTheScreen) {
  AppearanceSettings fit;
  fit.boardScale = kFitToWindow;
  // Full-HD and the common laptop screen, less a menu bar, a title bar and a panel.
  const int screens[2][2] = {{1366, 768 - 90}, {1920, 1080 - 90}};
  for (const auto& screen : screens)
    for (int n : {8, 10, 12}) {
      const int cell = boardCellSize(n, fit, screen[0], screen[1]);
      const Layout l = computeLayout(n, cell, 0, 0), bigger = computeLayout(n, cell + 1, 0, 0);
      EXPECT_LE(l.width, screen[0]) << n;
      EXPECT_LE(l.height, screen[1]) << n;
      EXPECT_TRUE(bigger.width > screen[0] || bigger.height > screen[1]) << n << ": the largest that fits";
    }
  EXPECT_EQ(boardCellSize(8, fit, 1920, 990), 118);            // 944 pixels of board where 100 % gives 512
  EXPECT_EQ(boardCellSize(12, fit, 300, 200), kSmallestCell);  // a tiny window: the smallest squares

  AppearanceSettings large;
  large.boardScale = 200;
  EXPECT_EQ(chosenCellSize(large), 128);
  EXPECT_EQ(boardCellSize(8, large, 2560, 1400), 128);
  EXPECT_EQ(boardCellSize(8, large, 1920, 990), 96);   // the next larger scale the screen holds
  EXPECT_EQ(boardCellSize(10, large, 1366, 678), 56);  // down to the classic scales
  // The classic scales keep their old behaviour.
  AppearanceSettings classic;
  classic.cellSize = 56;
  EXPECT_EQ(boardCellSize(8, classic, 2560, 1400), 56);
  EXPECT_EQ(boardCellSize(12, classic, 1366, 708), 48);
}

}  // namespace
}  // namespace velmora
