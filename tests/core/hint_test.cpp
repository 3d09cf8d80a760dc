// Hints: offered only to a person to move in a running game at this
// computer, and marked on the squares of the move without playing it.

#include "core/game/hint.h"

#include <gtest/gtest.h>

#include "core/game/computer_move.h"
#include "core/records/listing.h"
#include "core/rules/position_text.h"
#include "support/fake_host.h"
#include "support/test_support.h"

namespace velmora {
namespace {

TEST(Hint, OfferedOnlyToAPersonToMoveInARunningGameAtThisComputer) {
  test::FakeHost fake;
  auto game = test::startPosition(American);
  MoveListing listing;
  refreshListing(listing, *game, 0);
  game->gameRunning = 1;
  EXPECT_TRUE(hintAvailable(*game, listing));
  game->players[White].type = ComputerPlayer;
  EXPECT_FALSE(hintAvailable(*game, listing));
  game->players[White].type = HumanPlayer;
  game->players[Black].type = RemotePlayer;  // a network game
  EXPECT_FALSE(hintAvailable(*game, listing));
  game->players[Black].type = HumanPlayer;
  game->thinking = 1;
  EXPECT_FALSE(hintAvailable(*game, listing));
  game->thinking = 0;
  game->gameRunning = 0;
  EXPECT_FALSE(hintAvailable(*game, listing));
}

TEST(Hint, TheChosenMoveIsMarkedAlongItsPathAndNotPlayed) {
  test::FakeHost fake;
  // White's c1 takes d2, f4 and f6: the only move, a capture of three.
  auto game = test::position(American, "W:......../......../.....b../......../.....b../......../...b..../..w.....");
  MoveListing listing;
  refreshListing(listing, *game, 0);
  game->gameRunning = 1;
  auto search = std::make_unique<GameState>(*game);
  prepareHintSearch(*search, listing);
  search->expertMoveTimeMs = 0;  // the level's fixed depth: no clock in a test
  search->searchDepth = 2;
  Engine engine;
  const ComputerChoice choice = searchComputerMove(engine, *search);
  ASSERT_EQ(choice.result, 1);
  markHint(*game, listing, choice.bestRootIndex);
  for (const auto& [x, y] : {std::pair{2, 0}, {4, 2}, {6, 4}, {4, 6}}) EXPECT_GT(game->marks[y][x].blinkTicks, 0);
  EXPECT_EQ(game->marks[1][3].blinkTicks, 0);  // a captured piece's square is not a landing
  EXPECT_EQ(writePosition(*game).substr(2), "......../......../.....b../......../.....b../......../...b..../..w.....");
  EXPECT_EQ(listing.moveCount(), 0);
}

}  // namespace
}  // namespace velmora
