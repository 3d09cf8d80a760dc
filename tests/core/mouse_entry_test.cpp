// Mouse move entry: picking up, clicking and dropping, capture paths with
// waypoints, blinking wrong clicks, orientation and the drop square.

#include "core/game/mouse_entry.h"

#include <gtest/gtest.h>

#include "core/game/computer_move.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "support/fake_host.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;

struct Point {
  int x, y;
};

struct Entry {
  std::unique_ptr<GameState> game;
  MoveListing listing;
  BoardView view{0, 0, 64, false, false};
  test::FakeHost fake;

  Entry(GameType type, const std::string& diagram) : game(test::position(type, diagram)) {
    refreshListing(listing, *game, 0);
  }

  Point centre(int x, int y) const {
    const int n = game->boardSize;
    const int sc = view.whiteOnTop ? n - 1 - x : x, sr = view.whiteOnTop ? y : n - 1 - y;
    return {20 + sc * 64 + 32, 20 + sr * 64 + 32};
  }

  void click(const char* square) {
    const int x = square[0] - 'a', y = std::atoi(square + 1) - 1;
    const auto p = centre(x, y);
    const size_t messages = fake.record().messages.size();
    mouseDown(*game, listing, view, MouseButton::Select, p.x, p.y);
    // A message box takes the button's release, as the modal box does in the window.
    if (fake.record().messages.size() == messages) mouseUp(*game, listing, view, MouseButton::Select, p.x, p.y);
  }
  int blinking(const char* square) const { return game->marks[std::atoi(square + 1) - 1][square[0] - 'a'].blinkTicks; }
  int countBlinking() const {
    int count = 0;
    for (auto& row : game->marks)
      for (auto& m : row) count += m.blinkTicks != 0;
    return count;
  }
  std::string lastMove() const { return game->plyCount ? formatMove(*game, game->plyCount - 1) : "-"; }
};

// c1 reaches e7 over b2, b4, d6 by a3 and c5, or over d2, d4, d6 by e3 and c5.
const char* kTwoPaths = "W:......../......../...b..../......../.b.b..../......../.b.b..../..w.....";

TEST(MouseEntry, PickUpAndClickTheDestination) {
  Entry e(American, "W:......../......../......../......../......../..w...../......../........");
  e.click("c3");
  EXPECT_EQ(findSelectedPiece(*e.game), (Square{2, 2}));
  e.click("d4");
  EXPECT_EQ(e.lastMove(), "c3-d4");
  EXPECT_FALSE(findSelectedPiece(*e.game).has_value());
  EXPECT_EQ(e.game->gameRunning, 0);  // Black has no piece: the game ended at once
  EXPECT_EQ(e.fake.record().messages, (Lines{"Game over.\nWhite wins."}));
}

TEST(MouseEntry, PieceWithoutAMoveMakesTheMovablePiecesBlink) {
  Entry e(American, "W:......../......../......../......../...b..../..w...../......../w.......");
  e.click("a1");  // c3 must capture
  EXPECT_EQ(e.blinking("c3"), kBlinkTicksNoMove);
  EXPECT_EQ(e.countBlinking(), 1);
  EXPECT_EQ(e.fake.record().sounds, (std::vector<SoundId>{SoundId::Error}));
  EXPECT_FALSE(findSelectedPiece(*e.game).has_value());
  for (int tick = 0; tick < kBlinkTicksNoMove - 1; ++tick) EXPECT_FALSE(tickBlinking(*e.game));
  EXPECT_TRUE(tickBlinking(*e.game));
  EXPECT_EQ(e.countBlinking(), 0);
}

TEST(MouseEntry, OpponentPieceWithNothingPickedUpBlinksBriefly) {
  Entry e(American, "W:......../......../......../......../...b..../..w...../......../w.......");
  e.click("d4");
  EXPECT_EQ(e.blinking("c3"), kBlinkTicksWrong);
  e.click("e6");  // an empty square does nothing
  EXPECT_EQ(e.fake.record().sounds.size(), 1u);
}

TEST(MouseEntry, AmbiguousDestinationAsksForThePath) {
  Entry e(American, kTwoPaths);
  e.click("c1");
  e.click("e7");
  EXPECT_EQ(e.fake.record().messages, (Lines{"Please select path of movement.\nSee also Manual -> How to make move"}));
  e.click("c5");  // a waypoint shared by both paths
  e.click("e7");
  EXPECT_EQ(e.fake.record().messages.back(),
            "Please select full path of movement.\nSee also Manual -> How to make move");
  EXPECT_EQ(e.game->plyCount, 0);
  e.click("e3");
  e.click("e7");
  EXPECT_EQ(e.lastMove(), "c1:e3:c5:e7");
}

TEST(MouseEntry, TwoRecordsOfOnePathAreOneMove) {
  // Black's man takes d4 and d2 and is crowned on e1, where it may go on:
  // the move list holds that capture twice, the player sees one move.
  Entry e(Russian, "W:.b.b.b.b/b.b.b.b./.b.b.b.b/......../......../w.w.w.w./.w.w.w.w/w.w.w.w.");
  for (const char* text :
       {"e3-d4", "f6-e5", "d4:f6", "g7:e5", "f2-e3", "b6-a5", "e1-f2", "a7-b6", "e3-f4", "f8-g7", "c3-d4"})
    ASSERT_TRUE(playMoveText(*e.game, text)) << text;
  refreshListing(e.listing, *e.game, e.game->plyCount);
  e.click("e5");
  e.click("e1");
  EXPECT_TRUE(e.fake.record().messages.empty()) << e.fake.record().messages.front();
  EXPECT_EQ(e.game->plyCount, 12);
  EXPECT_EQ(e.lastMove(), "e5:c3:e1");
}

TEST(MouseEntry, RefusedClicksSayWhyInTheTitle) {
  Entry e(American, "W:......../......../......../......../...b.b../..w...w./......../w.......");
  const std::string plain = plainWindowTitle();
  e.click("a1");
  EXPECT_EQ(e.fake.record().titles.back(), plain + " - A capture is compulsory: c3 or g3 must capture");
  e.click("d4");
  EXPECT_EQ(e.fake.record().titles.back(), plain + " - White is to move");
  e.click("c3");  // taken: the plain title again
  EXPECT_EQ(e.fake.record().titles.back(), plain);
  e.view.dragging = true;
  const auto p = e.centre(7, 7);  // dropped where it cannot go
  mouseDown(*e.game, e.listing, e.view, MouseButton::Select, p.x, p.y, true);
  EXPECT_EQ(e.fake.record().titles.back(), plain + " - The piece cannot go there");

  Entry blocked(American, "W:......../......../......../......../......../..b...../.b....../w.....w.");
  blocked.click("a1");
  EXPECT_EQ(blocked.fake.record().titles.back(), plain + " - That piece has no legal move");
}

TEST(MouseEntry, OneClickPlaysTheOnlyMoveOfAPieceOrToASquare) {
  // White men a3, c3, e3: a3 goes only to b4; b4 and d4 are reached twice, f4 once.
  const char* men = "W:......../......../......../......../......../w.w.w.../......../........";
  Entry single(American, men);
  single.view.oneClick = true;
  single.click("a3");
  EXPECT_EQ(single.lastMove(), "a3-b4");

  Entry two(American, men);
  two.view.oneClick = true;
  two.click("c3");  // two moves: picked up, nothing played
  EXPECT_EQ(two.game->plyCount, 0);
  EXPECT_EQ(findSelectedPiece(*two.game), (Square{2, 2}));

  Entry squares(American, men);
  squares.view.oneClick = true;
  squares.click("d4");  // reached from c3 and e3: nothing happens
  squares.click("b4");
  EXPECT_EQ(squares.game->plyCount, 0);
  EXPECT_TRUE(squares.fake.record().sounds.empty());
  squares.click("f4");
  EXPECT_EQ(squares.lastMove(), "e3-f4");

  Entry off(American, men);  // off, a click only picks the piece up
  off.click("a3");
  EXPECT_EQ(off.game->plyCount, 0);

  // The two records of one Russian crowning capture are one move to e1.
  Entry russian(Russian, "W:.b.b.b.b/b.b.b.b./.b.b.b.b/......../......../w.w.w.w./.w.w.w.w/w.w.w.w.");
  for (const char* text :
       {"e3-d4", "f6-e5", "d4:f6", "g7:e5", "f2-e3", "b6-a5", "e1-f2", "a7-b6", "e3-f4", "f8-g7", "c3-d4"})
    ASSERT_TRUE(playMoveText(*russian.game, text)) << text;
  refreshListing(russian.listing, *russian.game, russian.game->plyCount);
  russian.view.oneClick = true;
  russian.click("e1");
  EXPECT_EQ(russian.lastMove(), "e5:c3:e1");
}

TEST(MouseEntry, WaypointsToggleAndVanishWithTheSelection) {
  Entry e(American, kTwoPaths);
  e.click("c1");
  e.click("a3");
  EXPECT_TRUE(e.game->marks[2][0].selected);
  e.click("a3");
  EXPECT_FALSE(e.game->marks[2][0].selected);
  e.click("a3");
  e.click("c1");  // put down: the waypoints go too
  EXPECT_FALSE(e.game->marks[2][0].selected);
  EXPECT_FALSE(findSelectedPiece(*e.game).has_value());
}

TEST(MouseEntry, ClosedCircuitIsPlayedByClickingThePieceAgain) {
  Entry e(American, "W:......../..b.b.../......../..b.b.../...W..../......../......../........");
  e.click("d4");
  e.click("f6");
  e.click("d8");
  e.click("b6");
  e.click("d4");
  // Both circuits pass the same squares: the last listed of the fully marked wins.
  EXPECT_EQ(e.lastMove(), "d4:f6:d8:b6:d4");
}

TEST(MouseEntry, DroppingElsewhereBlinksThatSquareAndKeepsThePiece) {
  Entry e(American, "W:......../......../......../......../......../..w...../......../........");
  e.view.dragging = true;
  const auto from = e.centre(2, 2), to = e.centre(5, 5);
  mouseDown(*e.game, e.listing, e.view, MouseButton::Select, from.x, from.y);
  mouseUp(*e.game, e.listing, e.view, MouseButton::Select, to.x, to.y);
  EXPECT_EQ(e.blinking("f6"), kBlinkTicksWrong);
  EXPECT_EQ(e.countBlinking(), 1);
  EXPECT_TRUE(findSelectedPiece(*e.game).has_value());
  // Back on its own square: nothing happens.
  mouseUp(*e.game, e.listing, e.view, MouseButton::Select, from.x, from.y);
  EXPECT_EQ(e.fake.record().sounds.size(), 1u);
  EXPECT_TRUE(findSelectedPiece(*e.game).has_value());
}

TEST(MouseEntry, DropCountsForTheSquareUnderMostOfThePiece) {
  Entry e(American, "W:......../......../......../......../......../..w...../......../........");
  e.view.dragging = true;
  const auto c3 = e.centre(2, 2);
  mouseDown(*e.game, e.listing, e.view, MouseButton::Select, c3.x + 28, c3.y + 28);  // grabbed at (60, 60)
  // The image's top-left 10 pixels inside d4: the cursor is over e3, the piece over d4.
  const auto d4 = e.centre(3, 3);
  const int x = d4.x - 32 + 10 + 60, y = d4.y - 32 + 10 + 60;
  EXPECT_EQ(hitTestSquare(*e.game, e.view, x, y), (Square{3, 3}));
  mouseUp(*e.game, e.listing, e.view, MouseButton::Select, x, y);
  EXPECT_EQ(e.lastMove(), "c3-d4");
}

TEST(MouseEntry, WhiteOnTopTurnsTheBoard) {
  Entry e(American, "W:......../......../......../......../......../......../......../........");
  e.view.whiteOnTop = true;
  EXPECT_EQ(hitTestSquare(*e.game, e.view, 21, 21), (Square{7, 0}));
  e.view.whiteOnTop = false;
  EXPECT_EQ(hitTestSquare(*e.game, e.view, 21, 21), (Square{0, 7}));
  EXPECT_FALSE(hitTestSquare(*e.game, e.view, 19, 21).has_value());
}

TEST(MouseEntry, NothingIsEnteredForTheComputerOrWithoutAGame) {
  Entry e(American, "W:......../......../......../......../......../..w...../......../........");
  e.game->players[White].type = ComputerPlayer;
  e.click("c3");
  EXPECT_FALSE(findSelectedPiece(*e.game).has_value());
  e.game->players[White].type = HumanPlayer;
  e.listing = MoveListing{};
  e.click("c3");
  EXPECT_FALSE(findSelectedPiece(*e.game).has_value());
}

TEST(MouseEntry, HintsAndLastMoveMarks) {
  Entry e(American, kTwoPaths);
  e.click("c1");
  computeMoveHints(*e.game, e.listing, true);
  EXPECT_EQ(e.game->marks[6][4].moveTarget, 1);  // e7
  for (auto [x, y] : {std::pair{0, 2}, {4, 2}, {2, 4}}) EXPECT_EQ(e.game->marks[y][x].pathStep, 1);
  computeMoveHints(*e.game, e.listing, false);
  EXPECT_EQ(e.game->marks[6][4].moveTarget, 0);
  e.click("e3");
  e.click("c5");
  e.click("e7");
  computeLastMoveMarks(*e.game, e.listing, true);
  int marked = 0;
  for (auto& row : e.game->marks)
    for (auto& m : row) marked += m.lastMove;
  EXPECT_EQ(marked, 4);  // c1, e3, c5, e7
  e.listing.selected = 0;
  computeLastMoveMarks(*e.game, e.listing, true);
  EXPECT_EQ(e.game->marks[6][4].lastMove, 0);
}

}  // namespace
}  // namespace velmora
