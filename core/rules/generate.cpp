// The generator framework every variant shares: captures first, scanned row
// by row; the variant's choice among them; plain moves only when there is none.

#include "core/rules/generate.h"

#include <bit>
#include <cassert>
#include <cstring>

#include "core/rules/capture_search.h"
#include "core/rules/generator_parts.h"
#include "core/rules/rule_family.h"

namespace velmora {

namespace {

using namespace gen;

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

  // The squares of entry r from which a piece of the kind whose captures
  // jump takes something; all squares for one whose captures follow lines,
  // which is tested piece by piece.
  template <RuleFamily F, int Kind>
  std::uint32_t jumpers(int r) const {
    constexpr const PieceRules& piece = kPiece<F, Kind>;
    if constexpr (piece.reach != Reach::Jump) return ~0u;
    const int f = piece.captures.forward ? forward : 1;
    std::uint32_t from = 0;
    forEachDirection<piece.captures>([&]<int dx, int dy>() __attribute__((always_inline)) {
      from |= jumpFrom(r, dx, dy * f, piece.takesMenOnly);
    });
    return from;
  }

  // Row y's `pieces`, kings whose captures follow lines, whose capture
  // search takes something.
  template <RuleFamily F>
  std::uint32_t lineCapturers(std::uint32_t pieces, int y) const {
    if (pieces == 0) return 0;
    return onLines(pieces, y, familyRules(F).king.captures);
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
template <RuleFamily F, int N>
[[gnu::always_inline]] inline Candidates<N> captureCandidates(const Pieces& p, int only) {
  Candidates<N> c;
  std::uint32_t any = 0, anyKing = 0;
  for (int y = 0; y < N; ++y) {
    const int r = y + kRowPad;
    const std::uint32_t ownKings = p.ownKings[r], ownMen = p.own[r] & ~ownKings;
    c.men[y] = only == King ? 0 : ownMen & p.jumpers<F, Man>(r);
    c.kings[y] = 0;
    any |= c.men[y];
    anyKing |= ownKings;
  }
  if (only != Man && anyKing != 0)
    for (int y = 0; y < N; ++y) {
      const int r = y + kRowPad;
      c.kings[y] = p.ownKings[r] & p.jumpers<F, King>(r);
      any |= c.kings[y];
    }
  c.any = any != 0;
  return c;
}

// Row y's candidates that do take something.
template <RuleFamily F, int N>
[[gnu::always_inline]] inline std::uint32_t capturers(const Pieces& p, const Candidates<N>& c, int y) {
  if constexpr (familyRules(F).king.reach != Reach::Jump) return c.men[y] | p.lineCapturers<F>(c.kings[y], y);
  return c.men[y] | c.kings[y];
}

// Runs the capture search of each piece whose kind is `only` (any kind when
// Empty) in scan order, rows upwards and columns from the left, lifted off
// its square so that the square counts as empty during its own search.
template <RuleFamily F, int N>
void capturePass(Context& g, const Pieces& p, int only) {
  const Candidates<N> c = captureCandidates<F, N>(p, only);
  if (!c.any) return;
  // Only squares on the board are ever tested for a piece to take.
  std::memcpy(g.takeable + kRowPad, g.state.pieceRows[g.opponent] + kRowPad, sizeof(std::uint32_t) * N);
  for (int y = 0; y < N; ++y) {
    for (std::uint32_t bits = capturers<F, N>(p, c, y); bits != 0; bits &= bits - 1) {
      const int x = std::countr_zero(bits) - 1;
      const int kind = hasSquare(p.ownKings, x, y) ? King : Man;
      g.empty[y + kRowPad] |= columnBit(x);
      (kind == Man ? manSearch<F>() : kingSearch<F>())(g, x, y, 0, Start{x, y, kind});
      g.empty[y + kRowPad] &= ~columnBit(x);
    }
  }
}

// A sliding king's moves, each direction to the first square that is not
// empty; returns the new count. Kept out of line: the men's loop of the pass
// runs faster without it.
template <Steps kingSteps, int N>
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

template <RuleFamily F, int N>
void plainPass(Context& g, const Pieces& p) {
  constexpr const Steps& manSteps = familyRules(F).man.moves;
  constexpr const Steps& kingSteps = familyRules(F).king.moves;
  static_assert(manSteps.forward && !manSteps.slides && !kingSteps.forward);
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

void choose(Context& g, Choice choice) {
  switch (choice) {
    case Choice::All: return;
    case Choice::GreatestNumber: return keepGreatestNumber(g);
    case Choice::GreatestNumberThenQuality: return keepGreatestNumberThenQuality(g);
    case Choice::LongestOfCrowning: return keepLongestOfCrowning(g);
    case Choice::GreatestNumberThenKings: keepGreatestNumber(g); return keepGreatestWorth(g, choice);
    case Choice::GreatestNumberThenKingFirst:
      keepGreatestNumber(g);
      keepKingsCaptures(g);
      return keepGreatestWorth(g, choice);
    case Choice::GreatestValueThenKingFirst: keepGreatestWorth(g, choice); return keepKingsCaptures(g);
  }
}

template <RuleFamily F>
void chooseAmongCaptures(Context& g, Choice choice) {
  choose(g, choice);
  if constexpr (familyRules(F).oneMovePerCapturedSet) keepOnePerCapturedSet(g);
}

// One instance per rules family and board size, so that the searches and
// plain moves of the family are called directly in the hot loops, and the
// loops over the rows have a fixed length.
template <RuleFamily F, int N>
void generateFor(Context& g) {
  constexpr const FamilyRules& rules = familyRules(F);
  const Pieces pieces = piecesOf(g);
  if constexpr (rules.kingsCaptureFirst) {
    capturePass<F, N>(g, pieces, King);
    if (g.state.moveCount > 0) return chooseAmongCaptures<F>(g, rules.choice);
    capturePass<F, N>(g, pieces, Man);
    if (g.state.moveCount > 0) return chooseAmongCaptures<F>(g, rules.menChoice);
  } else {
    capturePass<F, N>(g, pieces, Empty);
    if (g.state.moveCount > 0) return chooseAmongCaptures<F>(g, rules.choice);
  }
  plainPass<F, N>(g, pieces);
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
template <RuleFamily F>
Generator forSize(Context& g) {
  switch (g.n) {
    case 10: fillEmptyRows<10>(g); return generateFor<F, 10>;
    case 12: fillEmptyRows<12>(g); return generateFor<F, 12>;
    default: fillEmptyRows<8>(g); return generateFor<F, 8>;
  }
}

}  // namespace

void generateMoves(MoveRecord* list, Position& state, int side) {
  if (!state.pieceRowsValid) readPieceRows(state);
  assert(pieceRowsMatchBoard(state));
  state.moveCount = 0;
  Context g(state, list, side);
  switch (rulesOf(state)) {
    case RuleFamily::American: return forSize<RuleFamily::American>(g)(g);
    case RuleFamily::International: return forSize<RuleFamily::International>(g)(g);
    case RuleFamily::PoolCheckers: return forSize<RuleFamily::PoolCheckers>(g)(g);
    case RuleFamily::Russian: return forSize<RuleFamily::Russian>(g)(g);
    case RuleFamily::Italian: return forSize<RuleFamily::Italian>(g)(g);
    case RuleFamily::Spanish: return forSize<RuleFamily::Spanish>(g)(g);
    case RuleFamily::Thai: return forSize<RuleFamily::Thai>(g)(g);
    case RuleFamily::Turkish: return forSize<RuleFamily::Turkish>(g)(g);
    case RuleFamily::Gothic: return forSize<RuleFamily::Gothic>(g)(g);
    case RuleFamily::Frisian: return forSize<RuleFamily::Frisian>(g)(g);
    case RuleFamily::AmericanOfficial: return forSize<RuleFamily::AmericanOfficial>(g)(g);
    case RuleFamily::InternationalOfficial: return forSize<RuleFamily::InternationalOfficial>(g)(g);
    case RuleFamily::PoolCheckersOfficial: return forSize<RuleFamily::PoolCheckersOfficial>(g)(g);
    case RuleFamily::RussianOfficial: return forSize<RuleFamily::RussianOfficial>(g)(g);
    case RuleFamily::ItalianOfficial: return forSize<RuleFamily::ItalianOfficial>(g)(g);
    case RuleFamily::SpanishOfficial: return forSize<RuleFamily::SpanishOfficial>(g)(g);
    case RuleFamily::FrisianOfficial: return forSize<RuleFamily::FrisianOfficial>(g)(g);
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

int captureWorth(const MoveRecord& move, Choice choice) {
  int worth = 0;
  for (int j = 0; j < move.captureCount; ++j) worth += worthOf(choice, move.steps[j].capturedKind, j);
  return worth;
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
