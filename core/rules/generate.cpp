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

// What a piece's capture search can take at its first jump, as the pre-test
// reads it from the rows: a piece that fails the pre-test finds nothing, so
// its search is skipped. The short reaches list the jumps over a neighbouring
// square (a Frisian man also jumps two squares along rows and columns); the
// long ones follow whole lines.
enum class Reach {
  ForwardDiagonal,       // American family, Spanish and Thai men
  ForwardDiagonalMen,    // Italian men, which take men only
  FourDiagonal,          // men of the flying-king family, American kings
  FourDiagonalStraight,  // Frisian men
  SidewaysForward,       // Turkish men
  SidewaysThreeForward,  // Gothic men
  EightWay,              // Gothic kings
  DiagonalLines,         // flying kings
  OrthogonalLines,       // Turkish kings
  FrisianLines           // Frisian kings
};

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
//                                    man capture        king capture       choice among captures                 man plain         king plain        man reach                     king reach
constexpr VariantRules kAmerican     {forwardManSearch,  shortKingSearch,   Choice::GreatestNumber,               diagonalManPlain, shortKingPlain,   Reach::ForwardDiagonal,       Reach::FourDiagonal};
constexpr VariantRules kInternational{fourWayManSearch,  flyingKingSearch,  Choice::GreatestNumber,               diagonalManPlain, flyingKingPlain,  Reach::FourDiagonal,          Reach::DiagonalLines};
constexpr VariantRules kPoolCheckers {fourWayManSearch,  flyingKingSearch,  Choice::All,                          diagonalManPlain, flyingKingPlain,  Reach::FourDiagonal,          Reach::DiagonalLines};
constexpr VariantRules kRussian      {russianManSearch,  flyingKingSearch,  Choice::All,                          diagonalManPlain, flyingKingPlain,  Reach::FourDiagonal,          Reach::DiagonalLines};
constexpr VariantRules kItalian      {italianManSearch,  shortKingSearch,   Choice::GreatestNumberThenQuality,    diagonalManPlain, shortKingPlain,   Reach::ForwardDiagonalMen,    Reach::FourDiagonal};
constexpr VariantRules kSpanish      {forwardManSearch,  flyingKingSearch,  Choice::GreatestNumberThenQuality,    diagonalManPlain, flyingKingPlain,  Reach::ForwardDiagonal,       Reach::DiagonalLines};
constexpr VariantRules kThai         {forwardManSearch,  thaiKingSearch,    Choice::All,                          diagonalManPlain, flyingKingPlain,  Reach::ForwardDiagonal,       Reach::DiagonalLines};
constexpr VariantRules kTurkish      {turkishManSearch,  turkishKingSearch, Choice::GreatestNumber,               turkishManPlain,  turkishKingPlain, Reach::SidewaysForward,       Reach::OrthogonalLines};
constexpr VariantRules kGothic       {gothicManSearch,   gothicKingSearch,  Choice::GreatestNumber,               gothicManPlain,   gothicKingPlain,  Reach::SidewaysThreeForward,  Reach::EightWay};
constexpr VariantRules kFrisian      {frisianManSearch,  frisianKingSearch, Choice::GreatestNumberThenQuality,    diagonalManPlain, flyingKingPlain,  Reach::FourDiagonalStraight,  Reach::FrisianLines};
// clang-format on
// Russian's choice is its own and made in generateRussian.

// The rows of a generator call: the mover's pieces and kings, the opponent's
// pieces and men, and the empty squares, each as GameState::pieceRows keeps
// them. Walking the rows upwards and the bits from the lowest is the scan order.
struct Pieces {
  const std::uint32_t* own;
  const std::uint32_t* ownKings;
  const std::uint32_t* opponent;
  const std::uint32_t* opponentKings;
  const std::uint32_t* empty;
  int n;
  int forward;

  // Row y's bits moved so that the bit of (x + dx, y) sits at x's bit.
  static std::uint32_t shifted(std::uint32_t row, int dx) { return dx >= 0 ? row >> dx : row << -dx; }

  // Row y's squares from which a piece can jump over an opponent piece
  // (a man only, with `menOnly`) at (x + dx, y + dy) to the empty
  // (x + 2dx, y + 2dy).
  std::uint32_t jumpFrom(int y, int dx, int dy, bool menOnly = false) const {
    const int land = y + 2 * dy;
    if (land < 0 || land >= n) return 0;
    std::uint32_t victims = opponent[y + dy + 1];
    if (menOnly) victims &= ~opponentKings[y + dy + 1];
    return shifted(victims, dx) & shifted(empty[land + 1], 2 * dx);
  }

  std::uint32_t fourDiagonal(int y) const {
    return jumpFrom(y, -1, 1) | jumpFrom(y, 1, 1) | jumpFrom(y, -1, -1) | jumpFrom(y, 1, -1);
  }

  // Whether a piece on (x, y) moving along (dx, dy) from a distance meets an
  // opponent piece with an empty square behind it.
  bool lineCaptures(int x, int y, int dx, int dy) const {
    const auto inside = [this](int cx, int cy) { return cx >= 0 && cy >= 0 && cx < n && cy < n; };
    int cx = x + dx, cy = y + dy;
    while (inside(cx, cy) && ((empty[cy + 1] >> (cx + 1)) & 1u)) {
      cx += dx;
      cy += dy;
    }
    if (!inside(cx, cy) || !((opponent[cy + 1] >> (cx + 1)) & 1u)) return false;
    cx += dx;
    cy += dy;
    return inside(cx, cy) && ((empty[cy + 1] >> (cx + 1)) & 1u);
  }

  template <std::size_t L>
  std::uint32_t onLines(std::uint32_t pieces, int y, const int (&lines)[L][2]) const {
    std::uint32_t found = 0;
    for (std::uint32_t bits = pieces; bits != 0; bits &= bits - 1) {
      const int x = std::countr_zero(bits) - 1;
      for (const auto& d : lines)
        if (lineCaptures(x, y, d[0], d[1])) {
          found |= bits & -bits;
          break;
        }
    }
    return found;
  }

  // Row y's `pieces` whose capture search takes something.
  std::uint32_t canCapture(Reach reach, std::uint32_t pieces, int y) const {
    static constexpr int kDiagonals[4][2] = {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}};
    static constexpr int kOrthogonals[4][2] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}};
    static constexpr int kFrisianLines[8][2] = {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}, {0, 2}, {0, -2}, {2, 0}, {-2, 0}};
    if (pieces == 0) return 0;
    const int f = forward;
    switch (reach) {
      case Reach::ForwardDiagonal: return pieces & (jumpFrom(y, -1, f) | jumpFrom(y, 1, f));
      case Reach::ForwardDiagonalMen: return pieces & (jumpFrom(y, -1, f, true) | jumpFrom(y, 1, f, true));
      case Reach::FourDiagonal: return pieces & fourDiagonal(y);
      case Reach::FourDiagonalStraight:
        return pieces &
               (fourDiagonal(y) | jumpFrom(y, 0, 2) | jumpFrom(y, 0, -2) | jumpFrom(y, 2, 0) | jumpFrom(y, -2, 0));
      case Reach::SidewaysForward: return pieces & (jumpFrom(y, 1, 0) | jumpFrom(y, -1, 0) | jumpFrom(y, 0, f));
      case Reach::SidewaysThreeForward:
        return pieces &
               (jumpFrom(y, 1, 0) | jumpFrom(y, -1, 0) | jumpFrom(y, 0, f) | jumpFrom(y, 1, f) | jumpFrom(y, -1, f));
      case Reach::EightWay:
        return pieces &
               (fourDiagonal(y) | jumpFrom(y, 1, 0) | jumpFrom(y, -1, 0) | jumpFrom(y, 0, 1) | jumpFrom(y, 0, -1));
      case Reach::DiagonalLines: return onLines(pieces, y, kDiagonals);
      case Reach::OrthogonalLines: return onLines(pieces, y, kOrthogonals);
      case Reach::FrisianLines: return onLines(pieces, y, kFrisianLines);
    }
    return pieces;
  }
};

Pieces piecesOf(const Context& g) {
  const int f = g.mover == White ? 1 : -1;
  return Pieces{g.state.pieceRows[g.mover],
                g.state.kingRows[g.mover],
                g.state.pieceRows[g.opponent],
                g.state.kingRows[g.opponent],
                g.empty,
                g.n,
                f};
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

// Runs the capture search of each piece whose kind is `only` (any kind when
// Empty) in scan order, rows upwards and columns from the left, lifted off
// its square so that the square counts as empty during its own search.
template <const VariantRules& rules>
void capturePass(Context& g, const Pieces& p, int only) {
  for (int y = 0; y < g.n; ++y) {
    const std::uint32_t kings = p.ownKings[y + 1], men = p.own[y + 1] & ~kings;
    std::uint32_t bits = 0;
    if (only != King) bits |= p.canCapture(rules.manReach, men, y);
    if (only != Man) bits |= p.canCapture(rules.kingReach, kings, y);
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
  Context g{state, list, state.boardSize, side, otherSide(side), {}};
  const std::uint32_t inside = ((1u << g.n) - 1) << 1;
  for (int y = 1; y <= g.n; ++y) g.empty[y] = inside & ~(state.pieceRows[White][y] | state.pieceRows[Black][y]);
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
