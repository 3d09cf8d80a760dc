// The move generator as it stood before the engine kept piece rows beside the
// board: it reads every square it needs from the board itself. Kept as the
// oracle the engine's generator is compared with, move for move and in order.

#include "support/reference_generator.h"

#include <bit>
#include <cstring>

#include "core/rules/generate.h"

namespace velmora::reference {

namespace gen {

struct Context {
  GameState& state;
  MoveRecord* list;
  int n;  // boardSize
  int mover;
  int opponent;

  Cell& at(int x, int y) { return state.board[y][x]; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < n && y < n; }
  bool full() const { return state.moveCount >= kMaxMoves; }
  int promotionRow() const { return mover == White ? n - 1 : 0; }
  int forward() const { return mover == White ? 1 : -1; }
};

// Where a capture sequence started and the kind it records as `pieceKind`.
struct Start {
  int x;
  int y;
  int kind;
};

using CaptureSearch = void (*)(Context&, int x, int y, int depth, const Start&);
using PlainMoves = void (*)(Context&, int x, int y);

// How a captured piece is kept out of play while the search goes deeper.
enum class TakeOut { Remove, Mark, Leave };

inline void writeStep(Context& g, int depth, int toX, int toY, int kindAfter, int capX, int capY, int capKind) {
  g.state.scratchPath[depth] =
      MoveStep{static_cast<std::int8_t>(toX),  static_cast<std::int8_t>(toY),  static_cast<std::int8_t>(kindAfter),
               static_cast<std::int8_t>(capX), static_cast<std::int8_t>(capY), static_cast<std::int8_t>(capKind)};
}

// Appends scratchPath[0..depth-1] as a record; with `crownOnLastRow` a final
// step on the mover's promotion row becomes King. Drops it when the list is full.
void recordSequence(Context& g, int depth, const Start& start, bool crownOnLastRow);

// The jump over (x+dx, y+dy) to (x+2dx, y+2dy); the caller has checked both are
// on the board. Returns whether the jump was possible (and so was searched).
// Defined here so that the compiler can inline it into every search.
[[gnu::always_inline]] inline bool shortJump(Context& g, int x, int y, int dx, int dy, int depth, const Start& start,
                                             TakeOut how, int kindAfter, bool menOnly, CaptureSearch next) {
  Cell& victim = g.at(x + dx, y + dy);
  const int landX = x + 2 * dx, landY = y + 2 * dy;
  if (victim.kind == Empty || victim.side != g.opponent || g.at(landX, landY).kind != Empty) return false;
  if (menOnly && victim.kind != Man) return false;

  writeStep(g, depth, landX, landY, kindAfter, x + dx, y + dy, victim.kind);
  const Cell saved = victim;
  if (how == TakeOut::Remove) victim.kind = Empty;
  if (how == TakeOut::Mark) victim.side = g.mover;  // still blocks, cannot be taken again
  next(g, landX, landY, depth + 1, start);
  victim = saved;
  return true;
}

// A capture from a distance along the line (dx, dy): the first occupied square
// is the victim, the empty squares beyond it are landing squares (only the
// nearest with `nearestOnly`). Captured pieces are marked.
bool lineCapture(Context& g, int x, int y, int dx, int dy, int depth, const Start& start, bool nearestOnly,
                 CaptureSearch next);

// Where a capture search stops short: a full list takes no more records, and a
// path of kMaxSteps has no room for another step, so it is recorded as it is.
inline bool atLimit(Context& g, int depth, const Start& start, bool crownOnLastRow) {
  if (g.full()) return true;
  if (depth < kMaxSteps) return false;
  recordSequence(g, depth, start, crownOnLastRow);
  return true;
}

[[gnu::always_inline]] inline void addPlainMove(Context& g, int x, int y, int toX, int toY, int kindAfter) {
  if (g.full()) return;
  const Cell& c = g.at(x, y);
  // Header and step 0 built locally and stored as one block rounded up to
  // 16 bytes, a single store; a plain move captures nothing, so step 0's
  // captured square and kind, and the bytes after it, are 0.
  const std::int8_t bytes[kPlainMoveBlockBytes] = {static_cast<std::int8_t>(x),
                                                   static_cast<std::int8_t>(y),
                                                   static_cast<std::int8_t>(c.kind),
                                                   static_cast<std::int8_t>(c.side),
                                                   0,
                                                   static_cast<std::int8_t>(toX),
                                                   static_cast<std::int8_t>(toY),
                                                   static_cast<std::int8_t>(kindAfter)};
  std::memcpy(&g.list[g.state.moveCount++], bytes, sizeof bytes);
}
// Every empty square along (dx, dy) up to the first occupied one or the edge.
void addSlidingMoves(Context& g, int x, int y, int dx, int dy);

// American family and the short searches other variants reuse.
void forwardManSearch(Context&, int x, int y, int depth, const Start&);
void italianManSearch(Context&, int x, int y, int depth, const Start&);
void shortKingSearch(Context&, int x, int y, int depth, const Start&);
void diagonalManPlain(Context&, int x, int y);
void shortKingPlain(Context&, int x, int y);

// Flying-king family.
void fourWayManSearch(Context&, int x, int y, int depth, const Start&);
void flyingKingSearch(Context&, int x, int y, int depth, const Start&);
void russianManSearch(Context&, int x, int y, int depth, const Start&);
void flyingKingPlain(Context&, int x, int y);

// Thai.
void thaiKingSearch(Context&, int x, int y, int depth, const Start&);

// Turkish and Gothic.
void turkishManSearch(Context&, int x, int y, int depth, const Start&);
void turkishKingSearch(Context&, int x, int y, int depth, const Start&);
void turkishManPlain(Context&, int x, int y);
void turkishKingPlain(Context&, int x, int y);
void gothicManSearch(Context&, int x, int y, int depth, const Start&);
void gothicKingSearch(Context&, int x, int y, int depth, const Start&);
void gothicManPlain(Context&, int x, int y);
void gothicKingPlain(Context&, int x, int y);

// Frisian.
void frisianManSearch(Context&, int x, int y, int depth, const Start&);
void frisianKingSearch(Context&, int x, int y, int depth, const Start&);

// Choices among the recorded captures, applied in place to list[0..moveCount).
void keepGreatestNumber(Context& g);
void keepGreatestNumberThenQuality(Context& g);
void keepRussianCrownedLongest(Context& g);

void recordSequence(Context& g, int depth, const Start& start, bool crownOnLastRow) {
  if (g.full()) return;
  MoveRecord& m = g.list[g.state.moveCount++];
  m.fromX = static_cast<std::int8_t>(start.x);
  m.fromY = static_cast<std::int8_t>(start.y);
  m.pieceKind = static_cast<std::int8_t>(start.kind);
  m.pieceSide = static_cast<std::int8_t>(g.at(start.x, start.y).side);
  m.captureCount = static_cast<std::int8_t>(depth);
  std::memcpy(m.steps, g.state.scratchPath, sizeof(MoveStep) * static_cast<size_t>(depth));
  MoveStep& last = m.steps[depth - 1];
  if (crownOnLastRow && last.toY == g.promotionRow()) last.kindAfter = King;
}

bool lineCapture(Context& g, int x, int y, int dx, int dy, int depth, const Start& start, bool nearestOnly,
                 CaptureSearch next) {
  int cx = x + dx, cy = y + dy;
  while (g.inside(cx, cy) && g.at(cx, cy).kind == Empty) {
    cx += dx;
    cy += dy;
  }
  if (!g.inside(cx, cy)) return false;
  Cell& victim = g.at(cx, cy);
  if (victim.side == g.mover) return false;  // own piece, or one already taken in this move
  int lx = cx + dx, ly = cy + dy;
  if (!g.inside(lx, ly) || g.at(lx, ly).kind != Empty) return false;  // an edge piece is never taken

  const int victimSide = victim.side;
  victim.side = g.mover;
  for (; g.inside(lx, ly) && g.at(lx, ly).kind == Empty; lx += dx, ly += dy) {
    writeStep(g, depth, lx, ly, King, cx, cy, victim.kind);
    next(g, lx, ly, depth + 1, start);
    if (nearestOnly || g.full()) break;
  }
  victim.side = victimSide;
  return true;
}

void addSlidingMoves(Context& g, int x, int y, int dx, int dy) {
  for (int tx = x + dx, ty = y + dy; g.inside(tx, ty) && g.at(tx, ty).kind == Empty; tx += dx, ty += dy)
    addPlainMove(g, x, y, tx, ty, King);
}

namespace {

// Moves the records that `keep` accepts down to the front, in their order.
template <class Keep>
void compact(Context& g, Keep keep) {
  int kept = 0;
  for (int i = 0; i < g.state.moveCount; ++i) {
    if (!keep(g.list[i])) continue;
    if (kept != i) g.list[kept] = g.list[i];
    ++kept;
  }
  g.state.moveCount = kept;
}

int longestCapture(const Context& g) {
  int m = 0;
  for (int i = 0; i < g.state.moveCount; ++i)
    if (g.list[i].captureCount > m) m = g.list[i].captureCount;
  return m;
}

bool crowned(const MoveRecord& r) { return r.finalStep().kindAfter != r.pieceKind; }

}  // namespace

void keepGreatestNumber(Context& g) {
  const int m = longestCapture(g);
  compact(g, [m](const MoveRecord& r) { return r.captureCount == m; });
}

void keepGreatestNumberThenQuality(Context& g) {
  keepGreatestNumber(g);
  int best = 0;
  for (int i = 0; i < g.state.moveCount; ++i)
    if (captureQuality(g.list[i]) > best) best = captureQuality(g.list[i]);
  compact(g, [best](const MoveRecord& r) { return captureQuality(r) == best; });
}

// A man's sequence is listed at every jump; only among the sequences that
// crowned the man does the longest win.
void keepRussianCrownedLongest(Context& g) {
  int m = -1;
  for (int i = 0; i < g.state.moveCount; ++i)
    if (crowned(g.list[i]) && g.list[i].captureCount > m) m = g.list[i].captureCount;
  if (m < 0) return;
  compact(g, [m](const MoveRecord& r) { return !crowned(r) || r.captureCount == m; });
}

namespace {

// Forward captures, captured pieces removed; a man that lands on its promotion
// row is crowned and, having no forward jump left, ends there.
[[gnu::always_inline]] inline void forwardJumps(Context& g, int x, int y, int depth, const Start& start, bool menOnly,
                                                CaptureSearch self) {
  if (atLimit(g, depth, start, false)) return;
  const int f = g.forward();
  const int n = g.n;
  bool found = false;
  if (f > 0 ? y <= n - 3 : y >= 2) {
    const int kindAfter = y + 2 * f == g.promotionRow() ? King : Man;
    if (x >= 2) found |= shortJump(g, x, y, -1, f, depth, start, TakeOut::Remove, kindAfter, menOnly, self);
    if (x <= n - 3) found |= shortJump(g, x, y, +1, f, depth, start, TakeOut::Remove, kindAfter, menOnly, self);
  }
  if (!found && depth >= 1) recordSequence(g, depth, start, false);
}

}  // namespace

void forwardManSearch(Context& g, int x, int y, int depth, const Start& start) {
  forwardJumps(g, x, y, depth, start, false, forwardManSearch);
}

// As the forward search, but a man may only take men.
void italianManSearch(Context& g, int x, int y, int depth, const Start& start) {
  forwardJumps(g, x, y, depth, start, true, italianManSearch);
}

void shortKingSearch(Context& g, int x, int y, int depth, const Start& start) {
  if (atLimit(g, depth, start, false)) return;
  const int n = g.n;
  bool found = false;
  const auto jump = [&](int dx, int dy) __attribute__((always_inline)) {
    found |= shortJump(g, x, y, dx, dy, depth, start, TakeOut::Remove, King, false, shortKingSearch);
  };
  if (y <= n - 3 && x >= 2) jump(-1, +1);
  if (y <= n - 3 && x <= n - 3) jump(+1, +1);
  if (y >= 2 && x >= 2) jump(-1, -1);
  if (y >= 2 && x <= n - 3) jump(+1, -1);
  if (!found && depth >= 1) recordSequence(g, depth, start, false);
}

void diagonalManPlain(Context& g, int x, int y) {
  const int ty = y + g.forward();
  if (ty < 0 || ty >= g.n) return;
  const int kindAfter = ty == g.promotionRow() ? King : Man;
  if (x >= 1 && g.at(x - 1, ty).kind == Empty) addPlainMove(g, x, y, x - 1, ty, kindAfter);
  if (x <= g.n - 2 && g.at(x + 1, ty).kind == Empty) addPlainMove(g, x, y, x + 1, ty, kindAfter);
}

void shortKingPlain(Context& g, int x, int y) {
  const auto step = [&](int dx, int dy) __attribute__((always_inline)) {
    if (g.inside(x + dx, y + dy) && g.at(x + dx, y + dy).kind == Empty) addPlainMove(g, x, y, x + dx, y + dy, King);
  };
  step(-1, +1);
  step(+1, +1);
  step(-1, -1);
  step(+1, -1);
}

namespace {

constexpr int kFlyingOrder[4][2] = {{+1, +1}, {-1, +1}, {+1, -1}, {-1, -1}};

}  // namespace

// Captured pieces are marked; every step leaves a man, crowned only if the
// whole sequence ends on the promotion row.
void fourWayManSearch(Context& g, int x, int y, int depth, const Start& start) {
  if (atLimit(g, depth, start, true)) return;
  const int n = g.n;
  bool found = false;
  const auto jump = [&](int dx, int dy) __attribute__((always_inline)) {
    found |= shortJump(g, x, y, dx, dy, depth, start, TakeOut::Mark, Man, false, fourWayManSearch);
  };
  if (y <= n - 3 && x >= 2) jump(-1, +1);
  if (y <= n - 3 && x <= n - 3) jump(+1, +1);
  if (y >= 2 && x >= 2) jump(-1, -1);
  if (y >= 2 && x <= n - 3) jump(+1, -1);
  if (!found && depth >= 1) recordSequence(g, depth, start, true);
}

void flyingKingSearch(Context& g, int x, int y, int depth, const Start& start) {
  if (atLimit(g, depth, start, false)) return;
  bool found = false;
  for (const auto& d : kFlyingOrder) found |= lineCapture(g, x, y, d[0], d[1], depth, start, false, flyingKingSearch);
  if (!found && depth >= 1) recordSequence(g, depth, start, false);
}

// Every jump of a Russian man ends a listed move. A man crowned by a jump goes
// on as a flying king in the same move, still recorded as a man; when it has
// nothing more to take, the king search lists the sequence a second time.
void russianManSearch(Context& g, int x, int y, int depth, const Start& start) {
  if (depth == kMaxSteps || g.full()) return;
  const int n = g.n;
  const auto jump = [&](int dx, int dy) __attribute__((always_inline)) {
    Cell& victim = g.at(x + dx, y + dy);
    const int landX = x + 2 * dx, landY = y + 2 * dy;
    if (victim.kind == Empty || victim.side != g.opponent || g.at(landX, landY).kind != Empty) return;
    const int kindAfter = landY == g.promotionRow() ? King : Man;
    writeStep(g, depth, landX, landY, kindAfter, x + dx, y + dy, victim.kind);
    recordSequence(g, depth + 1, start, false);
    victim.side = g.mover;
    if (kindAfter == Man)
      russianManSearch(g, landX, landY, depth + 1, start);
    else
      flyingKingSearch(g, landX, landY, depth + 1, start);
    victim.side = g.opponent;
  };
  if (x <= n - 3 && y <= n - 3) jump(+1, +1);
  if (x >= 2 && y <= n - 3) jump(-1, +1);
  if (x <= n - 3 && y >= 2) jump(+1, -1);
  if (x >= 2 && y >= 2) jump(-1, -1);
}

void flyingKingPlain(Context& g, int x, int y) {
  for (const auto& d : kFlyingOrder) addSlidingMoves(g, x, y, d[0], d[1]);
}

// Thai kings approach from a distance but land directly behind the piece.
void thaiKingSearch(Context& g, int x, int y, int depth, const Start& start) {
  if (atLimit(g, depth, start, false)) return;
  bool found = false;
  for (const auto& d : kFlyingOrder) found |= lineCapture(g, x, y, d[0], d[1], depth, start, true, thaiKingSearch);
  if (!found && depth >= 1) recordSequence(g, depth, start, false);
}

namespace {

constexpr int kKingLines[8][2] = {{+1, +1}, {-1, +1}, {+1, -1}, {-1, -1}, {0, +2}, {0, -2}, {+2, 0}, {-2, 0}};

}  // namespace

// Captured pieces are marked; a man is crowned only if the whole sequence ends
// on the promotion row. The unplayable squares an orthogonal jump passes are
// never examined.
// The jump lambdas of the searches are forced inline: the link-time
// optimiser otherwise weighs them differently from build to build.
void frisianManSearch(Context& g, int x, int y, int depth, const Start& start) {
  if (atLimit(g, depth, start, true)) return;
  const int n = g.n;
  bool found = false;
  const auto jump = [&](int dx, int dy) __attribute__((always_inline)) {
    found |= shortJump(g, x, y, dx, dy, depth, start, TakeOut::Mark, Man, false, frisianManSearch);
  };
  if (y <= n - 3 && x >= 2) jump(-1, +1);
  if (y <= n - 3 && x <= n - 3) jump(+1, +1);
  if (y >= 2 && x >= 2) jump(-1, -1);
  if (y >= 2 && x <= n - 3) jump(+1, -1);
  if (y <= n - 5) jump(0, +2);
  if (y >= 4) jump(0, -2);
  if (x <= n - 5) jump(+2, 0);
  if (x >= 4) jump(-2, 0);
  if (!found && depth >= 1) recordSequence(g, depth, start, true);
}

void frisianKingSearch(Context& g, int x, int y, int depth, const Start& start) {
  if (atLimit(g, depth, start, false)) return;
  bool found = false;
  for (const auto& d : kKingLines) found |= lineCapture(g, x, y, d[0], d[1], depth, start, false, frisianKingSearch);
  if (!found && depth >= 1) recordSequence(g, depth, start, false);
}

namespace {

constexpr int kTurkishKingOrder[4][2] = {{0, +1}, {+1, 0}, {0, -1}, {-1, 0}};

// Inlined: it runs for every man of every Turkish or Gothic position.
[[gnu::always_inline]] inline void stepIfEmpty(Context& g, int x, int y, int dx, int dy, int kindAfter) {
  if (g.inside(x + dx, y + dy) && g.at(x + dx, y + dy).kind == Empty) addPlainMove(g, x, y, x + dx, y + dy, kindAfter);
}

}  // namespace

// Sideways and forward jumps, captured pieces marked; crowned only if the
// sequence ends on the promotion row.
void turkishManSearch(Context& g, int x, int y, int depth, const Start& start) {
  if (atLimit(g, depth, start, true)) return;
  const int n = g.n, f = g.forward();
  bool found = false;
  const auto jump = [&](int dx, int dy) __attribute__((always_inline)) {
    found |= shortJump(g, x, y, dx, dy, depth, start, TakeOut::Mark, Man, false, turkishManSearch);
  };
  if (x <= n - 3) jump(+1, 0);
  if (x >= 2) jump(-1, 0);
  if (f > 0 ? y <= n - 3 : y >= 2) jump(0, f);
  if (!found && depth >= 1) recordSequence(g, depth, start, true);
}

// The flying king along rows and columns; captured pieces stay on the board,
// marked, so the king can neither cross one again nor turn back over it.
void turkishKingSearch(Context& g, int x, int y, int depth, const Start& start) {
  if (atLimit(g, depth, start, false)) return;
  bool found = false;
  for (const auto& d : kTurkishKingOrder)
    found |= lineCapture(g, x, y, d[0], d[1], depth, start, false, turkishKingSearch);
  if (!found && depth >= 1) recordSequence(g, depth, start, false);
}

void turkishManPlain(Context& g, int x, int y) {
  stepIfEmpty(g, x, y, +1, 0, Man);
  stepIfEmpty(g, x, y, -1, 0, Man);
  const int ty = y + g.forward();
  stepIfEmpty(g, x, y, 0, g.forward(), ty == g.promotionRow() ? King : Man);
}

void turkishKingPlain(Context& g, int x, int y) {
  for (const auto& d : kTurkishKingOrder) addSlidingMoves(g, x, y, d[0], d[1]);
}

// Sideways jumps mark the captured piece and leave a man; forward jumps leave
// it unmarked (a man never returns to a lower row to meet it again) and crown
// on the promotion row. The piece ends as the final step says.
void gothicManSearch(Context& g, int x, int y, int depth, const Start& start) {
  if (atLimit(g, depth, start, false)) return;
  const int n = g.n, f = g.forward();
  bool found = false;
  if (x <= n - 3) found |= shortJump(g, x, y, +1, 0, depth, start, TakeOut::Mark, Man, false, gothicManSearch);
  if (x >= 2) found |= shortJump(g, x, y, -1, 0, depth, start, TakeOut::Mark, Man, false, gothicManSearch);
  if (f > 0 ? y <= n - 3 : y >= 2) {
    const int kindAfter = y + 2 * f == g.promotionRow() ? King : Man;
    const auto forwardJump = [&](int dx) __attribute__((always_inline)) {
      found |= shortJump(g, x, y, dx, f, depth, start, TakeOut::Leave, kindAfter, false, gothicManSearch);
    };
    forwardJump(0);
    if (x <= n - 3) forwardJump(+1);
    if (x >= 2) forwardJump(-1);
  }
  if (!found && depth >= 1) recordSequence(g, depth, start, false);
}

void gothicKingSearch(Context& g, int x, int y, int depth, const Start& start) {
  if (atLimit(g, depth, start, false)) return;
  const int n = g.n;
  bool found = false;
  const auto jump = [&](int dx, int dy) __attribute__((always_inline)) {
    found |= shortJump(g, x, y, dx, dy, depth, start, TakeOut::Mark, King, false, gothicKingSearch);
  };
  if (x <= n - 3) jump(+1, 0);
  if (x >= 2) jump(-1, 0);
  if (y <= n - 3) {
    jump(0, +1);
    if (x <= n - 3) jump(+1, +1);
    if (x >= 2) jump(-1, +1);
  }
  if (y >= 2) {
    jump(0, -1);
    if (x <= n - 3) jump(+1, -1);
    if (x >= 2) jump(-1, -1);
  }
  if (!found && depth >= 1) recordSequence(g, depth, start, false);
}

void gothicManPlain(Context& g, int x, int y) {
  stepIfEmpty(g, x, y, -1, 0, Man);
  stepIfEmpty(g, x, y, +1, 0, Man);
  const int f = g.forward();
  const int kindAfter = y + f == g.promotionRow() ? King : Man;
  stepIfEmpty(g, x, y, 0, f, kindAfter);
  stepIfEmpty(g, x, y, -1, f, kindAfter);
  stepIfEmpty(g, x, y, +1, f, kindAfter);
}

void gothicKingPlain(Context& g, int x, int y) {
  stepIfEmpty(g, x, y, -1, 0, King);
  stepIfEmpty(g, x, y, +1, 0, King);
  stepIfEmpty(g, x, y, 0, +1, King);
  stepIfEmpty(g, x, y, -1, +1, King);
  stepIfEmpty(g, x, y, +1, +1, King);
  stepIfEmpty(g, x, y, 0, -1, King);
  stepIfEmpty(g, x, y, -1, -1, King);
  stepIfEmpty(g, x, y, +1, -1, King);
}

}  // namespace gen

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

// The mover's and the opponent's pieces as one bit per column for each row,
// found in one pass; walking the rows upwards and the bits from the lowest is
// the scan order. Rows and columns are shifted by one so that the squares
// around any square can be read without bounds checks.
struct Pieces {
  std::uint32_t own[kMaxBoardSize + 2];
  std::uint32_t opponent[kMaxBoardSize + 2];

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

template <int N>
void findPiecesOn(const Context& g, Pieces& p) {
  p.own[0] = p.opponent[0] = p.own[N + 1] = p.opponent[N + 1] = 0;
  for (int y = 0; y < N; ++y) {
    const Cell* cells = g.state.board[y];
    std::uint32_t occupied = 0, black = 0;
    // Kinds are 0, 1 or 2 and sides 0 or 1, so (kind + 1) / 2 is 1 exactly
    // for a piece and the side is its own bit.
#pragma GCC unroll 12
    for (int x = 0; x < N; ++x) {
      occupied |= static_cast<std::uint32_t>((cells[x].kind + 1) >> 1) << (x + 1);
      black |= static_cast<std::uint32_t>(cells[x].side) << (x + 1);
    }
    // An empty cell's side is stale and falls out with `occupied`.
    const std::uint32_t own = occupied & (g.mover == White ? ~black : black);
    p.own[y + 1] = own;
    p.opponent[y + 1] = occupied & ~own;
  }
}

void findPieces(const Context& g, Pieces& p) {
  switch (g.n) {
    case 10: return findPiecesOn<10>(g, p);
    case 12: return findPiecesOn<12>(g, p);
    default: return findPiecesOn<8>(g, p);
  }
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
  Pieces pieces;
  findPieces(g, pieces);
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
  Pieces pieces;
  findPieces(g, pieces);
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
  state.moveCount = 0;
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

}  // namespace velmora::reference
