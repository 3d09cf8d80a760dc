// A game by the federation's rules from the New game dialog to the file:
// started, remembered, saved, exported and read back as such, while classic
// games and settings are written as they always were, and network games
// stay classic.

#include <gtest/gtest.h>

#include <memory>

#include "core/game/game_state.h"
#include "core/game/new_game.h"
#include "core/game/settings.h"
#include "core/net/protocol.h"
#include "core/platform/profile.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/records/pdn.h"
#include "core/records/saved_game.h"

namespace velmora {
namespace {

struct OfficialGames : ::testing::Test {
  void TearDown() override { lastGame = {}; }

  std::unique_ptr<GameState> started(GameType type, bool official) {
    auto game = std::make_unique<GameState>();
    MoveListing listing;
    NewGameChoice choice;
    choice.gameType = type;
    choice.official = official;
    choice.name[White] = "Anna";
    startNewGame(*game, listing, choice);
    return game;
  }

  // Plays the moves, which must be legal by the game's rules.
  static void play(GameState& game, std::initializer_list<const char*> moves) {
    for (const char* move : moves) ASSERT_TRUE(playMoveText(game, move)) << move;
  }
};

TEST_F(OfficialGames, TheNewGameDialogsChoiceStartsAndIsRemembered) {
  EXPECT_EQ(started(Russian, true)->officialRules, 1);
  EXPECT_TRUE(lastGame.officialRules);
  EXPECT_TRUE(rememberedChoice().official);
  EXPECT_EQ(started(Russian, false)->officialRules, 0);
  EXPECT_FALSE(rememberedChoice().official);
  // A variant no federation plays otherwise keeps the classic rules, and
  // the choice stays for the next variant that has them.
  EXPECT_EQ(started(Turkish, true)->officialRules, 0);
  EXPECT_TRUE(rememberedChoice().official);
}

TEST_F(OfficialGames, TheSettingsKeepTheChoiceInASectionOfItsOwn) {
  lastGame.officialRules = false;
  const std::string classic = settingsText();
  EXPECT_EQ(classic.find("RULES"), std::string::npos);  // a file that never used it is as it was
  lastGame.officialRules = true;
  const std::string official = settingsText();
  EXPECT_NE(official.find("\r\n[RULES]\r\nOFFICIAL = YES\r\n"), std::string::npos);
  lastGame = {};
  loadSettingsFrom(Profile::fromText(official), "anna");
  EXPECT_TRUE(lastGame.officialRules);
  loadSettingsFrom(Profile::fromText(classic), "anna");
  EXPECT_FALSE(lastGame.officialRules);
}

TEST_F(OfficialGames, ASavedGameSaysItsRulesWhereOlderCopiesPassOver) {
  auto game = started(Russian, true);
  play(*game, {"c3-d4", "f6-g5", "g3-h4", "g7-f6", "d4-c5", "b6:d4"});
  const std::string text = savedGameText(*game, game->plyCount);
  EXPECT_NE(text.find("\r\n[RULES]\r\nOFFICIAL = YES\r\n\r\n[MOVEMENTS]\r\n"), std::string::npos);
  auto loaded = std::make_unique<GameState>();
  loadGameText(*loaded, text);
  EXPECT_EQ(loaded->officialRules, 1);
  EXPECT_EQ(loaded->plyCount, game->plyCount);

  auto classic = started(Russian, false);
  play(*classic, {"c3-d4"});
  EXPECT_EQ(savedGameText(*classic, 1).find("RULES"), std::string::npos);
  // A variant without a federation's rules reads as classic whatever the file says.
  loadGameText(*loaded, "[HEADER]\r\nGAME TYPE = Turkish\r\n[RULES]\r\nOFFICIAL = YES\r\n");
  EXPECT_EQ(loaded->officialRules, 0);
}

TEST_F(OfficialGames, PdnWritesTheFederationsGameTypeAndReadsItBack) {
  auto game = started(American, true);
  play(*game, {"c3-d4", "f6-e5", "d4:f6", "g7:e5"});
  const std::string text = writePdn(*game, game->plyCount);
  EXPECT_NE(text.find("[GameType \"21\"]\r\n"), std::string::npos) << text;
  std::vector<PdnGame> games;
  ASSERT_FALSE(parsePdn(text, games));
  auto read = std::make_unique<GameState>();
  ASSERT_FALSE(readPdnGame(games.front(), *read));
  EXPECT_EQ(read->officialRules, 1);
  EXPECT_EQ(read->plyCount, 4);

  // Our classic game's full GameType, and a variant without other rules.
  for (const char* tag : {"[GameType \"21,B,8,8,N1,0\"]", "[GameType \"31\"]"}) {
    ASSERT_FALSE(parsePdn(std::string(tag) + " *", games));
    ASSERT_FALSE(readPdnGame(games.front(), *read));
    EXPECT_EQ(read->officialRules, 0) << tag;
  }
}

TEST_F(OfficialGames, NetworkGamesStayClassic) {
  auto game = started(Russian, true);
  MoveListing listing;
  NetChoice choice;
  choice.gameType = Russian;
  choice.continueCurrent = true;
  prepareServerGame(*game, listing, choice, "Anna");
  EXPECT_EQ(game->officialRules, 0);
  EXPECT_EQ(game->plyCount, 0);  // not continued: its moves were by other rules
}

}  // namespace
}  // namespace velmora
