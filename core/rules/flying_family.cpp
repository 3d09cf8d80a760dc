// Men that capture in all four diagonal directions and kings that fly along
// whole diagonals: International, Brazilian, Canadian, Pool checkers, Russian;
// the flying king is also Spanish's.

#include "core/rules/generator_parts.h"

namespace velmora::gen {

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
  for (const Step& d : kDiagonalLines) found |= lineCapture(g, x, y, d.dx, d.dy, depth, start, false, flyingKingSearch);
  if (!found && depth >= 1) recordSequence(g, depth, start, false);
}

// Every jump of a Russian man ends a listed move. A man crowned by a jump goes
// on as a flying king in the same move, still recorded as a man; when it has
// nothing more to take, the king search lists the sequence a second time.
void russianManSearch(Context& g, int x, int y, int depth, const Start& start) {
  if (depth == kMaxSteps || g.full()) return;
  const int n = g.n;
  const auto jump = [&](int dx, int dy) __attribute__((always_inline)) {
    const int victimX = x + dx, victimY = y + dy, landX = x + 2 * dx, landY = y + 2 * dy;
    std::uint32_t& takeable = g.takeable[victimY + kRowPad];
    const std::uint32_t victim = columnBit(victimX);
    if (!(takeable & victim) || !g.emptyAt(landX, landY)) return;
    const int kindAfter = landY == g.promotionRow() ? King : Man;
    writeStep(g, depth, landX, landY, kindAfter, victimX, victimY, g.opponentKindAt(victimX, victimY));
    recordSequence(g, depth + 1, start, false);
    takeable &= ~victim;
    if (kindAfter == Man)
      russianManSearch(g, landX, landY, depth + 1, start);
    else
      flyingKingSearch(g, landX, landY, depth + 1, start);
    takeable |= victim;
  };
  if (x <= n - 3 && y <= n - 3) jump(+1, +1);
  if (x >= 2 && y <= n - 3) jump(-1, +1);
  if (x <= n - 3 && y >= 2) jump(+1, -1);
  if (x >= 2 && y >= 2) jump(-1, -1);
}

// Thai kings approach from a distance but land directly behind the piece.
void thaiKingSearch(Context& g, int x, int y, int depth, const Start& start) {
  if (atLimit(g, depth, start, false)) return;
  bool found = false;
  for (const Step& d : kDiagonalLines) found |= lineCapture(g, x, y, d.dx, d.dy, depth, start, true, thaiKingSearch);
  if (!found && depth >= 1) recordSequence(g, depth, start, false);
}

}  // namespace velmora::gen
