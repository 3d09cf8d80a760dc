#pragma once
// The pieces every variant's generator is built from: the per-call context,
// recording of capture sequences, and the capture searches and plain-move
// passes of each family. Internal to the rules engine.

#include <cstring>

#include "core/rules/game_state.h"
#include "core/rules/move.h"

namespace velmora::gen {

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

}  // namespace velmora::gen
