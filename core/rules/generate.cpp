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
  const std::uint32_t* ownKings;
  const std::uint32_t* opponent;

  // Row y's pieces (bits as kept) with an opponent piece on one of the eight
  // squares around them.
  std::uint32_t nextToOpponent(int y) const {
    const std::uint32_t near = opponent[y] | opponent[y + 1] | opponent[y + 2];
    return near | near << 1 | near >> 1;
  }
  // Those with one two squares away along the row or the column.
  std::uint32_t twoFromOpponent(int y, int n) const {
    const std::uint32_t column = (y >= 2 ? opponent[y - 1] : 0u) | (y + 2 < n ? opponent[y + 3] : 0u);
    return opponent[y + 1] << 2 | opponent[y + 1] >> 2 | column;
  }
};

Pieces piecesOf(const Context& g) {
  return Pieces{g.state.pieceRows[g.mover], g.state.kingRows[g.mover], g.state.pieceRows[g.opponent]};
}

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
    for (int x = 0; x < N; ++x)
      if (cells[x].kind == King) state.kingRows[cells[x].side & 1][y + 1] |= 1u << (x + 1);
  }
}

void readPieceRows(GameState& state) {
  std::memset(state.pieceRows, 0, sizeof state.pieceRows);
  std::memset(state.kingRows, 0, sizeof state.kingRows);
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
        const bool king = y + 1 < kMaxBoardSize + 2 && ((state.kingRows[side][y + 1] >> (x + 1)) & 1u) != 0;
        if (king != (inside && c.kind == King && c.side == side)) return false;
      }
    }
  return true;
}

// Row y's pieces whose capture search can find anything: short searches need
// an opponent piece next to the piece (or, for a Frisian man, two squares
// away in a straight line); long ones are always searched.
std::uint32_t reachable(const Pieces& p, Reach reach, std::uint32_t pieces, int y, int n) {
  if (reach == Reach::Long) return pieces;
  std::uint32_t near = p.nextToOpponent(y);
  if (reach == Reach::ShortAndStraight) near |= p.twoFromOpponent(y, n);
  return pieces & near;
}

// Runs the capture search of each piece whose kind is `only` (any kind when
// Empty) in scan order, rows upwards and columns from the left, lifted off
// its square so that the square counts as empty during its own search.
template <const VariantRules& rules>
void capturePass(Context& g, const Pieces& p, int only) {
  for (int y = 0; y < g.n; ++y) {
    const std::uint32_t kings = p.ownKings[y + 1], men = p.own[y + 1] & ~kings;
    std::uint32_t bits = 0;
    if (only != King) bits |= reachable(p, rules.manReach, men, y, g.n);
    if (only != Man) bits |= reachable(p, rules.kingReach, kings, y, g.n);
    for (; bits != 0; bits &= bits - 1) {
      const int x = std::countr_zero(bits) - 1;
      const int kind = (kings >> (x + 1)) & 1u ? King : Man;
      Cell& c = g.at(x, y);
      c.kind = Empty;
      (kind == Man ? rules.manCapture : rules.kingCapture)(g, x, y, 0, Start{x, y, kind});
      c.kind = kind;
    }
  }
}

template <const VariantRules& rules>
void plainPass(Context& g, const Pieces& p) {
  for (int y = 0; y < g.n; ++y) {
    const std::uint32_t kings = p.ownKings[y + 1];
    for (std::uint32_t bits = p.own[y + 1]; bits != 0; bits &= bits - 1) {
      const int x = std::countr_zero(bits) - 1;
      ((kings >> (x + 1)) & 1u ? rules.kingPlain : rules.manPlain)(g, x, y);
    }
  }
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
  const int side = move.pieceSide;
  for (int k = 0; k < move.captureCount; ++k) {
    const std::uint32_t out = ~bitOf(move.steps[k].capturedX);
    state.pieceRows[side ^ 1][move.steps[k].capturedY + 1] &= out;
    state.kingRows[side ^ 1][move.steps[k].capturedY + 1] &= out;
  }
  state.pieceRows[side][move.fromY + 1] &= ~bitOf(move.fromX);
  state.kingRows[side][move.fromY + 1] &= ~bitOf(move.fromX);
  state.pieceRows[side][last.toY + 1] |= bitOf(last.toX);
  if (last.kindAfter == King) state.kingRows[side][last.toY + 1] |= bitOf(last.toX);
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
  const int side = move.pieceSide;
  state.pieceRows[side][last.toY + 1] &= ~bitOf(last.toX);
  state.kingRows[side][last.toY + 1] &= ~bitOf(last.toX);
  state.pieceRows[side][move.fromY + 1] |= bitOf(move.fromX);
  if (move.pieceKind == King) state.kingRows[side][move.fromY + 1] |= bitOf(move.fromX);
  for (int k = 0; k < move.captureCount; ++k) {
    const MoveStep& s = move.steps[k];
    state.pieceRows[side ^ 1][s.capturedY + 1] |= bitOf(s.capturedX);
    if (s.capturedKind == King) state.kingRows[side ^ 1][s.capturedY + 1] |= bitOf(s.capturedX);
  }
}

}  // namespace velmora
