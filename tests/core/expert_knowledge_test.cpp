// What the Expert knows beside its search: the endgame databases it plays a
// won or lost ending by, and the opening book it plays the first moves from.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

#include "core/ai/endgame_build.h"
#include "core/ai/endgame_db.h"
#include "core/ai/engine.h"
#include "core/ai/opening_book.h"
#include "core/game/game_state.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "support/test_support.h"

namespace velmora {
namespace {

std::unique_ptr<EndgameDb<8>> threePieces(RuleFamily family) {
  auto db = std::make_unique<EndgameDb<8>>(family);
  for (const Material& m : endgameMaterials(3)) EXPECT_FALSE(buildEndgameTable(*db, m));
  return db;
}

// Plays the Expert's choices on both sides until the side to move has none;
// returns the plies played.
int playOut(GameState& game, Engine& engine, const EngineLimits& limits, int maxPlies) {
  for (int ply = 0; ply < maxPlies; ++ply) {
    engine.setPosition(game, game);
    const EngineResult r = engine.think(limits);
    if (r.rootIndex < 0) return ply;
    generateMoves(game.legalMoves, game, game.sideToMove());
    applyMove(game.legalMoves[r.rootIndex], game.gameRecord[game.plyCount], game);
    ++game.plyCount;
  }
  return maxPlies;
}

TEST(ExpertWithDatabases, PlaysAWonEndingToTheWinAsQuicklyAsTheDatabaseSaysBothSidesAtTheirBest) {
  const auto db = threePieces(RuleFamily::American);
  // Two kings against one, wherever they stand.
  for (const char* text : {"W:......../......../...B..../......../......../..W...../......../W.......",
                           "W:......../......../......../....B.../......../......../.W....../......W."}) {
    auto game = test::position(American, text);
    const auto known = db->probe(readBitBoard<8>(game->board), game->sideToMove());
    ASSERT_TRUE(known) << text;
    ASSERT_EQ(known->outcome, EndgameOutcome::Win) << text;
    Engine engine;
    engine.setEndgames(db.get(), nullptr);
    EngineLimits limits;
    limits.level = kExpertLevel;
    limits.maxDepth = 1;  // the databases alone must find the way
    const int plies = playOut(*game, engine, limits, 200);
    EXPECT_EQ(plies, known->plies) << text;
    EXPECT_EQ(game->sideToMove(), Black) << "the side left without a move is the loser: " << text;
  }
}

TEST(ExpertWithDatabases, ScoresTheDatabasePositionsItsSearchReachesAndOnlyOfTheirOwnRules) {
  auto db = threePieces(RuleFamily::American);
  // Four pieces; White's forced capture leaves three the databases know.
  const char* text = "W:.......B/......../......../..b...../...w..../......../......../W.......";
  auto game = test::position(American, text);
  auto after = test::position(American, "B:.......B/......../.w....../......../......../......../......../W.......");
  const auto known = db->probe(readBitBoard<8>(after->board), Black);
  ASSERT_TRUE(known);
  ASSERT_EQ(known->outcome, EndgameOutcome::Loss);
  Engine engine;
  EngineLimits limits;
  limits.level = kExpertLevel;
  limits.maxDepth = 5;
  engine.setEndgames(db.get(), nullptr);
  engine.setPosition(*game, *game);
  EXPECT_EQ(engine.think(limits).score, kExpertDatabaseWin - (1 + known->plies));

  // The same board by Russian rules is not these databases' game.
  auto russian = test::position(Russian, text);
  engine.setPosition(*russian, *russian);
  EXPECT_LT(engine.think(limits).score, kExpertDatabaseWin - 400);
}

TEST(OpeningBook, ReadsItsLinesAndRefusesOneThatDoesNotRead) {
  std::string error;
  const auto book = OpeningBook::read("# a comment\n\nW:x c3-d4 5 a3-b4 -2\r\n", &error);
  ASSERT_TRUE(book) << error;
  ASSERT_NE(book->find("W:x"), nullptr);
  EXPECT_EQ(book->find("W:x")->size(), 2u);
  EXPECT_EQ(book->text(), "W:x c3-d4 5 a3-b4 -2\n");

  for (const char* bad :
       {"W:x c3-d4\n", "W:x c3-d4 five\n", "W:x c3 4\n", "W:x z3-d4 1\n", "W:x c3-d4 99999999999\n"}) {
    EXPECT_FALSE(OpeningBook::read(std::string("W:y a1-b2 0\n") + bad, &error)) << bad;
    EXPECT_EQ(error.rfind("line 2 ", 0), 0u) << error;
  }
}

TEST(OpeningBook, DrawsOnlyAmongLegalMovesNearTheBestTheBetterMoreOften) {
  auto game = test::startPosition(American);
  const std::string start = positionText(game->board, game->boardSize, game->sideToMove());
  OpeningBook book;
  // e3-f4 is legal and best, c3-d4 close behind; g3-h4 too far behind; a5-b6
  // is no move here.
  book.add(start, {{"a5-b6", 40}, {"e3-f4", 10}, {"c3-d4", 5}, {"g3-h4", -20}});
  generateMoves(game->legalMoves, *game, game->sideToMove());
  std::map<std::string, int> drawn;
  for (int i = 0; i < 100; ++i) {
    const int index = bookChoice(book, *game, game->sideToMove(), i / 100.0);
    ASSERT_GE(index, 0);
    ++drawn[bookMoveText(game->legalMoves[index])];
  }
  EXPECT_EQ(drawn.size(), 2u);
  EXPECT_GT(drawn["e3-f4"], drawn["c3-d4"]);
  EXPECT_GT(drawn["c3-d4"], 0);
  // A position the book does not have.
  game->gameType = Russian;
  OpeningBook empty;
  EXPECT_EQ(bookChoice(empty, *game, game->sideToMove(), 0.5), -1);
}

// The books the program carries: each reads, and every move of every
// position is legal there, so a book made before a change of the rules or
// of the notation cannot pass unnoticed.
TEST(OpeningBook, EveryBuiltInBookReadsAndHoldsOnlyLegalMoves) {
  int books = 0;
  for (GameType type = 0; type < kVariantCount; ++type) {
    const OpeningBook* book = builtInBook(type);
    if (book == nullptr) continue;
    ++books;
    EXPECT_GT(book->size(), 0u);
    std::string text = book->text();
    std::size_t at = 0;
    while (at < text.size()) {
      const std::size_t end = text.find('\n', at);
      const std::string line = text.substr(at, end - at);
      at = end + 1;
      const std::string position = line.substr(0, line.find(' '));
      RecordedPosition state;
      ASSERT_FALSE(readPosition(position, type, state)) << position;
      generateMoves(state.legalMoves, state, state.sideToMove());
      std::set<std::string> legal;
      for (int i = 0; i < state.moveCount; ++i) legal.insert(bookMoveText(state.legalMoves[i]));
      for (const BookMove& m : *book->find(position))
        EXPECT_TRUE(legal.count(m.move)) << variantInfo(type).name << " " << position << " " << m.move;
    }
  }
  EXPECT_GE(books, 1);
}

TEST(OpeningBook, TheExpertPlaysFromItInAGameButNotInAnalysisNorByTheFederationsRules) {
  auto game = test::startPosition(American);
  Engine engine;
  EngineLimits limits;
  limits.level = kExpertLevel;
  limits.maxDepth = 4;
  limits.useBook = true;
  limits.bookRandom = 0.5;
  engine.setPosition(*game, *game);
  const EngineResult fromBook = engine.think(limits);
  ASSERT_EQ(fromBook.result, 1);
  EXPECT_EQ(fromBook.nodes, 0u);
  EXPECT_EQ(fromBook.pvLength, 1);

  limits.useBook = false;
  EXPECT_GT(engine.think(limits).nodes, 0u);

  limits.useBook = true;
  game->officialRules = 1;
  engine.setPosition(*game, *game);
  EXPECT_GT(engine.think(limits).nodes, 0u);
}

}  // namespace
}  // namespace velmora
