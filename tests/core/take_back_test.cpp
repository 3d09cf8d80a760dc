// Take back and Play on step to the positions where a human is to move:
// two moves against the computer, one between humans, none in network games;
// a new move from there replaces what followed.

#include "core/game/take_back.h"

#include <gtest/gtest.h>

#include "core/game/play.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "support/fake_host.h"
#include "support/test_support.h"

namespace velmora {
namespace {

struct Game {
  test::FakeHost fake;
  std::unique_ptr<GameState> state = test::startPosition(American);
  std::unique_ptr<GameState> scratch = std::make_unique<GameState>();
  MoveListing listing;

  Game(PlayerType white, PlayerType black) {
    state->players[White].type = white;
    state->players[Black].type = black;
    refreshListing(listing, *state, 0);
  }
  void play(const std::string& text) { test::playListed(*state, listing, text); }
  std::string shown() const { return writePosition(*state).substr(2); }
};

const char* kMoves[] = {"c3-d4", "f6-e5", "d4:f6", "g7:e5", "b2-c3"};

TEST(TakeBack, AgainstTheComputerTwoMovesBackAndPlayOnReturns) {
  Game g(HumanPlayer, ComputerPlayer);
  for (const char* m : kMoves) g.play(m);
  g.play("e5-d4");  // the computer's reply, as it would come
  ASSERT_EQ(g.listing.selected, 6);
  const std::string latest = g.shown();

  takeBack(*g.state, *g.scratch, g.listing);
  EXPECT_EQ(g.listing.selected, 4);
  EXPECT_EQ(g.listing.lines.size(), 7u);  // nothing is cut yet
  Game replay(HumanPlayer, ComputerPlayer);
  for (int i = 0; i < 4; ++i) replay.play(kMoves[i]);
  EXPECT_EQ(g.shown(), replay.shown());

  takeBack(*g.state, *g.scratch, g.listing);
  takeBack(*g.state, *g.scratch, g.listing);
  EXPECT_EQ(g.listing.selected, 0);
  EXPECT_EQ(takeBackLine(*g.state, g.listing), -1);  // at the start

  EXPECT_EQ(playOnLine(*g.state, g.listing), 2);
  playOn(*g.state, *g.scratch, g.listing);
  playOn(*g.state, *g.scratch, g.listing);
  playOn(*g.state, *g.scratch, g.listing);
  EXPECT_EQ(g.listing.selected, 6);
  EXPECT_EQ(g.shown(), latest);
  EXPECT_EQ(playOnLine(*g.state, g.listing), -1);
}

TEST(TakeBack, ANewMoveReplacesWhatFollowed) {
  Game g(HumanPlayer, HumanPlayer);
  for (const char* m : kMoves) g.play(m);
  takeBack(*g.state, *g.scratch, g.listing);  // between humans: one move
  EXPECT_EQ(g.listing.selected, 4);
  g.play("a3-b4");
  EXPECT_EQ(g.listing.lines.size(), 6u);
  EXPECT_EQ(g.listing.lines.back(), " 3. a3-b4");
  EXPECT_EQ(playOnLine(*g.state, g.listing), -1);
}

TEST(TakeBack, AfterTheHumansLastMoveOneMoveBack) {
  Game g(ComputerPlayer, HumanPlayer);  // the computer has White
  for (const char* m : kMoves) g.play(m);
  // Line 5: Black, the human, to move; line 4 was the computer's.
  EXPECT_EQ(takeBackLine(*g.state, g.listing), 3);
  g.play("h6-g5");  // the human's move, the computer's turn at line 6
  EXPECT_EQ(takeBackLine(*g.state, g.listing), 5);
}

TEST(TakeBack, NotForComputersAloneNetworkGamesOrABusyBoard) {
  Game computers(ComputerPlayer, ComputerPlayer);
  for (const char* m : kMoves) computers.play(m);
  EXPECT_EQ(takeBackLine(*computers.state, computers.listing), -1);

  Game network(HumanPlayer, RemotePlayer);
  for (const char* m : kMoves) network.play(m);
  EXPECT_EQ(takeBackLine(*network.state, network.listing), -1);

  Game busy(HumanPlayer, HumanPlayer);
  for (const char* m : kMoves) busy.play(m);
  busy.state->thinking = 1;
  EXPECT_EQ(takeBackLine(*busy.state, busy.listing), -1);
  busy.listing.selected = 2;
  EXPECT_EQ(playOnLine(*busy.state, busy.listing), -1);
}

}  // namespace
}  // namespace velmora
