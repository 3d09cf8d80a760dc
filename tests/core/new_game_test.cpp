// The New game dialog's rules: names that follow the player types, the AI
// level, the five messages, and the game it starts.

#include "core/game/new_game.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/game/game_state.h"
#include "core/game/settings.h"
#include "core/records/listing.h"

namespace velmora {
namespace {

TEST(NewGame, RememberedNamesChooseTheTypes) {
  lastGame = {Frisian, true, 2, "Anna", "Computer"};
  const NewGameChoice c = rememberedChoice();
  EXPECT_EQ(c.type[White], ChooseHuman);
  EXPECT_EQ(c.type[Black], ChooseComputer);
  EXPECT_EQ(c.gameType, Frisian);
  EXPECT_EQ(c.level, 2);
  EXPECT_TRUE(c.giveAway);
  lastGame = {};
}

TEST(NewGame, NamesFollowTheTypes) {
  NewGameChoice c;
  c.name[White] = "Anna";
  c.name[Black] = "Computer";
  c.type[Black] = ChooseHuman;
  applyTypeRules(c);
  EXPECT_EQ(c.name[Black], "Player 2");
  EXPECT_TRUE(nameEditable(c, Black));
  c.type[White] = ChooseComputer;
  applyTypeRules(c);
  EXPECT_EQ(c.name[White], "Computer");
  EXPECT_FALSE(nameEditable(c, White));
  c.type[White] = ChooseHuman;
  applyTypeRules(c);
  EXPECT_EQ(c.name[White], "Player 1");
  EXPECT_FALSE(levelEnabled(c));  // two humans
}

TEST(NewGame, MessagesKeepTheDialogOpen) {
  NewGameChoice c;
  c.type[White] = c.type[Black] = ChooseHuman;
  c.name[White] = "Computer";
  c.name[Black] = "Computer";
  EXPECT_EQ(newGameProblem(c), "Please enter any other name (WHITE SIDE)");
  c.name[White] = "Anna";
  EXPECT_EQ(newGameProblem(c), "Please enter any other name (BLACK SIDE)");
  c.name[White] = c.name[Black] = "";
  EXPECT_EQ(newGameProblem(c), "Please enter name (WHITE AND BLACK SIDES)");
  c.name[Black] = "Bert";
  EXPECT_EQ(newGameProblem(c), "Please enter name (WHITE SIDE)");
  c.name[White] = "Anna";
  c.name[Black] = "";
  EXPECT_EQ(newGameProblem(c), "Please enter name (BLACK SIDE)");
  c.name[Black] = "Bert";
  EXPECT_FALSE(newGameProblem(c).has_value());
}

TEST(NewGame, StartsTheGameAndRemembersIt) {
  auto game = std::make_unique<GameState>();
  MoveListing listing;
  game->gameModified = 1;
  game->players[White].clockSeconds = 99;
  lastGame = {American, false, 1, "x", "y"};
  NewGameChoice c;
  c.type[White] = ChooseHuman;
  c.name[White] = std::string(60, 'a');
  c.type[Black] = ChooseComputer;
  c.name[Black] = "Computer";
  c.level = 2;
  c.gameType = Canadian;
  c.giveAway = true;
  startNewGame(*game, listing, c);
  EXPECT_EQ(game->boardSize, 12);
  EXPECT_EQ(game->searchDepth, 4);
  EXPECT_EQ(game->giveAway, 1);
  EXPECT_EQ(game->gameRunning, 1);
  EXPECT_EQ(game->gameModified, 0);
  EXPECT_EQ(game->players[White].clockSeconds, 0);
  EXPECT_EQ(std::string(game->players[White].name).size(), 49u);
  EXPECT_EQ(game->players[Black].type, ComputerPlayer);
  EXPECT_EQ(listing.lines, (std::vector<std::string>{" 0."}));
  EXPECT_EQ(lastGame.gameType, Canadian);
  EXPECT_EQ(lastGame.level, 2);
  EXPECT_TRUE(lastGame.giveAway);

  EXPECT_EQ(game->expertMoveTimeMs, 0);

  // The Expert: the level is kept for the saved game and the settings.
  c.expert = true;
  c.moveTimeMs = 5000;
  startNewGame(*game, listing, c);
  EXPECT_EQ(game->searchDepth, 4);
  EXPECT_EQ(game->expertMoveTimeMs, 5000);
  EXPECT_EQ(lastGame.level, 2);
  EXPECT_TRUE(lastGame.expert);
  EXPECT_EQ(lastGame.moveTimeMs, 5000);
  EXPECT_TRUE(rememberedChoice().expert);

  // Two humans leave the remembered level alone.
  c.type[Black] = ChooseHuman;
  c.name[Black] = "Bert";
  c.level = 0;
  c.expert = false;
  startNewGame(*game, listing, c);
  EXPECT_EQ(lastGame.level, 2);
  EXPECT_TRUE(lastGame.expert);
  lastGame = {};
}

TEST(NewGame, FromAFenTheComputerMayBeginAndABadOneChangesNothing) {
  auto game = std::make_unique<GameState>();
  auto scratch = std::make_unique<GameState>();
  MoveListing listing;
  NewGameChoice c;  // a human against the computer, which plays Black
  c.name[White] = "Ann";
  c.name[Black] = kComputerName;
  c.level = 1;
  c.gameType = Russian;
  ASSERT_FALSE(startGameFromFen(*game, listing, *scratch, c, "B:Wc3,e3:Bd6,Kh8"));
  EXPECT_EQ(listing.lines, (std::vector<std::string>{" 0."}));
  EXPECT_EQ(listing.sideToMove(), Black);
  EXPECT_EQ(game->players[Black].type, ComputerPlayer);
  EXPECT_EQ(game->searchDepth, 3);
  EXPECT_EQ(game->expertMoveTimeMs, 0);
  EXPECT_EQ(game->gameRunning, 1);  // the computer, to move, starts at once
  EXPECT_EQ(game->board[7][7].kind, King);

  const auto before = std::make_unique<GameState>(*game);
  const auto why = startGameFromFen(*game, listing, *scratch, c, "W:Wz9");
  ASSERT_TRUE(why.has_value());
  EXPECT_EQ(std::memcmp(before->board, game->board, sizeof game->board), 0);
  EXPECT_EQ(listing.lines.size(), 1u);

  // The Expert chosen for it plays the game from the FEN too.
  c.expert = true;
  c.moveTimeMs = 1000;
  ASSERT_FALSE(startGameFromFen(*game, listing, *scratch, c, "B:Wc3,e3:Bd6,Kh8"));
  EXPECT_EQ(game->searchDepth, 3);
  EXPECT_EQ(game->expertMoveTimeMs, 1000);
  lastGame = {};
}

}  // namespace
}  // namespace velmora
