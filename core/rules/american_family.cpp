// Men that move and capture forward only, kings that go one square at a time.
// Used by American, Crowded and Sparse checkers, and by Italian, Spanish, Thai.

#include "core/rules/generator_parts.h"

namespace velmora::gen {

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

}  // namespace velmora::gen
