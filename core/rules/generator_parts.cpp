#include "core/rules/generator_parts.h"

#include <cstring>

#include "core/rules/generate.h"

namespace velmora::gen {

void recordSequence(Context& g, int depth, const Start& start, bool crownOnLastRow) {
  if (g.full()) return;
  MoveRecord& m = g.list[g.state.moveCount++];
  m.fromX = static_cast<std::int8_t>(start.x);
  m.fromY = static_cast<std::int8_t>(start.y);
  m.pieceKind = static_cast<std::int8_t>(start.kind);
  m.pieceSide = static_cast<std::int8_t>(g.mover);
  m.captureCount = static_cast<std::int8_t>(depth);
  std::memcpy(m.steps, g.state.scratchPath, sizeof(MoveStep) * static_cast<size_t>(depth));
  MoveStep& last = m.steps[depth - 1];
  if (crownOnLastRow && last.toY == g.promotionRow()) last.kindAfter = King;
}

bool lineCapture(Context& g, int x, int y, int dx, int dy, int depth, const Start& start, bool nearestOnly,
                 CaptureSearch next) {
  int cx, cy;
  firstStop(g.empty, g.n, x, y, dx, dy, cx, cy);
  if (!g.inside(cx, cy)) return false;
  std::uint32_t& takeable = g.takeable[cy + kRowPad];
  const std::uint32_t victim = columnBit(cx);
  if (!(takeable & victim)) return false;  // own piece, or one already taken in this move
  int lx = cx + dx, ly = cy + dy;
  if (!g.inside(lx, ly) || !g.emptyAt(lx, ly)) return false;  // an edge piece is never taken

  const int victimKind = g.opponentKindAt(cx, cy);
  takeable &= ~victim;
  for (; g.inside(lx, ly) && g.emptyAt(lx, ly); lx += dx, ly += dy) {
    writeStep(g, depth, lx, ly, King, cx, cy, victimKind);
    next(g, lx, ly, depth + 1, start);
    if (nearestOnly || g.full()) break;
  }
  takeable |= victim;
  return true;
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
  if (g.state.moveCount < 2) return;
  // Each record's quality once: the steps are walked for it.
  int quality[kMaxMoves];
  int best = 0;
  for (int i = 0; i < g.state.moveCount; ++i) {
    quality[i] = captureQuality(g.list[i]);
    if (quality[i] > best) best = quality[i];
  }
  int kept = 0;
  for (int i = 0; i < g.state.moveCount; ++i) {
    if (quality[i] != best) continue;
    if (kept != i) g.list[kept] = g.list[i];
    ++kept;
  }
  g.state.moveCount = kept;
}

// A man's sequence is listed at every jump; only among the sequences that
// crowned the man does the longest win.
void keepLongestOfCrowning(Context& g) {
  int m = -1;
  for (int i = 0; i < g.state.moveCount; ++i)
    if (crowned(g.list[i]) && g.list[i].captureCount > m) m = g.list[i].captureCount;
  if (m < 0) return;
  compact(g, [m](const MoveRecord& r) { return !crowned(r) || r.captureCount == m; });
}

}  // namespace velmora::gen
