// Players' names from every source lose their control characters before
// they are kept, and the saved-game and settings writers never break a
// value over two lines: a name must not add lines to a file or a header.

#include "core/platform/player_name.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "core/game/game_state.h"
#include "core/game/new_game.h"
#include "core/game/settings.h"
#include "core/net/connection_setup.h"
#include "core/net/protocol.h"
#include "core/platform/profile.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/records/pdn.h"
#include "core/records/saved_game.h"
#include "support/test_support.h"

namespace velmora {
namespace {

// The name a hostile peer sends to push a section of its own into a saved game.
const char kInjected[] = "Eve\r\n[MOVEMENTS]";
const char kKept[] = "Eve  [MOVEMENTS]";

std::unique_ptr<GameState> fourMoves() {
  auto game = test::startPosition(Russian);
  for (const char* move : {"c3-d4", "f6-e5", "d4:f6", "g7:e5"}) EXPECT_TRUE(playMoveText(*game, move));
  return game;
}

TEST(PlayerName, ControlCharactersBecomeSpacesAndTheLimitHolds) {
  EXPECT_EQ(playerNameFrom(kInjected), kKept);
  EXPECT_EQ(playerNameFrom("a\tb\001c\177d"), "a b c d");
  EXPECT_EQ(playerNameFrom("a\302\205b"), "a b");               // NEL, a C1 line break
  EXPECT_EQ(playerNameFrom("Jos\xe9"), "Jos\xc3\xa9");          // Windows-1252
  EXPECT_EQ(playerNameFrom("Zo\xc3\xab"), "Zo\xc3\xab");        // UTF-8 kept
  EXPECT_EQ(playerNameFrom(std::string(60, 'x')).size(), 49u);  // kMaxNameLength
}

TEST(PlayerName, EveryEntryPointDropsTheLineBreaks) {
  // From a network peer, as the client's name and in the server's header.
  EXPECT_EQ(peerName(kInjected), kKept);
  EXPECT_EQ(readHeader("0\r\n1\r\nEve\013X\r\n0\r\n0\r\n0\r\n")->serverName, "Eve X");
  EXPECT_EQ(networkName(kInjected), kKept);

  // From a PDN tag.
  std::vector<PdnGame> games;
  ASSERT_FALSE(parsePdn("[GameType \"21\"][White \"Eve\x01\tX\"] 1. 11-15 *", games));
  auto fromPdn = std::make_unique<GameState>();
  ASSERT_FALSE(readPdnGame(games.front(), *fromPdn));
  EXPECT_STREQ(fromPdn->players[Black].name, "Eve  X");

  // From a saved game and from the settings.
  auto fromSaved = std::make_unique<GameState>();
  loadGameText(*fromSaved, "[HEADER]\r\nPLAYER 1 NAME = Eve\x01X\r\n");
  EXPECT_STREQ(fromSaved->players[White].name, "Eve X");
  loadSettingsFrom(Profile::fromText("[LAST GAME]\nPLAYER 1 NAME = A\002B\n[NET]\nNAME = C\003D\n"), "anna");
  EXPECT_EQ(lastGame.player1Name, "A B");
  EXPECT_EQ(netSettings.name, "C D");

  // Typed into the New game dialog.
  auto game = std::make_unique<GameState>();
  MoveListing listing;
  NewGameChoice choice;
  choice.name[White] = kInjected;
  choice.name[Black] = "Bob";
  choice.type[Black] = ChooseHuman;
  startNewGame(*game, listing, choice);
  EXPECT_STREQ(game->players[White].name, kKept);
  EXPECT_EQ(lastGame.player1Name, kKept);
  lastGame = {};
  netSettings = {};
}

// One limit: a long name keeps the same 49 bytes, cut before a character
// that would not fit whole, whether it was typed or came over the network,
// from PDN, a saved game or the settings.
TEST(PlayerName, EveryEntryPointKeepsTheSameBytes) {
  std::string plain(60, 'x'), accents;
  for (int i = 0; i < 30; ++i) accents += "\xc3\xa9";  // 60 bytes of "é"
  for (const std::string& name : {plain, accents}) {
    const std::string kept = name.substr(0, name == plain ? 49 : 48);
    SCOPED_TRACE(kept);
    EXPECT_EQ(peerName(name), kept);
    EXPECT_EQ(readHeader("0\r\n1\r\n" + name + "\r\n0\r\n0\r\n0\r\n")->serverName, kept);
    EXPECT_EQ(networkName(name), kept);

    std::vector<PdnGame> games;
    ASSERT_FALSE(parsePdn("[GameType \"21\"][White \"" + name + "\"] 1. 11-15 *", games));
    auto fromPdn = std::make_unique<GameState>();
    ASSERT_FALSE(readPdnGame(games.front(), *fromPdn));
    EXPECT_EQ(fromPdn->players[Black].name, kept);

    auto fromSaved = std::make_unique<GameState>();
    loadGameText(*fromSaved, "[HEADER]\r\nPLAYER 1 NAME = " + name + "\r\n");
    EXPECT_EQ(fromSaved->players[White].name, kept);
    loadSettingsFrom(Profile::fromText("[LAST GAME]\nPLAYER 1 NAME = " + name + "\n[NET]\nNAME = " + name + "\n"),
                     "anna");
    EXPECT_EQ(lastGame.player1Name, kept);
    EXPECT_EQ(netSettings.name, kept);

    auto game = std::make_unique<GameState>();
    MoveListing listing;
    NewGameChoice choice;
    choice.name[White] = name;
    choice.name[Black] = "Bob";
    choice.type[Black] = ChooseHuman;
    startNewGame(*game, listing, choice);
    EXPECT_EQ(game->players[White].name, kept);
  }
  lastGame = {};
  netSettings = {};
}

TEST(PlayerName, ALineBreakInAValueNeverCostsTheSavedGameItsMoves) {
  // Whatever reached the record, the writer keeps each value on its line.
  auto game = fourMoves();
  std::snprintf(game->players[Black].name, sizeof game->players[Black].name, "%s", kInjected);
  const std::string text = savedGameText(*game, 4);
  EXPECT_EQ(text.find("\n[MOVEMENTS]"), text.rfind("\n[MOVEMENTS]")) << text;
  auto back = std::make_unique<GameState>();
  loadGameText(*back, text);
  EXPECT_EQ(back->plyCount, 4);
  EXPECT_STREQ(back->players[Black].name, kKept);

  lastGame.player1Name = kInjected;
  const std::string settings = settingsText();
  EXPECT_NE(settings.find(std::string("PLAYER 1 NAME = ") + kKept + "\r\n"), std::string::npos) << settings;
  lastGame = {};
}

}  // namespace
}  // namespace velmora
