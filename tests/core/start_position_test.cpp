// Games that begin at a position of their own, Black to move: the side to
// move, the listing and its replay, the end of the game, the saved file and
// the network's refusal to continue them.

#include <gtest/gtest.h>

#include <memory>

#include "core/game/play.h"
#include "core/net/connection_setup.h"
#include "core/net/protocol.h"
#include "core/records/fen.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/records/saved_game.h"
#include "core/rules/position_text.h"
#include "support/fake_host.h"
#include "support/test_support.h"

namespace velmora {
namespace {

// International, Black to move: men on 19 and 10 against 28 and 48.
struct BlackFirst {
  test::FakeHost host;
  std::unique_ptr<GameState> game = std::make_unique<GameState>();
  std::unique_ptr<GameState> scratch = std::make_unique<GameState>();
  MoveListing listing;
  BlackFirst() {
    EXPECT_FALSE(readFen("B:W28,48:B19,10", International, *game));
    for (const char* move : {"g7-f6", "e5:g7", "i9-j8"}) EXPECT_TRUE(playMoveText(*game, move)) << move;
    refreshListing(listing, *game, game->plyCount);
  }
};

TEST(StartPosition, BlackMovesFirstAndTheListingNumbersWhitesMoves) {
  BlackFirst g;
  EXPECT_EQ(g.game->sideToMove(), White);  // three moves from Black's turn
  EXPECT_EQ(g.listing.lines, (std::vector<std::string>{" 0.", " 1. ... g7-f6", " 2. e5:g7", "        i9-j8"}));
  EXPECT_EQ(g.listing.sideToMove(), White);
  g.listing.selected = 1;
  EXPECT_EQ(g.listing.sideToMove(), White);
  showListedPosition(*g.game, *g.scratch, g.listing);
  EXPECT_EQ(writePosition(*g.game),
            "W:........../........b./........../........../.....b..../....w...../........../"
            "........../........../....w.....");
  g.listing.selected = 0;
  EXPECT_EQ(g.listing.sideToMove(), Black);
  showListedPosition(*g.game, *g.scratch, g.listing);
  EXPECT_EQ(positionText(g.game->board, 10, Black), positionText(g.game->start.board, 10, Black));
}

TEST(StartPosition, TheSideToMoveWithoutAMoveLosesWhicheverBegan) {
  test::FakeHost host;
  auto game = std::make_unique<GameState>();
  MoveListing listing;
  ASSERT_FALSE(readFen("B:W28:B", International, *game));  // Black to move has no piece
  refreshListing(listing, *game, 0);
  EXPECT_EQ(checkGameEnd(*game, listing, false), WhiteWins);
  ASSERT_FALSE(readFen("B:W28:B1", International, *game));
  refreshListing(listing, *game, 0);
  auto scratch = std::make_unique<GameState>();
  EXPECT_TRUE(gameCanGoOn(*game, *scratch, listing));
}

TEST(StartPosition, SavedGameKeepsItAndReplaysItsMoves) {
  BlackFirst g;
  const std::string text = savedGameText(*g.game, g.game->plyCount);
  EXPECT_NE(text.find("GAME TYPE = International\r\nSTART POSITION = B:"), std::string::npos) << text;
  auto loaded = std::make_unique<GameState>();
  loadGameText(*loaded, text);
  EXPECT_EQ(loaded->plyCount, 3);
  EXPECT_EQ(loaded->start.custom, 1);
  EXPECT_EQ(loaded->start.side, Black);
  EXPECT_EQ(writePosition(*loaded), writePosition(*g.game));
  EXPECT_EQ(savedGameText(*loaded, loaded->plyCount), text);

  // A damaged start position reads as the variant's set-up, where the
  // first move is no longer legal.
  std::string damaged = text;
  damaged.replace(damaged.find("START POSITION = B:") + 17, 1, "Q");
  loadGameText(*loaded, damaged);
  EXPECT_EQ(loaded->start.custom, 0);
  EXPECT_EQ(loaded->plyCount, 0);
}

TEST(StartPosition, NetworkPlayOffersOnlyANewGame) {
  BlackFirst g;
  EXPECT_FALSE(canContinueCurrent(*g.game, g.listing));
  NetChoice choice;
  choice.continueCurrent = true;
  choice.gameType = Russian;
  prepareServerGame(*g.game, g.listing, choice, "Ann");
  EXPECT_EQ(g.game->gameType, Russian);
  EXPECT_EQ(g.game->start.custom, 0);
  EXPECT_EQ(g.listing.lines.size(), 1u);
  EXPECT_EQ(g.listing.sideToMove(), White);
}

}  // namespace
}  // namespace velmora
