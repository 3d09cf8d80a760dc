// The generator framework every variant shares: captures first, scanned row
// by row; the variant's choice among them; plain moves only when there is none.

#include "core/rules/generate.h"

#include <bit>
#include <cassert>
#include <cstring>

#include "core/rules/generator_parts.h"

namespace velmora {

namespace {

using namespace gen;

enum class Choice { All, GreatestNumber, GreatestNumberThenQuality };

// Reach of a capture search: short searches jump over a neighbouring square,
// so a piece without an opponent piece next to it cannot capture. A Frisian
// man also jumps along rows and columns over the piece two squares away.
enum class Reach { Short, ShortAndStraight, Long };

struct VariantRules {
  CaptureSearch manCapture;
  CaptureSearch kingCapture;
  Choice choice;
  PlainMoves manPlain;
  PlainMoves kingPlain;
  Reach manReach;
  Reach kingReach;
};

// clang-format off
//                                    man capture        king capture       choice among captures                 man plain         king plain        man reach     king reach
constexpr VariantRules kAmerican     {forwardManSearch,  shortKingSearch,   Choice::GreatestNumber,               diagonalManPlain, shortKingPlain,   Reach::Short, Reach::Short};
constexpr VariantRules kInternational{fourWayManSearch,  flyingKingSearch,  Choice::GreatestNumber,               diagonalManPlain, flyingKingPlain,  Reach::Short, Reach::Long};
constexpr VariantRules kPoolCheckers {fourWayManSearch,  flyingKingSearch,  Choice::All,                          diagonalManPlain, flyingKingPlain,  Reach::Short, Reach::Long};
constexpr VariantRules kRussian      {russianManSearch,  flyingKingSearch,  Choice::All,                          diagonalManPlain, flyingKingPlain,  Reach::Short, Reach::Long};
constexpr VariantRules kItalian      {italianManSearch,  shortKingSearch,   Choice::GreatestNumberThenQuality,    diagonalManPlain, shortKingPlain,   Reach::Short, Reach::Short};
constexpr VariantRules kSpanish      {forwardManSearch,  flyingKingSearch,  Choice::GreatestNumberThenQuality,    diagonalManPlain, flyingKingPlain,  Reach::Short, Reach::Long};
constexpr VariantRules kThai         {forwardManSearch,  thaiKingSearch,    Choice::All,                          diagonalManPlain, flyingKingPlain,  Reach::Short, Reach::Long};
constexpr VariantRules kTurkish      {turkishManSearch,  turkishKingSearch, Choice::GreatestNumber,               turkishManPlain,  turkishKingPlain, Reach::Short, Reach::Long};
constexpr VariantRules kGothic       {gothicManSearch,   gothicKingSearch,  Choice::GreatestNumber,               gothicManPlain,   gothicKingPlain,  Reach::Short, Reach::Short};
constexpr VariantRules kFrisian      {frisianManSearch,  frisianKingSearch, Choice::GreatestNumberThenQuality,    diagonalManPlain, flyingKingPlain,  Reach::ShortAndStraight, Reach::Long};
// clang-format on
// Russian's choice is its own and made in generateRussian.

// The mover's and the opponent's pieces, rows as GameState::pieceRows keeps
// them; walking the rows upwards and the bits from the lowest is the scan order.
struct Pieces {
  const std::uint32_t* own;
  const std::uint32_t* opponent;

  // Whether an opponent piece stands on one of the eight squares around (x, y).
  bool opponentNextTo(int x, int y) const {
    return (((opponent[y] | opponent[y + 1] | opponent[y + 2]) >> x) & 7u) != 0;
  }
  // Whether one stands two squares away along the row or the column.
  bool opponentTwoAway(int x, int y, int n) const {
    const std::uint32_t row = (opponent[y + 1] << 1) >> x;  // columns x - 2 and x + 2 at bits 0 and 4
    const std::uint32_t column = (y >= 2 ? opponent[y - 1] : 0u) | (y + 2 < n ? opponent[y + 3] : 0u);
    return (row & 0x11u) != 0 || ((column >> (x + 1)) & 1u) != 0;
  }
};

Pieces piecesOf(const Context& g) { return Pieces{g.state.pieceRows[g.mover], g.state.pieceRows[g.opponent]}; }

template <int N>
void readPieceRowsOn(GameState& state) {
  auto& rows = state.pieceRows;
  for (int side = 0; side < 2; ++side) rows[side][0] = rows[side][N + 1] = 0;
  for (int y = 0; y < N; ++y) {
    const Cell* cells = state.board[y];
    std::uint32_t occupied = 0, black = 0;
    // Kinds are 0, 1 or 2 and sides 0 or 1, so (kind + 1) / 2 is 1 exactly
    // for a piece and the side is its own bit.
#pragma GCC unroll 12
    for (int x = 0; x < N; ++x) {
      occupied |= static_cast<std::uint32_t>((cells[x].kind + 1) >> 1) << (x + 1);
      black |= static_cast<std::uint32_t>(cells[x].side) << (x + 1);
    }
    // An empty cell's side is stale and falls out with `occupied`.
    rows[Black][y + 1] = occupied & black;
    rows[White][y + 1] = occupied & ~black;
  }
}

void readPieceRows(GameState& state) {
  std::memset(state.pieceRows, 0, sizeof state.pieceRows);
  switch (state.boardSize) {
    case 10: readPieceRowsOn<10>(state); break;
    case 12: readPieceRowsOn<12>(state); break;
    default: readPieceRowsOn<8>(state); break;
  }
  state.pieceRowsValid = 1;
}

// Whether the kept rows are those of the board, for the debug builds' check.
[[maybe_unused]] bool pieceRowsMatchBoard(const GameState& state) {
  for (int y = 0; y < kMaxBoardSize; ++y)
    for (int x = 0; x < kMaxBoardSize; ++x) {
      const Cell& c = state.board[y][x];
      const bool inside = x < state.boardSize && y < state.boardSize;
      for (int side = 0; side < 2; ++side) {
        const bool bit = y + 1 < kMaxBoardSize + 2 && ((state.pieceRows[side][y + 1] >> (x + 1)) & 1u) != 0;
        if (bit != (inside && c.kind != Empty && c.side == side)) return false;
      }
    }
  return true;
}

// Calls visit(x, y) for every piece in scan order.
template <class Visit>
void forEachPiece(const Context& g, const Pieces& p, Visit visit) {
  for (int y = 0; y < g.n; ++y)
    for (std::uint32_t bits = p.own[y + 1]; bits != 0; bits &= bits - 1) visit(std::countr_zero(bits) - 1, y);
}

// Runs the capture search of each piece whose kind is `only` (any kind when
// Empty), lifted off its square so that the square counts as empty during
// its own search.
template <const VariantRules& rules>
void capturePass(Context& g, const Pieces& p, int only) {
  forEachPiece(g, p, [&](int x, int y) {
    Cell& c = g.at(x, y);
    const int kind = c.kind;
    if (only != Empty && kind != only) return;
    const Reach reach = kind == Man ? rules.manReach : rules.kingReach;
    if (reach == Reach::Short && !p.opponentNextTo(x, y)) return;
    if (reach == Reach::ShortAndStraight && !p.opponentNextTo(x, y) && !p.opponentTwoAway(x, y, g.n)) return;
    c.kind = Empty;
    (kind == Man ? rules.manCapture : rules.kingCapture)(g, x, y, 0, Start{x, y, kind});
    c.kind = kind;
  });
}

template <const VariantRules& rules>
void plainPass(Context& g, const Pieces& p) {
  forEachPiece(g, p, [&](int x, int y) { (g.at(x, y).kind == Man ? rules.manPlain : rules.kingPlain)(g, x, y); });
}

// One instance per variant family, so that the searches and plain moves of the
// family are called directly in the hot loops.
template <const VariantRules& rules>
void generateTabled(Context& g) {
  const Pieces pieces = piecesOf(g);
  capturePass<rules>(g, pieces, Empty);
  if (g.state.moveCount > 0) {
    if (rules.choice == Choice::GreatestNumber) keepGreatestNumber(g);
    if (rules.choice == Choice::GreatestNumberThenQuality) keepGreatestNumberThenQuality(g);
    return;
  }
  plainPass<rules>(g, pieces);
}

// Russian: kings' captures come first and exclude the men's.

void generateRussian(Context& g) {
  const Pieces pieces = piecesOf(g);
  capturePass<kRussian>(g, pieces, King);
  if (g.state.moveCount > 0) {
    keepGreatestNumber(g);
    return;
  }
  capturePass<kRussian>(g, pieces, Man);
  if (g.state.moveCount > 0) {
    keepRussianCrownedLongest(g);
    return;
  }
  plainPass<kRussian>(g, pieces);
}

}  // namespace

void generateMoves(MoveRecord* list, GameState& state, int side) {
  if (!state.pieceRowsValid) readPieceRows(state);
  assert(pieceRowsMatchBoard(state));
  state.moveCount = 0;
  state.moverSide = side;
  state.opponentSide = otherSide(side);
  Context g{state, list, state.boardSize, side, otherSide(side)};
  switch (variantInfo(state.gameType).rules) {
    case RuleFamily::American: return generateTabled<kAmerican>(g);
    case RuleFamily::International: return generateTabled<kInternational>(g);
    case RuleFamily::PoolCheckers: return generateTabled<kPoolCheckers>(g);
    case RuleFamily::Russian: return generateRussian(g);
    case RuleFamily::Italian: return generateTabled<kItalian>(g);
    case RuleFamily::Spanish: return generateTabled<kSpanish>(g);
    case RuleFamily::Thai: return generateTabled<kThai>(g);
    case RuleFamily::Turkish: return generateTabled<kTurkish>(g);
    case RuleFamily::Gothic: return generateTabled<kGothic>(g);
    case RuleFamily::Frisian: return generateTabled<kFrisian>(g);
  }
}

int captureQuality(const MoveRecord& move) {
  int quality = 0;
  for (int j = 0; j < move.captureCount; ++j) {
    quality += move.steps[j].capturedKind * 100;
    if (move.steps[j].capturedKind == King) quality += 100 - j;
  }
  return quality;
}

namespace {

constexpr std::uint32_t bitOf(int x) { return 1u << (x + 1); }

// Whether the move is one the kept piece rows can follow: a side and kinds
// the board's pieces can have. A record from outside may hold anything.
bool rowsCanFollow(const MoveRecord& move) {
  if ((move.pieceSide & ~1) != 0 || move.pieceKind < Man || move.pieceKind > King) return false;
  const MoveStep& last = move.finalStep();
  if (last.kindAfter < Man || last.kindAfter > King) return false;
  for (int k = 0; k < move.captureCount; ++k)
    if (move.steps[k].capturedKind < Man || move.steps[k].capturedKind > King) return false;
  return true;
}

}  // namespace

// Captured pieces, then the origin, then the destination: a capture may end on
// its own starting square.
void applyMove(const MoveRecord& move, MoveRecord& slot, GameState& state) {
  // A constant size lets the compiler copy a plain move in a few stores.
  if (&slot != &move) {
    if (move.captureCount == 0)
      std::memcpy(&slot, &move, kPlainMoveBlockBytes);
    else
      std::memcpy(&slot, &move, usedBytes(move));
  }
  for (int k = 0; k < move.captureCount; ++k)
    state.board[move.steps[k].capturedY][move.steps[k].capturedX].kind = Empty;
  state.board[move.fromY][move.fromX].kind = Empty;
  const MoveStep& last = move.finalStep();
  state.board[last.toY][last.toX] = Cell{last.kindAfter, move.pieceSide};

  if (!state.pieceRowsValid) return;
  if (!rowsCanFollow(move)) {
    state.pieceRowsValid = 0;
    return;
  }
  std::uint32_t* own = state.pieceRows[move.pieceSide];
  std::uint32_t* opponent = state.pieceRows[move.pieceSide ^ 1];
  for (int k = 0; k < move.captureCount; ++k) opponent[move.steps[k].capturedY + 1] &= ~bitOf(move.steps[k].capturedX);
  own[move.fromY + 1] &= ~bitOf(move.fromX);
  own[last.toY + 1] |= bitOf(last.toX);
}

void undoMove(const MoveRecord& move, GameState& state) {
  const int opponent = otherSide(move.pieceSide);
  for (int k = 0; k < move.captureCount; ++k)
    state.board[move.steps[k].capturedY][move.steps[k].capturedX] = Cell{move.steps[k].capturedKind, opponent};
  const MoveStep& last = move.finalStep();
  state.board[last.toY][last.toX].kind = Empty;
  state.board[move.fromY][move.fromX] = Cell{move.pieceKind, move.pieceSide};

  if (!state.pieceRowsValid) return;
  if (!rowsCanFollow(move)) {
    state.pieceRowsValid = 0;
    return;
  }
  std::uint32_t* own = state.pieceRows[move.pieceSide];
  own[last.toY + 1] &= ~bitOf(last.toX);
  own[move.fromY + 1] |= bitOf(move.fromX);
  std::uint32_t* theirs = state.pieceRows[move.pieceSide ^ 1];
  for (int k = 0; k < move.captureCount; ++k) theirs[move.steps[k].capturedY + 1] |= bitOf(move.steps[k].capturedX);
}

}  // namespace velmora
