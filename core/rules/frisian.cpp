// Frisian captures: the four diagonals, and straight along rows and columns
// over the playable squares two rows or two columns apart.

#include "core/rules/generator_parts.h"

namespace velmora::gen {

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
  for (const Step& d : kFrisianLines) found |= lineCapture(g, x, y, d.dx, d.dy, depth, start, false, frisianKingSearch);
  if (!found && depth >= 1) recordSequence(g, depth, start, false);
}

}  // namespace velmora::gen
