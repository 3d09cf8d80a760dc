// PDN: games of every variant written and read back move for move, the
// files other programs write, the result and the capture paths written,
// and malformed files refused with the line and what was expected.

#include "core/records/pdn.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "core/game/game_state.h"
#include "core/game/load_game.h"
#include "core/platform/text.h"
#include "core/platform/translation.h"
#include "core/records/fen.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/records/pdn_board.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "support/test_support.h"

namespace velmora {
namespace {

// The position becomes the game's start, as a pasted position does.
void startHere(GameState& s) {
  s.start.custom = 1;
  s.start.side = s.sideToMove();
  std::memcpy(s.start.board, s.board, sizeof s.board);
  s.plyCount = 0;
}

std::unique_ptr<GameState> randomGame(GameType type, unsigned seed, int plies, bool customStart) {
  std::mt19937 random(seed);
  auto s = test::startPosition(type);
  std::snprintf(s->players[White].name, sizeof s->players[White].name, "Ann \"A\"");
  std::snprintf(s->players[Black].name, sizeof s->players[Black].name, "Bob");
  for (int ply = 0; ply < plies; ++ply) {
    if (customStart && ply == 7) startHere(*s);  // Black to move
    generateMoves(s->legalMoves, *s, s->sideToMove());
    if (s->moveCount == 0) break;
    applyMove(s->legalMoves[random() % static_cast<unsigned>(s->moveCount)], s->gameRecord[s->plyCount], *s);
    ++s->plyCount;
  }
  return s;
}

std::unique_ptr<GameState> readBack(const std::string& text, GameType fallback = International) {
  std::vector<PdnGame> games;
  const auto error = parsePdn(text, games);
  EXPECT_FALSE(error) << error.value_or("");
  EXPECT_EQ(games.size(), 1u);
  auto s = std::make_unique<GameState>();
  if (games.empty()) return s;
  const auto readError = readPdnGame(games[0], *s, fallback);
  EXPECT_FALSE(readError) << readError.value_or("") << "\n" << text;
  return s;
}

std::string readError(const std::string& text, GameType fallback = International) {
  std::vector<PdnGame> games;
  if (auto error = parsePdn(text, games)) return *error;
  auto s = std::make_unique<GameState>();
  for (const PdnGame& g : games)
    if (auto error = readPdnGame(g, *s, fallback)) return *error;
  return "";
}

std::vector<std::string> moveTexts(const GameState& s) {
  std::vector<std::string> texts;
  for (int i = 0; i < s.plyCount; ++i) texts.push_back(formatMove(s, i));
  return texts;
}

TEST(Pdn, EveryVariantReadsBackMoveForMove) {
  for (GameType type = 0; type < kVariantCount; ++type)
    for (bool custom : {false, true}) {
      const auto game = randomGame(type, 100u + static_cast<unsigned>(type), 160, custom);
      const std::string text = writePdn(*game, game->plyCount);
      const auto back = readBack(text);
      SCOPED_TRACE(text);
      EXPECT_EQ(back->gameType, type);
      EXPECT_EQ(back->start.custom, game->start.custom);
      EXPECT_EQ(back->start.side, game->start.side);
      ASSERT_EQ(moveTexts(*back), moveTexts(*game));
      for (int i = 0; i < game->plyCount; ++i)  // captured pieces and promotions too
        ASSERT_EQ(std::memcmp(&back->gameRecord[i], &game->gameRecord[i], usedBytes(game->gameRecord[i])), 0);
      EXPECT_EQ(writePosition(*back), writePosition(*game));
      EXPECT_STREQ(back->players[White].name, "Ann \"A\"");
      EXPECT_STREQ(back->players[Black].name, "Bob");
    }
}

TEST(Pdn, WrittenTagsAndMovetext) {
  auto s = test::startPosition(American);
  std::snprintf(s->players[White].name, sizeof s->players[White].name, "Ann");
  for (const char* move : {"c3-d4", "f6-e5", "d4:f6", "g7:e5"}) ASSERT_TRUE(playMoveText(*s, move));
  PdnTags tags;
  tags.date = "2024.05.01";
  // Our White moves first and is PDN's Black; the classic 11-15 22-18 opening.
  EXPECT_EQ(writePdn(*s, s->plyCount, tags),
            "[Event \"?\"]\r\n[Site \"?\"]\r\n[Date \"2024.05.01\"]\r\n[Round \"?\"]\r\n[White \"?\"]\r\n"
            "[Black \"Ann\"]\r\n[Result \"*\"]\r\n[GameType \"21,B,8,8,N1,0\"]\r\n\r\n"
            "1. 11-15 22-18 2. 15x22 25x18 *\r\n");

  s = test::startPosition(Russian);
  for (const char* move : {"c3-d4", "f6-e5", "d4:f6"}) ASSERT_TRUE(playMoveText(*s, move));
  EXPECT_NE(writePdn(*s, 3).find("\r\n\r\n1. c3-d4 f6-e5 2. d4:f6 *\r\n"), std::string::npos);

  s = test::startPosition(Crowded);
  const std::string crowded = writePdn(*s, 0);
  EXPECT_NE(crowded.find("[GameType \"21,W,10,10,N2,0\"]\r\n[Variant \"Crowded\"]\r\n"), std::string::npos);
  EXPECT_EQ(readBack(crowded)->gameType, Crowded);
  EXPECT_EQ(writePdn(*test::startPosition(International), 0).find("FEN"), std::string::npos);
}

// Other programs recognise a variant by these tags, so each is pinned as
// they write it: code, first mover, size, numbering corner, mirroring.
TEST(Pdn, GameTypeTagOfEveryVariant) {
  const char* const expected[kVariantCount] = {"21,B,8,8,N1,0",   "26,W,8,8,A0,0", "27,W,12,12,N2,0", "21,W,10,10,N2,0",
                                               "40,W,10,10,N2,0", "30,W,8,8,A0,0", "20,W,10,10,N2,0", "22,W,8,8,N2,1",
                                               "23,W,8,8,A0,0",   "25,W,8,8,A0,0", "24,W,8,8,N1,1",   "21,W,10,10,N2,0",
                                               "31,B,8,8,N2,0",   "30,W,8,8,A0,0"};
  for (GameType type = 0; type < kVariantCount; ++type) EXPECT_EQ(pdnGameTypeTag(type), expected[type]) << type;
}

TEST(Pdn, ResultIsTheGamesOwnInPdnColours) {
  // Our Black (PDN's White in American) has no piece left after the capture.
  auto s = test::position(American, "W:......../......../......../......../......../..b...../.w....../........");
  startHere(*s);
  ASSERT_TRUE(playMoveText(*s, "b2:d4"));
  const std::string text = writePdn(*s, 1);
  EXPECT_NE(text.find("[Result \"0-1\"]"), std::string::npos);  // PDN's Black, our White, won
  EXPECT_NE(text.find("[FEN \"B:W11:B8\"]"), std::string::npos);
  EXPECT_NE(text.find("1. 8x15 0-1\r\n"), std::string::npos);
  s->giveAway = 1;
  EXPECT_NE(writePdn(*s, 1).find("[Result \"1-0\"]"), std::string::npos);
  EXPECT_NE(writePdn(*s, 0).find("[Result \"*\"]"), std::string::npos);
}

TEST(Pdn, FullPathOnlyWhenTheCaptureIsOtherwiseAmbiguous) {
  // Two ways from c3 (11) to c7 (27): over b4 and b6, or over d4 and d6.
  auto s = test::position(American, "W:......../......../.b.b..../......../.b.b..../..w...../......../........");
  startHere(*s);
  ASSERT_TRUE(playMoveText(*s, "c3:e5:c7"));
  const std::string text = writePdn(*s, 1);
  EXPECT_NE(text.find("1. 11x18x27 "), std::string::npos) << text;
  EXPECT_EQ(moveTexts(*readBack(text)), moveTexts(*s));
  // The short form cannot say which.
  const std::string shortForm = "[GameType \"21\"][FEN \"B:W15,16,23,24:B11\"] 1. 11x27";
  EXPECT_EQ(readError(shortForm), "line 1: \"11x27\" could be more than one capture; expected its full path");
  // A capture alone by its ends is written by its ends.
  s = test::position(American, "W:......../......../......../......../......../......../.b....../w.......");
  startHere(*s);
  ASSERT_TRUE(playMoveText(*s, "a1:c3"));
  EXPECT_NE(writePdn(*s, 1).find("1. 4x11 "), std::string::npos);
}

TEST(Pdn, FilesInTheStylesOfOtherPrograms) {
  const std::string file =
      "\xEF\xBB\xBF[Event \"Club \\\"A\\\"\"]\r\n[White \"Zo\xEB\"]\r\n[Black \"Kim\"]\r\n[Date \"2023.01.02\"]\r\n"
      "[GameType \"20\"]\r\n\r\n"
      "1. 32-28 {the usual} 19-23 2. 28x19! 14x23 $1 (2... 13x24 3. 34-29) ; a line comment (\r\n"
      "3.33-28 ?! 3... 23x32?? 4. 37x28 1-1\r\n"
      "\r\n"
      "[Event \"Second\"]\r\n[GameType \"25\"]\r\n1. c3-d4 f6-e5 2. d4xf6 g7:e5 *\n"
      "[Black \"Only tags\"]\n%an escaped line\n[GameType \"21\"] 1. 11-15 22-18 2-0\n"
      "1. 11-15 0-2\n";
  std::vector<PdnGame> games;
  ASSERT_FALSE(parsePdn(file, games));
  ASSERT_EQ(games.size(), 4u);
  EXPECT_EQ(games[0].summary(), "Zo\u00EB \u2013 Kim, Club \"A\", 2023.01.02");
  EXPECT_EQ(games[1].summary(), "? \u2013 ?, Second");
  EXPECT_EQ(games[0].line, 1);
  EXPECT_EQ(games[1].line, 10);
  EXPECT_EQ(games[3].tags.size(), 0u);
  auto s = std::make_unique<GameState>();
  ASSERT_FALSE(readPdnGame(games[0], *s));
  EXPECT_EQ(s->plyCount, 7);
  EXPECT_EQ(formatMove(*s, 0), "d4-e5");  // 32-28
  EXPECT_STREQ(s->players[White].name, "Zo\u00EB");
  ASSERT_FALSE(readPdnGame(games[1], *s));
  EXPECT_EQ(moveTexts(*s), (std::vector<std::string>{"c3-d4", "f6-e5", "d4:f6", "g7:e5"}));
  ASSERT_FALSE(readPdnGame(games[2], *s));
  EXPECT_EQ(s->gameType, American);
  EXPECT_STREQ(s->players[White].name, "Only tags");  // PDN's Black is our White in American
  EXPECT_EQ(moveTexts(*s), (std::vector<std::string>{"c3-d4", "f6-e5"}));
  ASSERT_FALSE(readPdnGame(games[3], *s, American));  // no GameType: the caller's variant
  EXPECT_EQ(moveTexts(*s), (std::vector<std::string>{"c3-d4"}));
}

TEST(Pdn, MalformedFilesNameTheLineAndWhatWasExpected) {
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"[Event \"x\"]\n1. 32-28 {open", "line 2: the comment begun by \"{\" is not closed by \"}\""},
      {"1. 32-28\n(19-23 (18-22)\n", "line 2: the variation begun by \"(\" is not closed by \")\""},
      {"[Event x]", "line 1: expected the value of tag Event in quotes"},
      {"[\"x\"]", "line 1: expected a tag name after \"[\", as in [Event \"...\"]"},
      {"[Event \"x\n\"]", "line 1: the value of tag Event is not closed by a quote"},
      {"[Event \"x\" 1. 32-28", "line 1: expected \"]\" to close tag Event"},
      {"\n\n1. 32-28 castles", "line 3: expected a move, a move number or a result, found \"castles\""},
      {"1. 32-28 )", "line 1: unexpected \")\""},
      {"1. 32-28\n2. 28-23", "line 2: \"28-23\" is not a legal move of Black here"},
      {"1. 32-60", "line 1: expected a square number from 1 to 50 in move \"32-60\", found \"60\""},
      {"[GameType \"99\"]", "line 1: GameType \"99\" is not a variant this program plays"},
      {"[FEN \"W:W1:B1\"]", "line 1: FEN, field 3: square 1 is given twice"},
      {"[GameType \"21\"]\n1. 22-18", "line 2: \"22-18\" is not a legal move of Black here"},
  };
  for (const Case& c : cases) EXPECT_EQ(readError(c.text), c.message) << c.text;
}

TEST(Pdn, TakingOverAGameOrKeepingTheOneOnTheBoard) {
  auto game = test::startPosition(Russian);
  ASSERT_TRUE(playMoveText(*game, "c3-d4"));
  MoveListing listing;
  refreshListing(listing, *game, game->plyCount);
  std::vector<PdnGame> games;
  ASSERT_FALSE(parsePdn("[GameType \"20\"] 1. 32-28 2. 28-22", games));
  EXPECT_EQ(takeOverPdnGame(*game, listing, games[0]).value_or(""),
            "line 1: \"28-22\" is not a legal move of Black here");
  EXPECT_EQ(game->gameType, Russian);
  EXPECT_EQ(listing.lines.size(), 2u);

  ASSERT_FALSE(parsePdn("[GameType \"20\"][White \"Computer\"][FEN \"B:W28:B19\"] 1... 19-23 2. 28x19", games));
  ASSERT_FALSE(takeOverPdnGame(*game, listing, games[0]));
  EXPECT_EQ(game->gameType, International);
  EXPECT_EQ(game->start.side, Black);
  EXPECT_EQ(game->players[White].type, ComputerPlayer);
  EXPECT_EQ(listing.lines, (std::vector<std::string>{" 0.", " 1. ... g7-f6", " 2. e5:g7"}));
  EXPECT_EQ(game->gameRunning, 0);  // Black has no piece left: the game is over
}

// The window shows why a PDN file or a FEN does not read in the player's
// language: every part of the message goes through the translator.
TEST(Pdn, EveryPartOfAMessageIsTranslated) {
  setTranslator([](const char* english) { return "<" + std::string(english) + ">"; });
  std::vector<PdnGame> games;
  ASSERT_FALSE(parsePdn("[GameType \"20\"] 1. 32-28 2. 28-22", games));
  auto state = std::make_unique<GameState>();
  EXPECT_EQ(readPdnGame(games.front(), *state), "<line 1>: <\"28-22\" is not a legal move of Black here>");
  EXPECT_EQ(parsePdn("[Event \"x", games), "<line 1>: <the value of tag Event is not closed by a quote>");
  EXPECT_EQ(readFen("W:W51", International, *state),
            "<FEN, field 2: <expected <a square number from 1 to 50>, found \"51\">>");
  setTranslator(nullptr);
  EXPECT_EQ(readFen("W:W51", International, *state),
            "FEN, field 2: expected a square number from 1 to 50, found \"51\"");
}

TEST(Pdn, APlayerTagEndsAtAZeroByteBeforeItIsReadAsUnknownOrTheComputer) {
  const char raw[] = "[GameType \"20\"][White \"?\0x\"][Black \"Computer\0x\"] *";
  const std::string text(raw, sizeof raw - 1);
  auto s = readBack(text);
  EXPECT_STREQ(s->players[White].name, "");
  EXPECT_EQ(s->players[White].type, HumanPlayer);
  EXPECT_STREQ(s->players[Black].name, "Computer");
  EXPECT_EQ(s->players[Black].type, ComputerPlayer);
  auto again = readBack(writePdn(*s, s->plyCount));  // and it reads back as written
  for (int side : {White, Black}) {
    EXPECT_STREQ(again->players[side].name, s->players[side].name);
    EXPECT_EQ(again->players[side].type, s->players[side].type);
  }
}

TEST(Pdn, ReadingStopsAtTheGamesWantedAndKeepsAGameToItsLimits) {
  std::vector<PdnGame> games;
  bool more = true;
  // Reading stops once a third game is there, before the fourth is refused.
  ASSERT_FALSE(parsePdn("* [Event \"b\"] * [Event \"c\"] * 1. castles", games, 2, &more));
  EXPECT_EQ(games.size(), 2u);
  EXPECT_TRUE(more);
  ASSERT_FALSE(parsePdn("* [Event \"b\"] *", games, 2, &more));
  EXPECT_FALSE(more);
  EXPECT_EQ(parsePdn("* [Event \"b\"] * [Event \"c\"] * 1. castles", games, 3, &more).value_or(""),
            "line 1: expected a move, a move number or a result, found \"castles\"");
  EXPECT_TRUE(games.empty());

  // A million empty games are handed over one by one, none kept.
  std::string empties;
  for (int i = 0; i < 1'000'000; ++i) empties += "*\n";
  size_t seen = 0;
  ASSERT_FALSE(parsePdn(empties, [&](PdnGame& game) { return ++seen, game.moves.empty(); }));
  EXPECT_EQ(seen, 1'000'000u);

  // Moves beyond the limit are not kept; the one past it is refused.
  std::string shuffle = "[GameType \"20\"][FEN \"W:WK47:BK4\"]";
  const char* const shuffles[] = {" 47-42", " 4-9", " 42-47", " 9-4"};
  for (int i = 0; i < 5000; ++i) shuffle += shuffles[i % 4];
  ASSERT_FALSE(parsePdn(shuffle, games));
  ASSERT_EQ(games.size(), 1u);
  EXPECT_EQ(games[0].moves.size(), static_cast<size_t>(kMaxGameMoves) + 1);
  EXPECT_EQ(readError(shuffle), "line 1: a game holds at most 400 moves");

  std::string tags;
  for (size_t i = 0; i <= kMaxPdnTags; ++i) tags += "[Event \"x\"]\n";
  EXPECT_EQ(readError(tags), "line 101: a game has more than 100 tags");
}

TEST(Pdn, MessagesQuoteOnlyTheStartOfAHugeToken) {
  const std::string huge(1'000'000, '7');
  for (const std::string& text : {"1. " + huge + "-1", "1. 32-28 " + std::string(100'000, 'q'),
                                  "[GameType \"" + huge + "\"]", "[FEN \"" + huge + "\"]", "[" + huge + " x]"}) {
    const std::string message = readError(text);
    EXPECT_FALSE(message.empty());
    EXPECT_LT(message.size(), 200u) << message.substr(0, 300);
  }
  EXPECT_EQ(readError("1. 32-28 " + std::string(50, 'q')),
            "line 1: expected a move, a move number or a result, found \"" + std::string(kQuotedBytes, 'q') + "...\"");
}

TEST(Pdn, OnlyARegularFileOfBoundedSizeIsRead) {
  const test::WorkDir work;
  const std::string& folder = work.path;
  std::string text = "left over";
  EXPECT_EQ(readPdnFile(folder, text).value_or(""), folder + " is a directory, not a regular file");
  EXPECT_EQ(text, "");
  EXPECT_EQ(readPdnFile("/dev/zero", text).value_or(""), "/dev/zero is a character device, not a regular file");
  EXPECT_EQ(readPdnFile(folder + "/none.pdn", text).value_or(""), "no such file: " + folder + "/none.pdn");
  const std::string large = folder + "/large.pdn";
  std::ofstream(large) << "*";
  std::filesystem::resize_file(large, kMaxPdnFileBytes + 1);  // sparse: no time to write
  EXPECT_EQ(readPdnFile(large, text).value_or(""), large + " is larger than 64 MiB");
  std::filesystem::resize_file(large, 2);
  EXPECT_FALSE(readPdnFile(large, text));
  EXPECT_EQ(text, std::string("*\0", 2));
}

}  // namespace
}  // namespace velmora
