// The computer's move in the window: the random opening, progress in the
// title, the clock, breaking off, and whole games between two computers.

#include "core/game/computer_move.h"

#include <gtest/gtest.h>

#include "core/game/play.h"
#include "core/records/listing.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "support/fake_host.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;

struct ComputerGame {
  std::unique_ptr<GameState> game;
  MoveListing listing;
  Engine engine;

  ComputerGame(GameType type, int whiteType, int blackType, int level = 0) : game(test::startPosition(type)) {
    game->players[White].type = whiteType;
    game->players[Black].type = blackType;
    game->searchDepth = level + 2;
    game->gameRunning = 1;
    resetListing(listing);
  }
};

TEST(ComputerMove, FirstMoveOfWhiteIsRandomAndImmediate) {
  test::FakeHost fake;
  fake.record().tickStep = 5000;
  ComputerGame g(American, ComputerPlayer, HumanPlayer);
  seedComputerRandom(1);
  ASSERT_TRUE(computerShouldMove(*g.game, g.listing));
  computerMove(*g.game, g.listing, true, g.engine);
  EXPECT_EQ(g.listing.lines.size(), 2u);
  EXPECT_TRUE(fake.record().titles.empty());
  EXPECT_EQ(g.game->players[White].clockSeconds, 0);
  EXPECT_EQ(g.game->thinking, 0);
  EXPECT_EQ(fake.record().windowDisables, 0);
}

TEST(ComputerMove, ProgressShowsInTheTitleAndTheClockIsCharged) {
  test::FakeHost fake;
  fake.record().tickStep = 700;
  ComputerGame g(American, HumanPlayer, ComputerPlayer);
  refreshListing(g.listing, *g.game, 0);
  setPlainWindowTitle("Velmora");
  auto& s = *g.game;
  // White has played c3-d4; Black has seven answers.
  generateMoves(s.legalMoves, s, White);
  playMove(s, g.listing, 2);
  fake.record().titles.clear();
  computerMove(s, g.listing, true, g.engine);
  EXPECT_EQ(fake.record().titles, (Lines{"Velmora [0%]", "Velmora [14%]", "Velmora [28%]", "Velmora [42%]",
                                         "Velmora [57%]", "Velmora [71%]", "Velmora [85%]", "Velmora"}));
  EXPECT_EQ(g.listing.lines.size(), 3u);
  EXPECT_GT(s.players[Black].clockSeconds, 0);
  EXPECT_EQ(fake.record().windowDisables, 1);

  fake.record().titles.clear();
  fake.record().active = false;
  generateMoves(s.legalMoves, s, White);
  playMove(s, g.listing, 0);
  computerMove(s, g.listing, false, g.engine);
  EXPECT_EQ(fake.record().titles, (Lines{"Velmora"}));  // only the plain title is put back
  EXPECT_EQ(fake.record().flashes, 1);
}

TEST(ComputerMove, ThinksShorterThanASecondAddUpOnTheClock) {
  test::FakeHost fake;
  static std::uint32_t now;
  now = 0;
  host.tickCount = [] { return now; };
  ComputerGame g(American, HumanPlayer, ComputerPlayer);
  auto& s = *g.game;
  generateMoves(s.legalMoves, s, White);
  playMove(s, g.listing, 2);
  // Five thinks of 0.45 s: 2.25 s, two whole seconds on the clock, not none.
  for (int think = 0; think < 5; ++think) {
    ASSERT_TRUE(beginComputerMove(s, g.listing, {}));
    now += 450;
    showComputerProgress(s, 50, false);
    s.thinking = 0;
  }
  EXPECT_EQ(s.players[Black].clockSeconds, 2);
  // A clock set anew (a new game) starts without the old quarter second.
  s.players[Black].clockSeconds = 0;
  ASSERT_TRUE(beginComputerMove(s, g.listing, {}));
  now += 900;
  showComputerProgress(s, 50, false);
  EXPECT_EQ(s.players[Black].clockSeconds, 0);
}

TEST(ComputerMove, TheClockIsChargedForThinkingNotForTheGameEndBox) {
  test::FakeHost fake;
  static bool boxShown;
  boxShown = false;
  // A minute passes while the player reads the game-end box.
  host.messageBox = [](const std::string&, MessageIcon, MessageButtons) { return boxShown = true; };
  host.tickCount = [] { return boxShown ? 60000u : 0u; };
  // Black takes White's last man: the game ends with the computer's move.
  ComputerGame g(American, HumanPlayer, ComputerPlayer);
  readPosition("B:......../......../......../......../...b..../..w...../......../........", American, *g.game);
  refreshListing(g.listing, *g.game, 0);
  computerMove(*g.game, g.listing, true, g.engine);
  EXPECT_TRUE(boxShown);
  EXPECT_EQ(g.game->gameRunning, 0);
  EXPECT_EQ(g.game->players[Black].clockSeconds, 0);
}

TEST(ComputerMove, EscapeAnsweredNoGoesOnAndYesStopsTheGame) {
  for (bool yes : {false, true}) {
    test::FakeHost fake;
    fake.record().escapeHeld = true;
    fake.record().answerYes = yes;
    ComputerGame g(International, HumanPlayer, ComputerPlayer);
    auto& s = *g.game;
    generateMoves(s.legalMoves, s, White);
    playMove(s, g.listing, 0);
    computerMove(s, g.listing, true, g.engine);
    EXPECT_EQ(fake.record().messages.front(), "Break AI move. Are you sure?");
    if (yes) {
      EXPECT_EQ(fake.record().messages.size(), 1u);  // stopped at the first root move
      EXPECT_EQ(g.listing.lines.size(), 2u);
      EXPECT_EQ(g.listing.sideToMove(), Black);
      EXPECT_EQ(s.gameRunning, 0);
      EXPECT_FALSE(computerShouldMove(s, g.listing));
    } else {
      EXPECT_EQ(fake.record().messages.size(), 9u);  // asked at each of Black's nine root moves
      EXPECT_EQ(g.listing.lines.size(), 3u);
      EXPECT_EQ(s.gameRunning, 1);
    }
    EXPECT_EQ(s.thinking, 0);
  }
}

TEST(ComputerMove, ABrokenOffGameGoesOnWhenContinued) {
  test::FakeHost fake;
  fake.record().escapeHeld = true;
  fake.record().answerYes = true;
  ComputerGame g(American, HumanPlayer, ComputerPlayer);
  auto scratch = std::make_unique<GameState>();
  auto& s = *g.game;
  EXPECT_FALSE(gameCanGoOn(s, *scratch, g.listing));  // it runs
  generateMoves(s.legalMoves, s, White);
  playMove(s, g.listing, 2);
  computerMove(s, g.listing, true, g.engine);
  ASSERT_EQ(s.gameRunning, 0);  // broken off
  // Looking back at the start does not change where the game goes on.
  g.listing.selected = 0;
  showListedPosition(s, *scratch, g.listing);
  ASSERT_TRUE(gameCanGoOn(s, *scratch, g.listing));
  continueGame(s, *scratch, g.listing);
  EXPECT_EQ(s.gameRunning, 1);
  EXPECT_EQ(g.listing.selected, 1);
  fake.record().escapeHeld = false;
  ASSERT_TRUE(computerShouldMove(s, g.listing));
  computerMove(s, g.listing, false, g.engine);
  EXPECT_EQ(g.listing.moveCount(), 2);
  EXPECT_FALSE(gameCanGoOn(s, *scratch, g.listing));

  // Before any game there is nothing to go on with.
  MoveListing none;
  s.gameRunning = 0;
  EXPECT_FALSE(gameCanGoOn(s, *scratch, none));
}

TEST(ComputerMove, TheExpertPlaysWhenItsTimeIsSetAndStopsWhenAsked) {
  // A lone legal move is played as soon as the Expert has seen it.
  auto forced = test::position(American, "B:......../......../......../......../......../......../......../.......B");
  forced->expertMoveTimeMs = 200;
  Engine engine;
  const ComputerChoice single = searchComputerMove(engine, *forced);
  EXPECT_EQ(single.result, 1);
  EXPECT_EQ(single.bestRootIndex, 0);

  // Asked to stop before it starts: abandoned, nothing to play.
  auto start = test::startPosition(International);
  start->expertMoveTimeMs = 15000;
  engine.requestStop();
  EXPECT_EQ(searchComputerMove(engine, *start).result, 0);
}

TEST(ComputerMove, ComputerAgainstComputerPlaysToTheEnd) {
  test::FakeHost fake;
  for (GameType type : {American, Russian, Turkish, Thai, Frisian}) {
    ComputerGame g(type, ComputerPlayer, ComputerPlayer);
    seedComputerRandom(7);
    int moves = 0;
    while (g.game->gameRunning && moves < kMaxGameMoves + 1) {
      if (computerShouldMove(*g.game, g.listing)) {
        computerMove(*g.game, g.listing, false, g.engine);
        ++moves;
      } else {
        g.game->gameRunning = 0;  // the game-end check found the result
      }
    }
    EXPECT_LE(g.listing.moveCount(), kMaxGameMoves) << gameTypeName(type);
    const bool ended = checkGameEnd(*g.game, g.listing, false) != GameGoesOn || g.listing.moveCount() == kMaxGameMoves;
    EXPECT_TRUE(ended) << gameTypeName(type) << " stopped after " << g.listing.moveCount() << " moves";
  }
}

}  // namespace
}  // namespace velmora
