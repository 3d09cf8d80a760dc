// Moves by keyboard: every legal move of random positions of all fourteen
// variants can be entered with the cursor keys alone and by typing its text;
// a typed beginning shows the moves it may be, and a wrong move says why.

#include "core/game/keyboard_entry.h"

#include <gtest/gtest.h>

#include <random>

#include "core/game/board_description.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/records/pdn_board.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "core/view/tiles.h"
#include "support/fake_host.h"
#include "support/test_support.h"

namespace velmora {
namespace {

// A game of two people at `base`, with the listing at its last line.
struct Desk {
  test::FakeHost fake;
  std::unique_ptr<GameState> game;
  MoveListing listing;
  KeyboardEntry keys;
  int before = 0;

  explicit Desk(const GameState& base) : game(std::make_unique<GameState>(base)) {
    refreshListing(listing, *game, 0);
    before = game->plyCount;
  }
  bool played() const { return game->plyCount != before; }
  std::string title() { return fake.record().titles.empty() ? "" : fake.record().titles.back(); }
  // The arrow keys pressed until the cursor is on `target`, as a player
  // looking at the screen would press them.
  void walkTo(Square target, bool whiteOnTop) {
    for (int guard = 0; guard < 64 && !(keys.cursor == target); ++guard) {
      const int dx = target.x - keys.cursor.x, dy = target.y - keys.cursor.y;
      const int screenRight = whiteOnTop ? -dx : dx, screenUp = whiteOnTop ? -dy : dy;
      const EntryKey arrow = screenRight > 0   ? EntryKey::Right
                             : screenRight < 0 ? EntryKey::Left
                             : screenUp > 0    ? EntryKey::Up
                                               : EntryKey::Down;
      moveCursor(keys, game->boardSize, whiteOnTop, arrow);
    }
  }
  void press(EntryKey key) { pressEntryKey(*game, listing, keys, key); }
  void type(const std::string& text) {
    for (char c : text) typeMoveCharacter(*game, listing, keys, c);
  }
  std::string result(const MoveRecord& move) {
    if (!played()) return "nothing played; title " + title();
    const MoveRecord& record = game->gameRecord[before];
    return samePath(record, move) ? "ok" : "played " + formatMove(*game, before);
  }
};

// The distinct paths of the position, each once.
std::vector<MoveRecord> distinctMoves(const GameState& state) {
  auto game = std::make_unique<GameState>(state);
  generateMoves(game->legalMoves, *game, game->sideToMove());
  std::vector<MoveRecord> out;
  for (int i = 0; i < game->moveCount; ++i) {
    bool repeated = false;
    for (const MoveRecord& m : out) repeated = repeated || samePath(m, game->legalMoves[i]);
    if (!repeated) out.push_back(game->legalMoves[i]);
  }
  return out;
}

// Space on the piece, Space on each waypoint where paths to the same square
// differ, Enter on the destination.
std::string enterByCursor(const GameState& base, const MoveRecord& move, bool whiteOnTop, Square start) {
  Desk desk(base);
  desk.keys.cursor = start;
  const Square from{move.fromX, move.fromY}, to{move.finalStep().toX, move.finalStep().toY};
  int paths = 0;
  for (const MoveRecord& m : distinctMoves(base))
    paths += m.fromX == move.fromX && m.fromY == move.fromY && Square{m.finalStep().toX, m.finalStep().toY} == to;
  desk.walkTo(from, whiteOnTop);
  desk.press(EntryKey::Space);
  if (paths > 1) {
    std::vector<Square> marked;
    for (int k = 0; k + 1 < move.captureCount && !desk.played(); ++k) {
      const Square s{move.steps[k].toX, move.steps[k].toY};
      if (s == to || s == from || std::find(marked.begin(), marked.end(), s) != marked.end()) continue;
      marked.push_back(s);
      desk.walkTo(s, whiteOnTop);
      desk.press(EntryKey::Space);
    }
  }
  desk.walkTo(to, whiteOnTop);
  if (!desk.played()) desk.press(EntryKey::Enter);
  return desk.result(move);
}

std::string enterByText(const GameState& base, const MoveRecord& move, const std::string& text) {
  Desk desk(base);
  desk.type(text);
  desk.press(EntryKey::Enter);
  return desk.result(move);
}

std::string numberedText(GameType type, const MoveRecord& m) {
  std::string text = pdnSquare(type, m.fromX, m.fromY);
  for (int k = 0; k < std::max<int>(m.captureCount, 1); ++k)
    text += std::string(m.captureCount ? "x" : "-") + pdnSquare(type, m.steps[k].toX, m.steps[k].toY);
  return text;
}

// Random games of every variant by the classic rules, or of the variants
// with a federation's rules by those.
void enterEveryMoveByKeys(bool official, unsigned seed, int games, int leastChecked) {
  std::mt19937 random(seed);
  for (GameType type = 0; type < kVariantCount; ++type) {
    if (official && !hasOfficialRules(type)) continue;
    int checked = 0;
    for (int game = 0; game < test::sanitizedShare(games, 3); ++game) {
      auto state = test::startPosition(type);
      state->officialRules = official ? 1 : 0;
      for (int ply = 0; ply < 160; ++ply) {
        generateMoves(state->legalMoves, *state, state->sideToMove());
        if (state->moveCount == 0 || state->plyCount + 1 >= kMaxGameMoves) break;
        if (state->legalMoves[0].captureCount > 0 || ply % 11 == 0) {
          auto copy = std::make_unique<GameState>(*state);
          test::restartHere(*copy);
          const bool whiteOnTop = (ply / 2) % 2 == 1;
          const Square start{static_cast<int>(random() % 8), static_cast<int>(random() % 8)};
          for (const MoveRecord& m : distinctMoves(*copy)) {
            const std::string where = std::string(gameTypeName(type)) + " " + writePosition(*copy) + " " + moveText(m);
            ASSERT_EQ(enterByCursor(*copy, m, whiteOnTop, start), "ok") << where << " by the cursor";
            ASSERT_EQ(enterByText(*copy, m, moveText(m)), "ok") << where << " typed";
            if (!pdnConvention(type).algebraic) {
              ASSERT_EQ(enterByText(*copy, m, numberedText(type, m)), "ok") << where << " typed by numbers";
            }
          }
          ++checked;
        }
        const int index = static_cast<int>(random() % static_cast<unsigned>(state->moveCount));
        applyMove(state->legalMoves[index], state->gameRecord[state->plyCount], *state);
        ++state->plyCount;
      }
    }
    EXPECT_GT(checked, test::sanitizedShare(leastChecked, 3)) << gameTypeName(type);
  }
}

TEST(KeyboardEntryProperty, EveryMoveOfRandomPositionsCanBeEnteredByKeys) { enterEveryMoveByKeys(false, 29, 8, 15); }

TEST(KeyboardEntryProperty, EveryMoveByTheFederationsRulesCanBeEnteredByKeys) { enterEveryMoveByKeys(true, 40, 3, 5); }

TEST(KeyboardEntry, TypedBeginningShowsTheMovesItMayBeAndEnterWaitsForOne) {
  Desk desk(*test::startPosition(American));
  desk.type("c3");
  EXPECT_NE(desk.title().find("c3: c3-b4 or c3-d4"), std::string::npos) << desk.title();
  desk.press(EntryKey::Enter);
  EXPECT_FALSE(desk.played());
  desk.type("-D");  // upper case and "x" or ":" read as the listing writes
  desk.press(EntryKey::Backspace);
  desk.type("d4");
  desk.press(EntryKey::Enter);
  EXPECT_EQ(desk.game->plyCount, 1);
  EXPECT_EQ(formatMove(*desk.game, 0), "c3-d4");
  EXPECT_TRUE(desk.keys.typed.empty());
  EXPECT_EQ(desk.keys.cursor, (Square{3, 3}));  // where the piece went, not left at a1
}

TEST(KeyboardEntry, ShortenedCaptureAndSquareNumbersNameTheMove) {
  // International: the man on c3 takes d4 and d6, landing on e5 and c7.
  auto state = test::position(International,
                              "W:........../........../........../........../...b....../........../"
                              "...b....../..w......./........../..........");
  auto moves = distinctMoves(*state);
  ASSERT_EQ(moves.size(), 1u);
  const MoveRecord capture = moves[0];
  ASSERT_EQ(capture.captureCount, 2);
  const std::string from = squareName(capture.fromX, capture.fromY);
  const std::string to = squareName(capture.finalStep().toX, capture.finalStep().toY);
  EXPECT_EQ(enterByText(*state, capture, from + "x" + to), "ok");
  EXPECT_EQ(enterByText(*state, capture, numberedText(International, capture)), "ok");
}

TEST(KeyboardEntry, WrongMovesSayWhyAsARefusedClickWould) {
  const auto start = test::startPosition(American);
  const auto problem = [&](const GameState& state, const std::string& text) {
    auto game = std::make_unique<GameState>(state);
    generateMoves(game->legalMoves, *game, game->sideToMove());
    return movesNamedBy(*game, game->sideToMove(), text).problem;
  };
  EXPECT_EQ(problem(*start, "f6-e5"), "White is to move");
  EXPECT_EQ(problem(*start, "a1-b2"), "That piece has no legal move");
  EXPECT_EQ(problem(*start, "c3-c4"), "The piece cannot go there");
  EXPECT_EQ(problem(*start, "d4-e5"), "There is no piece on d4");
  EXPECT_EQ(problem(*start, "z9"), "\"z9\" is not a move: write it as c3-d4 or 22-18");
  // A capture is compulsory: a plain move of another piece names the capturer.
  auto capture = test::position(American, "W:......../......../......../......../...b..../..w...../......../w.......");
  EXPECT_EQ(problem(*capture, "a1-b2"), "A capture is compulsory: c3 must capture");

  // The wrong move is refused in the title, and nothing is played.
  Desk desk(*start);
  desk.type("c3-c4");
  desk.press(EntryKey::Enter);
  EXPECT_FALSE(desk.played());
  EXPECT_NE(desk.title().find("The piece cannot go there"), std::string::npos);
  // The next move is typed afresh, not appended to the refused one.
  EXPECT_EQ(desk.keys.typed, "");
  desk.type("c3-d4");
  desk.press(EntryKey::Enter);
  EXPECT_TRUE(desk.played());
}

TEST(KeyboardEntry, EscapePutsThePieceDownAndKeysWaitForTheirTurn) {
  Desk desk(*test::startPosition(American));
  desk.keys.cursor = {2, 2};
  desk.press(EntryKey::Space);
  ASSERT_TRUE(findSelectedPiece(*desk.game).has_value());
  EXPECT_TRUE(pressEntryKey(*desk.game, desk.listing, desk.keys, EntryKey::Escape));
  EXPECT_FALSE(findSelectedPiece(*desk.game).has_value());
  // Nothing to put down: Escape is left to the window (the break question).
  EXPECT_FALSE(pressEntryKey(*desk.game, desk.listing, desk.keys, EntryKey::Escape));
  // The computer's turn: keys enter nothing.
  desk.game->players[White].type = ComputerPlayer;
  desk.type("c3-d4");
  desk.press(EntryKey::Enter);
  EXPECT_FALSE(desk.played());
  // The cursor stops at the board's edge, whichever way up it is shown.
  desk.keys.cursor = {0, 0};
  moveCursor(desk.keys, 8, false, EntryKey::Left);
  moveCursor(desk.keys, 8, false, EntryKey::Down);
  EXPECT_EQ(desk.keys.cursor, (Square{0, 0}));
  moveCursor(desk.keys, 8, true, EntryKey::Up);
  EXPECT_EQ(desk.keys.cursor, (Square{0, 0}));
  moveCursor(desk.keys, 8, true, EntryKey::Left);
  EXPECT_EQ(desk.keys.cursor, (Square{1, 0}));
}

TEST(KeyboardEntry, APiecePickedUpByKeysStaysDrawnOnItsSquare) {
  Desk desk(*test::startPosition(American));
  AppearanceSettings look = defaultAppearance;
  look.dragShow = DragFollows;
  const int pieceColumn = squareTile(*desk.game, *desk.game, 2, 2, look).column;
  ASSERT_NE(pieceColumn, 0);
  desk.keys.cursor = {2, 2};
  desk.press(EntryKey::Space);
  ASSERT_TRUE(findSelectedPiece(*desk.game).has_value());
  // No pointer carries it: it is not drawn at the mouse, and its square is
  // not empty.
  EXPECT_TRUE(desk.game->heldByKeys);
  EXPECT_EQ(squareTile(*desk.game, *desk.game, 2, 2, look).column, pieceColumn);
}

TEST(BoardDescription, NamesEachSidesPiecesAndTheLastMove) {
  auto state = test::position(American, "B:......../......../......../......../...B..../......../.w....../w.......");
  state->start.side = Black;  // as a game set up with Black to move starts
  state->plyCount = 0;
  MoveListing start;
  refreshListing(start, *state, 0);
  EXPECT_EQ(describeBoard(*state, start), "Black to move. White: men a1, b2; no kings. Black: no men; kings d4.");
  auto game = test::startPosition(American);
  ASSERT_TRUE(playMoveText(*game, "c3-d4"));
  MoveListing listing;
  refreshListing(listing, *game, 1);
  const std::string text = describeBoard(*game, listing);
  EXPECT_EQ(text.substr(0, 15), "Black to move. ");
  EXPECT_NE(text.find("men a1, c1, e1, g1, b2, d2, f2, h2, a3, e3, g3, d4;"), std::string::npos) << text;
  EXPECT_NE(text.find("Last move: c3-d4."), std::string::npos) << text;
}

}  // namespace
}  // namespace velmora
