#include "core/ai/search.h"

#include <cassert>

#include "core/ai/evaluation.h"
#include "core/ai/literal_on_bits.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

// Plays `move` into the search's next record slot, scores it, takes it back.
// The board's sum follows the move, so the evaluation after it is a look-up.
template <class Score>
int tryMove(Search& search, const MoveRecord& move, Score score) {
  if (search.stopped()) return 0;
  MoveRecord& slot = search.lists.played[search.ply];
  applyMove(move, slot, search.position);
  ++search.nodes;
  ++search.ply;
  const int change = boardSumChange(search.table, move);
  search.runningSum += change;
  const int value = score();
  search.runningSum -= change;
  --search.ply;
  undoMove(slot, search.position);
  return value;
}

}  // namespace

int searchMin(Search& search, int level, int bound) {
  Position& g = search.position;
  assert(level >= 0 && level <= kMaxSearchDepth);
  MoveRecord* moves = search.lists.records[level][0];
  generateMoves(moves, g, search.task.side);
  const int n = g.moveCount;
  if (n == 0) return kComputerStuck - level;

  if (level == search.task.depth) {
    if (n == 1) {
      search.rootIndex = 0;
      return 1;
    }
    int best = kInitialMinBest;
    for (int i = 0; i < n; ++i) {
      if (search.task.progress && !search.task.progress(search.task.progressContext, i * 100 / n)) return 0;
      if (search.stopped()) return 0;
      const int v = tryMove(search, moves[i], [&] { return searchMax(search, level, best); });
      if (v < best) {  // strictly: ties keep the earliest move
        best = v;
        search.rootIndex = i;
      }
    }
    search.rootBest = best;
    return 1;
  }

  int best = kInitialMinBest;
  for (int i = 0; i < n; ++i) {
    const int v = tryMove(search, moves[i], [&] { return searchMax(search, level, best); });
    if (v < best) best = v;
    if (best <= bound) break;
  }
  return best;
}

int searchMax(Search& search, int level, int bound) {
  Position& g = search.position;
  MoveRecord* moves = search.lists.records[level][1];
  generateMoves(moves, g, search.opponent());
  const int n = g.moveCount;
  if (n == 0) return kOpponentStuck - level;

  // At level 0 every reply is scored by the evaluation: the running sum,
  // which equals a fresh sum over the board after the reply.
  const int sign = g.giveAway ? -1 : 1;
  int best = kInitialMaxBest;
  for (int i = 0; i < n; ++i) {
    const int v = tryMove(search, moves[i],
                          [&] { return level > 0 ? searchMin(search, level - 1, best) : sign * search.runningSum; });
    if (v > best) best = v;
    if (best >= bound) break;
  }
  return best;
}

void prepareSearch(Search& search) {
  assert(search.task.depth >= 0 && search.task.depth <= kMaxSearchDepth);
  buildEvalTable(search.position, search.task.side, search.table);
  search.nodes = 0;
  search.ply = 0;
  search.rootIndex = 0;
  search.rootBest = kInitialMinBest;
  search.runningSum = boardSum(search.position, search.table);
}

int chooseComputerMove(Search& search) {
  prepareSearch(search);
  int result = 0;
  if (chooseOnBits(search, result)) return result;
  return searchMin(search, search.task.depth, kInitialMaxBest);
}

}  // namespace velmora
