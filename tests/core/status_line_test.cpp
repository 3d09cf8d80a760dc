// The line under the panel: each state of a game says what it is, and
// working it out leaves the game's own moves alone.

#include "core/game/status_line.h"

#include <gtest/gtest.h>

#include "core/game/game_state.h"
#include "core/records/listing.h"
#include "support/test_support.h"

namespace velmora {
namespace {

struct Shown {
  std::unique_ptr<GameState> game;
  MoveListing listing;
  GameState scratch;
  explicit Shown(std::unique_ptr<GameState> g) : game(std::move(g)) {
    game->gameRunning = 1;
    refreshListing(listing, *game, game->plyCount);
  }
  std::string line(const StatusFacts& facts = {}) { return statusLine(*game, listing, facts, scratch); }
};

TEST(StatusLine, SaysWhoseMoveAForcedCaptureAndTheEnd) {
  Shown start(test::startPosition(American));
  EXPECT_EQ(start.line(), "White to move");
  start.game->gameRunning = 0;
  EXPECT_EQ(start.line(), "No game is running");

  Shown capture(test::position(American, "W:......../......../......../......../...b..../..w...../......../b......."));
  capture.game->moveCount = 0;  // what the window last generated stays as it was
  EXPECT_EQ(capture.line(), "White must capture");
  EXPECT_EQ(capture.game->moveCount, 0);

  Shown over(test::position(American, "W:......../......../......../......../......../......../......../b......."));
  EXPECT_EQ(over.line(), "Game over: Black wins");
  over.game->gameRunning = 0;  // a finished game is stopped too: the result comes first
  EXPECT_EQ(over.line(), "Game over: Black wins");
}

TEST(StatusLine, TheComputerTheNetworkThePauseAndTheWindowsOwnModes) {
  Shown s(test::startPosition(Russian));
  s.game->thinking = 1;
  EXPECT_EQ(s.line(), "The computer thinks");
  StatusFacts expert;
  expert.depth = 9;
  expert.whiteScore = 40;
  EXPECT_EQ(s.line(expert), "The computer thinks (depth 9, +0.40)");
  s.game->thinking = 0;
  StatusFacts facts;
  facts.awaitingPeer = true;
  EXPECT_EQ(s.line(facts), "Waiting for the opponent's move");
  facts = {};
  facts.paused = true;
  EXPECT_EQ(s.line(facts), "Paused");
  facts = {};
  facts.settingUp = true;
  EXPECT_EQ(s.line(facts), "Setting up a position");
  facts = {};
  facts.analysing = true;
  EXPECT_EQ(s.line(facts), "The Expert goes over the game");
}

}  // namespace
}  // namespace velmora
