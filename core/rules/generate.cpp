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

// The steps of a piece's plain moves in the order they are listed; the
// sliding kings' are the lines of generator_parts.h.
constexpr Steps kDiagonalMan{2, false, {{-1, 1}, {1, 1}}};
constexpr Steps kTurkishMan{3, false, {{1, 0}, {-1, 0}, {0, 1}}};
constexpr Steps kGothicMan{5, false, {{-1, 0}, {1, 0}, {0, 1}, {-1, 1}, {1, 1}}};
constexpr Steps kShortKing{4, false, {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}}};
constexpr Steps kGothicKing{8, false, {{-1, 0}, {1, 0}, {0, 1}, {-1, 1}, {1, 1}, {0, -1}, {-1, -1}, {1, -1}}};

struct VariantRules {
  CaptureSearch manCapture;
  CaptureSearch kingCapture;
  Choice choice;
  const Steps& manSteps;
  const Steps& kingSteps;
  Reach manReach;
  Reach kingReach;
};

// clang-format off
//                                    man capture        king capture       choice among captures                 man steps     king steps         man reach                     king reach
constexpr VariantRules kAmerican     {forwardManSearch,  shortKingSearch,   Choice::GreatestNumber,               kDiagonalMan, kShortKing,        Reach::ForwardDiagonal,       Reach::FourDiagonal};
constexpr VariantRules kInternational{fourWayManSearch,  flyingKingSearch,  Choice::GreatestNumber,               kDiagonalMan, kDiagonalLines,    Reach::FourDiagonal,          Reach::DiagonalLines};
constexpr VariantRules kPoolCheckers {fourWayManSearch,  flyingKingSearch,  Choice::All,                          kDiagonalMan, kDiagonalLines,    Reach::FourDiagonal,          Reach::DiagonalLines};
constexpr VariantRules kRussian      {russianManSearch,  flyingKingSearch,  Choice::All,                          kDiagonalMan, kDiagonalLines,    Reach::FourDiagonal,          Reach::DiagonalLines};
constexpr VariantRules kItalian      {italianManSearch,  shortKingSearch,   Choice::GreatestNumberThenQuality,    kDiagonalMan, kShortKing,        Reach::ForwardDiagonalMen,    Reach::FourDiagonal};
constexpr VariantRules kSpanish      {forwardManSearch,  flyingKingSearch,  Choice::GreatestNumberThenQuality,    kDiagonalMan, kDiagonalLines,    Reach::ForwardDiagonal,       Reach::DiagonalLines};
constexpr VariantRules kThai         {forwardManSearch,  thaiKingSearch,    Choice::All,                          kDiagonalMan, kDiagonalLines,    Reach::ForwardDiagonal,       Reach::DiagonalLines};
constexpr VariantRules kTurkish      {turkishManSearch,  turkishKingSearch, Choice::GreatestNumber,               kTurkishMan,  kOrthogonalLines,  Reach::SidewaysForward,       Reach::OrthogonalLines};
constexpr VariantRules kGothic       {gothicManSearch,   gothicKingSearch,  Choice::GreatestNumber,               kGothicMan,   kGothicKing,       Reach::SidewaysThreeForward,  Reach::EightWay};
constexpr VariantRules kFrisian      {frisianManSearch,  frisianKingSearch, Choice::GreatestNumberThenQuality,    kDiagonalMan, kDiagonalLines,    Reach::FourDiagonalStraight,  Reach::FrisianLines};
// clang-format on
// Russian's choice is its own and made in generateRussian.

// The rows of a generator call: the mover's pieces and kings, the opponent's
// pieces and kings, and the empty squares, each as Position::pieceRows keeps
// them. Walking the rows upwards and the bits from the lowest is the scan order.
struct Pieces {
  const std::uint32_t* own;
  const std::uint32_t* ownKings;
  const std::uint32_t* opponent;
  const std::uint32_t* opponentKings;
  const std::uint32_t* empty;
  int n;
  int forward;

  // A row's bits moved so that the bit of column x + dx sits at x's bit.
  static std::uint32_t shifted(std::uint32_t row, int dx) { return dx >= 0 ? row >> dx : row << -dx; }

  // Entry r's squares from which a piece can jump over an opponent piece (a
  // man only, with `menOnly`) at (x + dx, r + dy) to the empty
  // (x + 2dx, r + 2dy). The padding rows hold no piece and no empty square.
  std::uint32_t jumpFrom(int r, int dx, int dy, bool menOnly = false) const {
    std::uint32_t victims = opponent[r + dy];
    if (menOnly) victims &= ~opponentKings[r + dy];
    return shifted(victims, dx) & shifted(empty[r + 2 * dy], 2 * dx);
  }

  std::uint32_t fourDiagonal(int r) const {
    return jumpFrom(r, -1, 1) | jumpFrom(r, 1, 1) | jumpFrom(r, -1, -1) | jumpFrom(r, 1, -1);
  }

  bool emptyAt(int x, int y) const { return hasSquare(empty, x, y); }

  // Whether a piece on (x, y) moving along (dx, dy) from a distance meets an
  // opponent piece with an empty square behind it.
  bool lineCaptures(int x, int y, int dx, int dy) const {
    const auto inside = [this](int cx, int cy) { return cx >= 0 && cy >= 0 && cx < n && cy < n; };
    int cx, cy;
    firstStop(empty, n, x, y, dx, dy, cx, cy);
    if (!inside(cx, cy) || !hasSquare(opponent, cx, cy)) return false;
    return inside(cx + dx, cy + dy) && emptyAt(cx + dx, cy + dy);
  }

  std::uint32_t onLines(std::uint32_t pieces, int y, const Steps& lines) const {
    std::uint32_t found = 0;
    for (std::uint32_t bits = pieces; bits != 0; bits &= bits - 1) {
      const int x = std::countr_zero(bits) - 1;
      for (const Step& d : lines)
        if (lineCaptures(x, y, d.dx, d.dy)) {
          found |= bits & -bits;
          break;
        }
    }
    return found;
  }

  // The squares of entry r from which a short reach takes something; all
  // squares for a long one, which is tested piece by piece.
  std::uint32_t shortCaptures(Reach reach, int r) const {
    const int f = forward;
    switch (reach) {
      case Reach::ForwardDiagonal: return jumpFrom(r, -1, f) | jumpFrom(r, 1, f);
      case Reach::ForwardDiagonalMen: return jumpFrom(r, -1, f, true) | jumpFrom(r, 1, f, true);
      case Reach::FourDiagonal: return fourDiagonal(r);
      case Reach::FourDiagonalStraight:
        return fourDiagonal(r) | jumpFrom(r, 0, 2) | jumpFrom(r, 0, -2) | jumpFrom(r, 2, 0) | jumpFrom(r, -2, 0);
      case Reach::SidewaysForward: return jumpFrom(r, 1, 0) | jumpFrom(r, -1, 0) | jumpFrom(r, 0, f);
      case Reach::SidewaysThreeForward:
        return jumpFrom(r, 1, 0) | jumpFrom(r, -1, 0) | jumpFrom(r, 0, f) | jumpFrom(r, 1, f) | jumpFrom(r, -1, f);
      case Reach::EightWay:
        return fourDiagonal(r) | jumpFrom(r, 1, 0) | jumpFrom(r, -1, 0) | jumpFrom(r, 0, 1) | jumpFrom(r, 0, -1);
      default: return ~0u;
    }
  }

  // Row y's `pieces` of a long reach whose capture search takes something.
  std::uint32_t longCaptures(Reach reach, std::uint32_t pieces, int y) const {
    if (pieces == 0) return 0;
    switch (reach) {
      case Reach::DiagonalLines: return onLines(pieces, y, kDiagonalLines);
      case Reach::OrthogonalLines: return onLines(pieces, y, kOrthogonalLines);
      case Reach::FrisianLines: return onLines(pieces, y, kFrisianLines);
      default: return pieces;
    }
  }
};

constexpr bool isLong(Reach reach) {
  return reach == Reach::DiagonalLines || reach == Reach::OrthogonalLines || reach == Reach::FrisianLines;
}

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
void readPieceRowsOn(Position& state) {
  auto& rows = state.pieceRows;
  for (int y = 0; y < N; ++y) {
    const Cell* cells = state.board[y];
    std::uint32_t occupied = 0, black = 0;
    // Kinds are 0, 1 or 2 and sides 0 or 1, so (kind + 1) / 2 is 1 exactly
    // for a piece and the side is its own bit.
#pragma GCC unroll 12
    for (int x = 0; x < N; ++x) {
      occupied |= static_cast<std::uint32_t>((cells[x].kind + 1) >> 1) * columnBit(x);
      black |= static_cast<std::uint32_t>(cells[x].side) * columnBit(x);
    }
    // An empty cell's side is stale and falls out with `occupied`.
    rows[Black][y + kRowPad] = occupied & black;
    rows[White][y + kRowPad] = occupied & ~black;
    for (int x = 0; x < N; ++x)
      if (cells[x].kind == King) state.kingRows[cells[x].side & 1][y + kRowPad] |= columnBit(x);
  }
}

void readPieceRows(Position& state) {
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
[[maybe_unused]] bool pieceRowsMatchBoard(const Position& state) {
  for (int y = 0; y < kMaxBoardSize; ++y)
    for (int x = 0; x < kMaxBoardSize; ++x) {
      const Cell& c = state.board[y][x];
      const bool inside = x < state.boardSize && y < state.boardSize;
      for (int side = 0; side < 2; ++side) {
        const bool bit = hasSquare(state.pieceRows[side], x, y);
        if (bit != (inside && c.kind != Empty && c.side == side)) return false;
        const bool king = hasSquare(state.kingRows[side], x, y);
        if (king != (inside && c.kind == King && c.side == side)) return false;
      }
    }
  return true;
}

// The pieces whose capture search may take something, row by row, as the
// pre-test finds them: exact for the short reaches; for a long one every king
// is listed here and tested line by line where it is searched.
template <int N>
struct Candidates {
  std::uint32_t men[N];
  std::uint32_t kings[N];
  bool any;
};

// The short reaches are tested for the whole board at once, a loop over the
// rows without branches; most positions have no capture and stop there. The
// kings' part is skipped while the side has none, as in most openings. Only
// pieces of the kind `only` (any kind when Empty) are looked at.
template <const VariantRules& rules, int N>
[[gnu::always_inline]] inline Candidates<N> captureCandidates(const Pieces& p, int only) {
  Candidates<N> c;
  std::uint32_t any = 0, anyKing = 0;
  for (int y = 0; y < N; ++y) {
    const int r = y + kRowPad;
    const std::uint32_t ownKings = p.ownKings[r], ownMen = p.own[r] & ~ownKings;
    c.men[y] = only == King ? 0 : ownMen & p.shortCaptures(rules.manReach, r);
    c.kings[y] = 0;
    any |= c.men[y];
    anyKing |= ownKings;
  }
  if (only != Man && anyKing != 0)
    for (int y = 0; y < N; ++y) {
      const int r = y + kRowPad;
      c.kings[y] = p.ownKings[r] & p.shortCaptures(rules.kingReach, r);
      any |= c.kings[y];
    }
  c.any = any != 0;
  return c;
}

// Row y's candidates that do take something.
template <const VariantRules& rules, int N>
[[gnu::always_inline]] inline std::uint32_t capturers(const Pieces& p, const Candidates<N>& c, int y) {
  if constexpr (isLong(rules.kingReach)) return c.men[y] | p.longCaptures(rules.kingReach, c.kings[y], y);
  return c.men[y] | c.kings[y];
}

// Runs the capture search of each piece whose kind is `only` (any kind when
// Empty) in scan order, rows upwards and columns from the left, lifted off
// its square so that the square counts as empty during its own search.
template <const VariantRules& rules, int N>
void capturePass(Context& g, const Pieces& p, int only) {
  const Candidates<N> c = captureCandidates<rules, N>(p, only);
  if (!c.any) return;
  // Only squares on the board are ever tested for a piece to take.
  std::memcpy(g.takeable + kRowPad, g.state.pieceRows[g.opponent] + kRowPad, sizeof(std::uint32_t) * N);
  for (int y = 0; y < N; ++y) {
    for (std::uint32_t bits = capturers<rules, N>(p, c, y); bits != 0; bits &= bits - 1) {
      const int x = std::countr_zero(bits) - 1;
      const int kind = hasSquare(p.ownKings, x, y) ? King : Man;
      g.empty[y + kRowPad] |= columnBit(x);
      (kind == Man ? rules.manCapture : rules.kingCapture)(g, x, y, 0, Start{x, y, kind});
      g.empty[y + kRowPad] &= ~columnBit(x);
    }
  }
}

// A sliding king's moves, each direction to the first square that is not
// empty; returns the new count. Kept out of line: the men's loop of the pass
// runs faster without it.
template <const Steps& kingSteps, int N>
[[gnu::noinline]] int slide(Context& g, const Pieces& p, int count, int x, int y) {
  for (int k = 0; k < kingSteps.count; ++k) {
    const Step s = kingSteps.step[k];
    int stopX, stopY;
    firstStop(p.empty, N, x, y, s.dx, s.dy, stopX, stopY);
    for (int tx = x + s.dx, ty = y + s.dy; tx != stopX || ty != stopY; tx += s.dx, ty += s.dy)
      if (count < kMaxMoves) storePlainMove(g.list[count++], plainWord(x, y, King, g.mover, tx, ty, King));
  }
  return count;
}

template <const VariantRules& rules, int N>
void plainPass(Context& g, const Pieces& p) {
  constexpr const Steps& manSteps = rules.manSteps;
  constexpr const Steps& kingSteps = rules.kingSteps;
  constexpr int kManSteps = manSteps.count;
  constexpr int kKingSteps = kingSteps.slides ? 0 : kingSteps.count;  // single steps read off masks
  std::uint32_t manCan[kManSteps][N], kingCan[kKingSteps > 0 ? kKingSteps : 1][N], movers[N];
  const int f = p.forward;
  std::uint32_t anyKing = 0;
  for (int y = 0; y < N; ++y) {
    const int r = y + kRowPad;
    const std::uint32_t kings = p.ownKings[r], men = p.own[r] & ~kings;
    std::uint32_t any = kingSteps.slides ? kings : 0;
    for (int k = 0; k < kManSteps; ++k) {
      const Step s = manSteps.step[k];
      manCan[k][y] = men & Pieces::shifted(p.empty[r + s.dy * f], s.dx);
      any |= manCan[k][y];
    }
    movers[y] = any;
    anyKing |= kings;
  }
  // Kings are rare until the middle game: their steps are looked at only
  // when the side has one.
  if (kKingSteps > 0 && anyKing != 0)
    for (int y = 0; y < N; ++y) {
      const int r = y + kRowPad;
      for (int k = 0; k < kKingSteps; ++k) {
        const Step s = kingSteps.step[k];
        kingCan[k][y] = p.ownKings[r] & Pieces::shifted(p.empty[r + s.dy], s.dx);
        movers[y] |= kingCan[k][y];
      }
    }
  const int promotionRow = g.mover == White ? N - 1 : 0;
  // The count stays in a register: stores to the list could otherwise alias
  // the state's count and force a reload for every move.
  int count = g.state.moveCount;
  const auto add = [&](std::uint64_t word) __attribute__((always_inline)) {
    if (count < kMaxMoves) storePlainMove(g.list[count++], word);
  };
  for (int y = 0; y < N; ++y) {
    if (movers[y] == 0) continue;
    // Each step's move from this row, but for the columns.
    std::uint64_t manWords[kManSteps];
    for (int k = 0; k < kManSteps; ++k) {
      const int toY = y + manSteps.step[k].dy * f;
      const int kindAfter = manSteps.step[k].dy != 0 && toY == promotionRow ? King : Man;
      manWords[k] = plainWord(0, y, Man, g.mover, 0, toY, kindAfter);
    }
    const std::uint32_t kings = p.ownKings[y + kRowPad];
    for (std::uint32_t bits = movers[y]; bits != 0; bits &= bits - 1) {
      const int x = std::countr_zero(bits) - 1;
      const std::uint32_t bit = bits & -bits;
      if (!(kings & bit)) {
        for (int k = 0; k < kManSteps; ++k)
          if (manCan[k][y] & bit) add(manWords[k] | plainWord(x, 0, 0, 0, x + manSteps.step[k].dx, 0, 0));
      } else if constexpr (kKingSteps > 0) {
        for (int k = 0; k < kKingSteps; ++k) {
          const Step s = kingSteps.step[k];
          if (kingCan[k][y] & bit) add(plainWord(x, y, King, g.mover, x + s.dx, y + s.dy, King));
        }
      } else {
        count = slide<kingSteps, N>(g, p, count, x, y);
      }
    }
  }
  g.state.moveCount = count;
}

// One instance per variant family and board size, so that the searches and
// plain moves of the family are called directly in the hot loops, and the
// loops over the rows have a fixed length.
template <const VariantRules& rules, int N>
void generateTabled(Context& g) {
  const Pieces pieces = piecesOf(g);
  capturePass<rules, N>(g, pieces, Empty);
  if (g.state.moveCount > 0) {
    if (rules.choice == Choice::GreatestNumber) keepGreatestNumber(g);
    if (rules.choice == Choice::GreatestNumberThenQuality) keepGreatestNumberThenQuality(g);
    return;
  }
  plainPass<rules, N>(g, pieces);
}

// Russian: kings' captures come first and exclude the men's.
template <const VariantRules&, int N>
void generateRussian(Context& g) {
  const Pieces pieces = piecesOf(g);
  capturePass<kRussian, N>(g, pieces, King);
  if (g.state.moveCount > 0) {
    keepGreatestNumber(g);
    return;
  }
  capturePass<kRussian, N>(g, pieces, Man);
  if (g.state.moveCount > 0) {
    keepRussianCrownedLongest(g);
    return;
  }
  plainPass<kRussian, N>(g, pieces);
}

template <int N>
void fillEmptyRows(Context& g) {
  const std::uint32_t inside = ((1u << N) - 1) << 1;
  std::memset(g.empty, 0, sizeof g.empty);
  for (int r = kRowPad; r < kRowPad + N; ++r)
    g.empty[r] = inside & ~(g.state.pieceRows[White][r] | g.state.pieceRows[Black][r]);
}

using Generator = void (*)(Context&);

// Fills the empty rows and picks the instance of a family for the board's
// size, which is always 8, 10 or 12.
template <const VariantRules& rules, bool russian>
Generator forSize(Context& g) {
  switch (g.n) {
    case 10: fillEmptyRows<10>(g); return russian ? generateRussian<rules, 10> : generateTabled<rules, 10>;
    case 12: fillEmptyRows<12>(g); return russian ? generateRussian<rules, 12> : generateTabled<rules, 12>;
    default: fillEmptyRows<8>(g); return russian ? generateRussian<rules, 8> : generateTabled<rules, 8>;
  }
}

}  // namespace

void generateMoves(MoveRecord* list, Position& state, int side) {
  if (!state.pieceRowsValid) readPieceRows(state);
  assert(pieceRowsMatchBoard(state));
  state.moveCount = 0;
  Context g(state, list, side);
  switch (variantInfo(state.gameType).rules) {
    case RuleFamily::American: return forSize<kAmerican, false>(g)(g);
    case RuleFamily::International: return forSize<kInternational, false>(g)(g);
    case RuleFamily::PoolCheckers: return forSize<kPoolCheckers, false>(g)(g);
    case RuleFamily::Russian: return forSize<kRussian, true>(g)(g);
    case RuleFamily::Italian: return forSize<kItalian, false>(g)(g);
    case RuleFamily::Spanish: return forSize<kSpanish, false>(g)(g);
    case RuleFamily::Thai: return forSize<kThai, false>(g)(g);
    case RuleFamily::Turkish: return forSize<kTurkish, false>(g)(g);
    case RuleFamily::Gothic: return forSize<kGothic, false>(g)(g);
    case RuleFamily::Frisian: return forSize<kFrisian, false>(g)(g);
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

// As rowsCanFollow for a plain move: side 0 or 1, kinds Man or King, in one test.
bool plainRowsCanFollow(const MoveRecord& move) {
  return ((move.pieceSide | (move.pieceKind - 1) | (move.steps[0].kindAfter - 1)) & ~1) == 0;
}

// A piece of `side` moved in the kept rows from one square, where it was of
// kind `before`, to another, where it is of kind `after`.
void movePieceBits(Position& state, int side, int fromX, int fromY, int before, int toX, int toY, int after) {
  state.pieceRows[side][fromY + kRowPad] &= ~columnBit(fromX);
  state.pieceRows[side][toY + kRowPad] |= columnBit(toX);
  if (before == King) state.kingRows[side][fromY + kRowPad] &= ~columnBit(fromX);
  if (after == King) state.kingRows[side][toY + kRowPad] |= columnBit(toX);
}

// A plain move, most of the moves played and taken back, with the fewest
// tests: one square emptied and one filled.
void applyPlainMove(const MoveRecord& move, MoveRecord& slot, Position& state) {
  // A constant size lets the compiler copy a plain move in a few stores.
  if (&slot != &move) std::memcpy(&slot, &move, kPlainMoveBlockBytes);
  const MoveStep& to = move.steps[0];
  state.board[move.fromY][move.fromX].kind = Empty;
  state.board[to.toY][to.toX] = Cell{to.kindAfter, move.pieceSide};
  if (!state.pieceRowsValid) return;
  if (!plainRowsCanFollow(move)) {
    state.pieceRowsValid = 0;
    return;
  }
  movePieceBits(state, move.pieceSide, move.fromX, move.fromY, move.pieceKind, to.toX, to.toY, to.kindAfter);
}

void undoPlainMove(const MoveRecord& move, Position& state) {
  const MoveStep& to = move.steps[0];
  state.board[to.toY][to.toX].kind = Empty;
  state.board[move.fromY][move.fromX] = Cell{move.pieceKind, move.pieceSide};
  if (!state.pieceRowsValid) return;
  if (!plainRowsCanFollow(move)) {
    state.pieceRowsValid = 0;
    return;
  }
  movePieceBits(state, move.pieceSide, to.toX, to.toY, to.kindAfter, move.fromX, move.fromY, move.pieceKind);
}

}  // namespace

// Captured pieces, then the origin, then the destination: a capture may end on
// its own starting square.
void applyMove(const MoveRecord& move, MoveRecord& slot, Position& state) {
  if (move.captureCount == 0) return applyPlainMove(move, slot, state);
  if (&slot != &move) std::memcpy(&slot, &move, usedBytes(move));
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
    const std::uint32_t out = ~columnBit(move.steps[k].capturedX);
    state.pieceRows[side ^ 1][move.steps[k].capturedY + kRowPad] &= out;
    state.kingRows[side ^ 1][move.steps[k].capturedY + kRowPad] &= out;
  }
  movePieceBits(state, side, move.fromX, move.fromY, move.pieceKind, last.toX, last.toY, last.kindAfter);
}

void undoMove(const MoveRecord& move, Position& state) {
  if (move.captureCount == 0) return undoPlainMove(move, state);
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
  movePieceBits(state, side, last.toX, last.toY, last.kindAfter, move.fromX, move.fromY, move.pieceKind);
  for (int k = 0; k < move.captureCount; ++k) {
    const MoveStep& s = move.steps[k];
    state.pieceRows[side ^ 1][s.capturedY + kRowPad] |= columnBit(s.capturedX);
    if (s.capturedKind == King) state.kingRows[side ^ 1][s.capturedY + kRowPad] |= columnBit(s.capturedX);
  }
}

}  // namespace velmora
