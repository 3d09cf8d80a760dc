#include "core/rules/generator_parts.h"

#include <cstring>

#include "core/rules/generate.h"
#include "core/rules/rule_family.h"

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

// Whether a king on (x, y) takes something along one of `lines` as the
// capture stands: the pieces taken so far block and are not taken again.
bool capturesFrom(const Context& g, int x, int y, const Steps& lines) {
  for (const Step& d : lines) {
    int cx, cy;
    firstStop(g.empty, g.n, x, y, d.dx, d.dy, cx, cy);
    if (g.inside(cx, cy) && hasSquare(g.takeable, cx, cy) && g.inside(cx + d.dx, cy + d.dy) &&
        g.emptyAt(cx + d.dx, cy + d.dy))
      return true;
  }
  return false;
}

}  // namespace

bool lineCaptureGoingOn(Context& g, int x, int y, int dx, int dy, int depth, const Start& start, const Steps& lines,
                        CaptureSearch next) {
  int cx, cy;
  firstStop(g.empty, g.n, x, y, dx, dy, cx, cy);
  if (!g.inside(cx, cy)) return false;
  std::uint32_t& takeable = g.takeable[cy + kRowPad];
  const std::uint32_t victim = columnBit(cx);
  if (!(takeable & victim)) return false;
  const int firstX = cx + dx, firstY = cy + dy;
  if (!g.inside(firstX, firstY) || !g.emptyAt(firstX, firstY)) return false;

  const int victimKind = g.opponentKindAt(cx, cy);
  takeable &= ~victim;
  const auto landing = [&](int lx, int ly) { return g.inside(lx, ly) && g.emptyAt(lx, ly); };
  bool goesOn = false;
  for (int lx = firstX, ly = firstY; landing(lx, ly) && !goesOn; lx += dx, ly += dy)
    goesOn = capturesFrom(g, lx, ly, lines);
  for (int lx = firstX, ly = firstY; landing(lx, ly); lx += dx, ly += dy) {
    if (goesOn && !capturesFrom(g, lx, ly, lines)) continue;
    writeStep(g, depth, lx, ly, King, cx, cy, victimKind);
    next(g, lx, ly, depth + 1, start);
    if (g.full()) break;
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

void keepGreatestWorth(Context& g, Choice choice) {
  if (g.state.moveCount < 2) return;
  int worth[kMaxMoves];
  int best = 0;
  for (int i = 0; i < g.state.moveCount; ++i) {
    worth[i] = captureWorth(g.list[i], choice);
    if (worth[i] > best) best = worth[i];
  }
  int kept = 0;
  for (int i = 0; i < g.state.moveCount; ++i) {
    if (worth[i] != best) continue;
    if (kept != i) g.list[kept] = g.list[i];
    ++kept;
  }
  g.state.moveCount = kept;
}

void keepKingsCaptures(Context& g) {
  bool king = false;
  for (int i = 0; i < g.state.moveCount && !king; ++i) king = g.list[i].pieceKind == King;
  if (king) compact(g, [](const MoveRecord& r) { return r.pieceKind == King; });
}

namespace {

bool sameCapturedSet(const MoveRecord& a, const MoveRecord& b) {
  for (int j = 0; j < a.captureCount; ++j) {
    bool found = false;
    for (int k = 0; k < b.captureCount && !found; ++k)
      found = a.steps[j].capturedX == b.steps[k].capturedX && a.steps[j].capturedY == b.steps[k].capturedY;
    if (!found) return false;
  }
  return true;
}

// The same move by another route: the same square, the same pieces taken,
// the same destination.
bool sameMove(const MoveRecord& a, const MoveRecord& b) {
  const MoveStep &endA = a.finalStep(), &endB = b.finalStep();
  return a.fromX == b.fromX && a.fromY == b.fromY && a.captureCount == b.captureCount && endA.toX == endB.toX &&
         endA.toY == endB.toY && sameCapturedSet(a, b);
}

}  // namespace

void keepOnePerCapturedSet(Context& g) {
  int kept = 0;
  for (int i = 0; i < g.state.moveCount; ++i) {
    bool seen = false;
    for (int j = 0; j < kept && !seen; ++j) seen = sameMove(g.list[j], g.list[i]);
    if (seen) continue;
    if (kept != i) g.list[kept] = g.list[i];
    ++kept;
  }
  g.state.moveCount = kept;
}

}  // namespace velmora::gen
