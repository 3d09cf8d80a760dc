// Saved games: the exact text written, reading it back in every variant,
// the reading rules and damaged files, the Save folder, and taking a loaded
// game over.

#include "core/records/saved_game.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/game/load_game.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "support/fake_host.h"
#include "support/test_support.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

const char kExample[] =
    "[HEADER]\r\nAI LEVEL = 1\r\nGAME TYPE = Russian\r\nGIVE AWAY = NO\r\nPLAYER 1 NAME = Guest\r\n"
    "PLAYER 1 TIME = 37\r\nPLAYER 2 NAME = Computer\r\nPLAYER 2 TIME = 0\r\n\r\n[MOVEMENTS]\r\n"
    "NUMBER 0 = c3-d4\r\nNUMBER 1 = f6-e5\r\nNUMBER 2 = d4:f6\r\nNUMBER 3 = g7:e5\r\n";

void setPlayer(GameState& s, int side, PlayerType type, const char* name, int clock) {
  s.players[side].type = type;
  std::snprintf(s.players[side].name, sizeof s.players[side].name, "%s", name);
  s.players[side].clockSeconds = clock;
}

std::unique_ptr<GameState> loaded(const std::string& text, int searchDepth = 2) {
  auto s = std::make_unique<GameState>();
  s->searchDepth = searchDepth;
  loadGameText(*s, text);
  return s;
}

void writeFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A fresh, empty folder standing for the working directory.
struct WorkDir {
  fs::path path;
  WorkDir() {
    std::string pattern = (fs::temp_directory_path() / "velmora-saved-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~WorkDir() { fs::remove_all(path); }
  std::string str() const { return path.string(); }
};

TEST(SavedGame, ExampleIsWrittenByteForByteAndLoadsToItsPosition) {
  auto game = test::startPosition(Russian);
  for (const char* move : {"c3-d4", "f6-e5", "d4:f6", "g7:e5"}) ASSERT_TRUE(playMoveText(*game, move));
  setPlayer(*game, White, HumanPlayer, "Guest", 37);
  setPlayer(*game, Black, ComputerPlayer, "Computer", 0);
  game->searchDepth = 3;
  EXPECT_EQ(savedGameText(*game, 4), kExample);

  const auto s = loaded(kExample);
  EXPECT_EQ(s->gameType, Russian);
  EXPECT_EQ(s->plyCount, 4);
  EXPECT_EQ(s->searchDepth, 3);
  EXPECT_EQ(s->giveAway, 0);
  EXPECT_STREQ(s->players[White].name, "Guest");
  EXPECT_EQ(s->players[White].type, HumanPlayer);
  EXPECT_EQ(s->players[White].clockSeconds, 37);
  EXPECT_EQ(s->players[Black].type, ComputerPlayer);
  EXPECT_EQ(writePosition(*s), "W:.b.b.b.b/b.b.b.../.b.b...b/....b.../......../w...w.w./.w.w.w.w/w.w.w.w.");
}

TEST(SavedGame, EveryVariantReadsBackItsGame) {
  int captures = 0, promotions = 0;
  unsigned seed = 12345;
  for (GameType type = 0; type < kVariantCount; ++type) {
    auto game = test::startPosition(type);
    for (int ply = 0; ply < 200; ++ply) {
      generateMoves(game->legalMoves, *game, game->sideToMove());
      if (game->moveCount == 0) break;
      seed = seed * 1103515245 + 12345;
      const MoveRecord& m = game->legalMoves[(seed >> 16) % static_cast<unsigned>(game->moveCount)];
      captures += m.captureCount > 0;
      promotions += m.pieceKind != m.finalStep().kindAfter;
      applyMove(m, game->gameRecord[game->plyCount], *game);
      ++game->plyCount;
    }
    setPlayer(*game, White, type % 2 ? ComputerPlayer : HumanPlayer, type % 2 ? "Computer" : "Anna", type * 7);
    setPlayer(*game, Black, HumanPlayer, "Bert", 3);
    game->searchDepth = 2 + type % 3;
    game->giveAway = type % 3 == 0;

    const std::string text = savedGameText(*game, game->plyCount);
    const auto s = loaded(text, 9);
    EXPECT_EQ(s->plyCount, game->plyCount) << gameTypeName(type);
    EXPECT_EQ(writePosition(*s), writePosition(*game)) << gameTypeName(type);
    EXPECT_EQ(s->searchDepth, type % 2 ? game->searchDepth : 9) << gameTypeName(type);
    EXPECT_EQ(savedGameText(*s, s->plyCount), text) << gameTypeName(type);
  }
  EXPECT_GT(captures, 100);
  EXPECT_GT(promotions, 5);
}

TEST(SavedGame, QuotedOrSpacedNamesReadBackTheSame) {
  for (const char* name : {"'Ann'", "\"\"", " Bert", "Cleo ", "''''"}) {
    auto game = std::make_unique<GameState>();
    loadGameText(*game, "[HEADER]\r\nGAME TYPE = Russian\r\n");
    std::snprintf(game->players[White].name, sizeof game->players[White].name, "%s", name);
    const std::string text = savedGameText(*game, 0);
    auto again = std::make_unique<GameState>();
    loadGameText(*again, text);
    EXPECT_STREQ(again->players[White].name, name) << text;
    EXPECT_EQ(savedGameText(*again, 0), text);
  }
}

TEST(SavedGame, GameWithoutMovesBetweenHumans) {
  auto game = test::startPosition(Frisian);
  setPlayer(*game, White, HumanPlayer, "Anna", 0);
  setPlayer(*game, Black, HumanPlayer, "Bert", 0);
  game->giveAway = 1;
  const std::string text = savedGameText(*game, 0);
  EXPECT_EQ(text,
            "[HEADER]\r\nGAME TYPE = Frisian\r\nGIVE AWAY = YES\r\nPLAYER 1 NAME = Anna\r\nPLAYER 1 TIME = 0\r\n"
            "PLAYER 2 NAME = Bert\r\nPLAYER 2 TIME = 0\r\n\r\n[MOVEMENTS]\r\n");
  const auto s = loaded(text, 4);
  EXPECT_EQ(s->searchDepth, 4);  // no computer: the level stays as it was
  EXPECT_EQ(s->giveAway, 1);
  EXPECT_EQ(s->boardSize, 10);
  EXPECT_EQ(writePosition(*s), writePosition(*test::startPosition(Frisian)));
}

TEST(SavedGame, ReadingRules) {
  // Names and values in any case and spacing, LF-only line ends.
  auto s = loaded(
      "  [ header ]\n  ai level   =   2  \n game type=Italian\nplayer 2 name =  Computer  \n"
      "give away = YES\n[movements]\nnumber 0 =  c3-d4 \n");
  EXPECT_EQ(s->gameType, Italian);
  EXPECT_EQ(s->searchDepth, 4);
  EXPECT_EQ(s->players[Black].type, ComputerPlayer);
  EXPECT_EQ(s->giveAway, 1);
  EXPECT_EQ(s->plyCount, 1);

  // Variant names match exactly; every missing key has its default.
  s = loaded("[HEADER]\nGAME TYPE = russian\nGIVE AWAY = yes\n", 3);
  EXPECT_EQ(s->gameType, American);
  EXPECT_EQ(s->giveAway, 0);
  EXPECT_STREQ(s->players[White].name, "PLAYER 1");
  EXPECT_STREQ(s->players[Black].name, "PLAYER 2");
  EXPECT_EQ(s->players[Black].type, HumanPlayer);
  EXPECT_EQ(s->searchDepth, 3);
  EXPECT_EQ(loaded("")->gameType, American);

  // The level is clamped, and read only when a player is the computer.
  EXPECT_EQ(loaded("[HEADER]\nAI LEVEL = 7\nPLAYER 1 NAME = Computer\n")->searchDepth, 4);
  EXPECT_EQ(loaded("[HEADER]\nAI LEVEL = -3\nPLAYER 1 NAME = Computer\n")->searchDepth, 2);
  EXPECT_EQ(loaded("[HEADER]\nPLAYER 1 NAME = Computer\n")->searchDepth, 3);
  EXPECT_EQ(loaded("[HEADER]\nAI LEVEL = 0\nPLAYER 1 NAME = computer\n", 4)->searchDepth, 4);
  // The file knows no Expert: a state that had it plays the saved level.
  auto expertState = std::make_unique<GameState>();
  expertState->expertMoveTimeMs = 1000;
  loadGameText(*expertState, "[HEADER]\nAI LEVEL = 1\nPLAYER 1 NAME = Computer\n");
  EXPECT_EQ(expertState->expertMoveTimeMs, 0);
  EXPECT_EQ(expertState->searchDepth, 3);

  // Values are cut to 49 characters.
  const std::string sixty(60, 'n');
  s = loaded("[HEADER]\nPLAYER 1 NAME = " + sixty + "\n");
  EXPECT_EQ(std::string(s->players[White].name), sixty.substr(0, 49));
  // A name another copy wrote in Windows-1252 reads as UTF-8.
  EXPECT_STREQ(loaded("[HEADER]\nPLAYER 2 NAME = J\xF6rg\n")->players[Black].name, "J\xC3\xB6rg");

  // A key outside its section is not read.
  s = loaded("[HEADER]\nNUMBER 0 = c3-d4\n[MOVEMENTS]\nGAME TYPE = Russian\n");
  EXPECT_EQ(s->gameType, American);
  EXPECT_EQ(s->plyCount, 0);
}

TEST(SavedGame, MovesStopAtTheFirstGapShortTextOrIllegalMove) {
  EXPECT_EQ(loaded("[MOVEMENTS]\nNUMBER 0 = c3-d4\nNUMBER 2 = d4-c5\n")->plyCount, 1);
  EXPECT_EQ(loaded("[MOVEMENTS]\nNUMBER 0 = c3-d4\nNUMBER 1 = f6e5\nNUMBER 2 = d4-c5\n")->plyCount, 1);
  EXPECT_EQ(loaded("[MOVEMENTS]\nNUMBER 0 = c3-d4\nNUMBER 1 = EMPTY\n")->plyCount, 1);
  EXPECT_EQ(loaded("[MOVEMENTS]\nNUMBER 0 = c3-d4\nNUMBER 1 = d4-e5\nNUMBER 2 = f6-e5\n")->plyCount, 1);
  // A capture text longer than 49 characters is cut and no longer legal.
  const std::string longCapture = "a1" + std::string(20, ':') + "b2:c3:d4:e5:f6:g7:h8:a1:b2:c3:d4:e5:f6";
  ASSERT_GT(longCapture.size(), 49u);
  EXPECT_EQ(loaded("[MOVEMENTS]\nNUMBER 0 = c3-d4\nNUMBER 1 = " + longCapture + "\n")->plyCount, 1);
}

TEST(SavedGame, MoreThan400MovesLoadsTheFirst400) {
  // Turkish men move sideways: two of them can shuffle for ever.
  std::string text = "[HEADER]\nGAME TYPE = Turkish\n[MOVEMENTS]\nNUMBER 0 = a3-a4\nNUMBER 1 = h6-h5\n";
  const char* shuffle[4] = {"a4-b4", "h5-g5", "b4-a4", "g5-h5"};
  for (int k = 2; k < 410; ++k) text += "NUMBER " + std::to_string(k) + " = " + shuffle[(k - 2) % 4] + "\n";
  const auto s = loaded(text);
  EXPECT_EQ(s->plyCount, 400);
  EXPECT_EQ(formatMove(*s, 399), "h5-g5");
  EXPECT_EQ(s->board[3][1].kind, Man);  // b4 after the 399th move
  EXPECT_EQ(s->board[4][6].kind, Man);  // g5 after the 400th
}

TEST(SavedGame, DamagedFilesLoadDefaults) {
  std::string junk;
  for (int i = 0; i < 100000; ++i) junk += static_cast<char>((i * 7919) % 256);
  const std::string huge = "[HEADER]\nPLAYER 1 NAME = " + std::string(10 << 20, 'x') + "\n";
  for (const std::string& text : {junk, huge, std::string("GAME TYPE = Russian\nNUMBER 0 = c3-d4\n")}) {
    const auto s = loaded(text);
    EXPECT_EQ(s->gameType, American);
    EXPECT_EQ(s->plyCount, 0);
    EXPECT_EQ(s->players[Black].type, HumanPlayer);
  }
  WorkDir dir;
  const auto missing = std::make_unique<GameState>();
  loadGameFile(*missing, (dir.path / "missing.vlm").string());
  EXPECT_STREQ(missing->players[White].name, "PLAYER 1");
}

// The window reads a damaged file as its defaults; a reader that must say
// what is wrong (the command line) asks these two.
TEST(SavedGame, WhatIsWrongWithADamagedFileIsNamed) {
  std::string junk;
  for (int i = 0; i < 1000; ++i) junk += static_cast<char>((i * 7919) % 256);
  std::string utf16 = "\xff\xfe";
  for (const char c : std::string(kExample)) utf16 += {c, '\0'};
  EXPECT_EQ(notASavedGame(""), "the file is empty");
  EXPECT_EQ(notASavedGame(junk), "the file holds zero bytes: it is not a text file (or is UTF-16)");
  EXPECT_EQ(notASavedGame(utf16), "the file holds zero bytes: it is not a text file (or is UTF-16)");
  EXPECT_EQ(notASavedGame("GAME TYPE = Russian\nNUMBER 0 = c3-d4\n"), "no GAME TYPE in a [HEADER] section");
  EXPECT_EQ(notASavedGame("[HEADER]\nGAME TYPE = Chess\n"), "GAME TYPE \"Chess\" is not a variant this program plays");
  EXPECT_EQ(notASavedGame(kExample), std::nullopt);

  // A file cut off inside its last move, and one with a move missing.
  const std::string example = kExample;
  const std::string cut = example.substr(0, example.size() - 4);
  EXPECT_EQ(loaded(cut)->plyCount, 3);
  EXPECT_EQ(lostMoves(cut, 3), "move 4 \"g7:\" cannot be played: it and any moves after it were lost");
  const std::string gap = "[HEADER]\nGAME TYPE = Russian\n[MOVEMENTS]\nNUMBER 0 = c3-d4\nNUMBER 2 = d4:f6\n";
  EXPECT_EQ(lostMoves(gap, 1), "move 2 is missing: the moves after it were lost");
  EXPECT_EQ(lostMoves(kExample, 4), std::nullopt);
}

TEST(SavedGame, SaveCreatesTheFolderAsksBeforeReplacingAndReports) {
  WorkDir dir;
  test::FakeHost fake;
  auto game = test::startPosition(American);
  MoveListing listing;
  ASSERT_TRUE(playMoveText(*game, "c3-d4"));
  refreshListing(listing, *game, 1);
  setPlayer(*game, White, HumanPlayer, "Anna", 5);
  game->gameModified = 1;

  const std::string path = savedGamePath(dir.str(), "first");
  EXPECT_EQ(path, (dir.path / "SAVE" / "first.vlm").string());
  saveGameFile(*game, listing, path);
  EXPECT_EQ(fake.record().messages, (std::vector<std::string>{"Game saved."}));
  EXPECT_EQ(game->gameModified, 0);
  EXPECT_EQ(readFile(path), savedGameText(*game, 1));

  // An existing file: No leaves it alone and says nothing more.
  fake.record().messages.clear();
  ASSERT_TRUE(playMoveText(*game, "f6-e5"));
  refreshListing(listing, *game, 2);
  listing.selected = 0;  // every move is written, whatever line is shown
  game->gameModified = 1;
  saveGameFile(*game, listing, savedGamePath(dir.str(), "FIRST"));  // the same file
  EXPECT_EQ(fake.record().messages, (std::vector<std::string>{"File exist. Overwrite?"}));
  EXPECT_EQ(readFile(path), savedGameText(*game, 1));
  EXPECT_EQ(game->gameModified, 1);

  fake.record().answerYes = true;
  saveGameFile(*game, listing, savedGamePath(dir.str(), "FIRST"));
  EXPECT_EQ(readFile(path), savedGameText(*game, 2));
  EXPECT_EQ(fake.record().messages.back(), "Game saved.");
  EXPECT_EQ(listSavedGames(dir.str()), (std::vector<std::string>{"first.vlm"}));
}

TEST(SavedGame, FailedSaveSaysSoAndKeepsTheGameModified) {
  WorkDir dir;
  test::FakeHost fake;
  fake.record().answerYes = true;
  auto game = test::startPosition(American);
  MoveListing listing;
  resetListing(listing);
  game->gameModified = 1;
  writeFile(dir.path / "SAVE", "a file where the folder should be");
  saveGameFile(*game, listing, savedGamePath(dir.str(), "game"));
  EXPECT_EQ(fake.record().messages, (std::vector<std::string>{"Error save game."}));
  EXPECT_EQ(game->gameModified, 1);

  // A folder in the way of the file: the old entry stays, nothing half written.
  fs::remove(dir.path / "SAVE");
  fs::create_directories(dir.path / "SAVE" / "game.vlm");
  fake.record().messages.clear();
  saveGameFile(*game, listing, savedGamePath(dir.str(), "game"));
  EXPECT_EQ(fake.record().messages, (std::vector<std::string>{"File exist. Overwrite?", "Error save game."}));
  EXPECT_TRUE(fs::is_directory(dir.path / "SAVE" / "game.vlm"));
  EXPECT_FALSE(fs::exists(dir.path / "SAVE" / "game.vlm.new"));
}

TEST(SavedGame, FolderAndFilesAreFoundWithoutRegardToCase) {
  WorkDir dir;
  EXPECT_TRUE(listSavedGames(dir.str()).empty());
  fs::create_directory(dir.path / "save");
  for (const char* name : {"b.vlm", "A.VLM", "c.txt", "a.vlm.new", "Zeta.vlm"}) writeFile(dir.path / "save" / name, "");
  fs::create_directory(dir.path / "save" / "folder.vlm");
  EXPECT_EQ(savedGamesFolder(dir.str()), (dir.path / "save").string());
  EXPECT_EQ(listSavedGames(dir.str()), (std::vector<std::string>{"A.VLM", "b.vlm", "Zeta.vlm"}));
  EXPECT_EQ(savedGamePath(dir.str(), "a"), (dir.path / "save" / "A.VLM").string());
  EXPECT_EQ(savedGamePath(dir.str(), "new"), (dir.path / "save" / "new.vlm").string());
}

TEST(SavedGame, ProposedNameAndNameProblems) {
  auto game = test::startPosition(Russian);
  setPlayer(*game, White, HumanPlayer, "Guest", 0);
  setPlayer(*game, Black, ComputerPlayer, "Computer", 0);
  EXPECT_EQ(proposedSaveName(*game, "07.12.2026"), "[Guest]-[Computer]-[07_12_2026]-[RULES-Russian]");
  EXPECT_EQ(proposedSaveName(*game,
                             "7 d\xC3\xA9"
                             "c. 26"),
            "[Guest]-[Computer]-[7______26]-[RULES-Russian]");
  game->gameType = 20;
  EXPECT_EQ(proposedSaveName(*game, "1/2/26"), "[Guest]-[Computer]-[1_2_26]-[RULES-Unknown]");
  // The board before any game has no names: never "[]-[]".
  auto fresh = test::startPosition(Russian);
  EXPECT_EQ(proposedSaveName(*fresh, "1/2/26"), "[Player 1]-[Player 2]-[1_2_26]-[RULES-Russian]");

  EXPECT_EQ(saveNameProblem(""), "Please enter name");
  EXPECT_EQ(saveNameProblem("[Guest]-[Computer]-[07_12_2026]-[RULES-Russian]"), std::nullopt);
  for (const char* bad : {"a/b", "..\\x", "a:b", "what?", "tab\there"}) EXPECT_TRUE(saveNameProblem(bad)) << bad;
  EXPECT_TRUE(saveNameProblem(std::string(248, 'x')));
}

TEST(SavedGame, TakingOverALoadedGame) {
  auto game = test::startPosition(American);
  MoveListing listing;
  game->searchDepth = 2;

  // Russian, the computer (Black) to move: loaded, but nobody starts.
  auto s = loaded(std::string(kExample).substr(0, std::string(kExample).find("NUMBER 3")));
  takeOverLoadedGame(*game, listing, *s);
  EXPECT_EQ(game->gameType, Russian);
  EXPECT_EQ(game->plyCount, 3);
  EXPECT_EQ(game->searchDepth, 3);
  EXPECT_EQ(game->players[White].clockSeconds, 37);
  EXPECT_EQ(listing.lines, (std::vector<std::string>{" 0.", " 1. c3-d4", "        f6-e5", " 2. d4:f6"}));
  EXPECT_EQ(listing.selected, 3);
  EXPECT_EQ(writePosition(*game), writePosition(*s));
  EXPECT_EQ(game->gameRunning, 0);
  EXPECT_EQ(game->gameModified, 0);

  // The human to move: the game runs; between humans the level stays.
  s = loaded("[HEADER]\nGAME TYPE = International\n[MOVEMENTS]\nNUMBER 0 = b4-a5\n", 4);
  game->gameModified = 1;
  takeOverLoadedGame(*game, listing, *s);
  EXPECT_EQ(game->boardSize, 10);
  EXPECT_EQ(game->gameRunning, 1);
  EXPECT_EQ(game->gameModified, 0);
  EXPECT_EQ(game->searchDepth, 3);

  // Only a white man on the board: over when Black is to move.
  s = loaded("[HEADER]\nGAME TYPE = Russian\n[MOVEMENTS]\n");
  std::memset(s->board, 0, sizeof s->board);
  s->board[3][3] = {Man, White};
  takeOverLoadedGame(*game, listing, *s);
  EXPECT_EQ(game->gameRunning, 1);
  s->plyCount = 1;
  s->gameRecord[0] = {};
  takeOverLoadedGame(*game, listing, *s);
  EXPECT_EQ(game->gameRunning, 0);
}

}  // namespace
}  // namespace velmora
