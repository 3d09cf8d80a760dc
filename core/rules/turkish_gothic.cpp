// The two variants that use every square: Turkish (orthogonal men and flying
// kings) and Gothic (men forward, sideways and diagonally forward; kings one
// square in all eight directions).

#include "core/rules/generator_parts.h"

namespace velmora::gen {

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
  for (const Step& d : kOrthogonalLines)
    found |= lineCapture(g, x, y, d.dx, d.dy, depth, start, false, turkishKingSearch);
  if (!found && depth >= 1) recordSequence(g, depth, start, false);
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

}  // namespace velmora::gen
