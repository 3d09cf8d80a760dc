#include "core/ai/search.h"

#include <cassert>

#include "core/ai/evaluation.h"
#include "core/ai/literal_on_bits.h"
#include "core/rules/game_state.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

// Level a holds the computer's moves in slot 0 and the opponent's in slot 1.
MoveRecord searchBuffers[kMaxSearchDepth + 1][2][kMaxMoves];

// Plays `move` into the next game record slot, scores it, takes it back.
// The board's sum follows the move, so the evaluation after it is a look-up.
template <class Score>
int tryMove(Search& search, const MoveRecord& move, Score score) {
  GameState& g = search.game;
  if (search.stop && search.stop->load(std::memory_order_relaxed)) {
    g.thinking = 0;
    return 0;
  }
  MoveRecord& slot = g.gameRecord[g.plyCount];
  applyMove(move, slot, g);
  ++search.nodes;
  ++g.plyCount;
  const int change = boardSumChange(search.table, move);
  search.runningSum += change;
  const int value = score();
  search.runningSum -= change;
  --g.plyCount;
  undoMove(slot, g);
  return value;
}

}  // namespace

int searchMin(Search& search, int level, int bound) {
  GameState& g = search.game;
  assert(level >= 0 && level <= kMaxSearchDepth);
  assert(g.plyCount + 2 * level + 2 <= kGameRecordSlots);
  MoveRecord* moves = searchBuffers[level][0];
  generateMoves(moves, g, g.aiSide);
  const int n = g.moveCount;
  if (n == 0) return kComputerStuck - level;

  if (level == g.searchDepth) {
    if (n == 1) {
      g.bestRootIndex = 0;
      return 1;
    }
    int best = kInitialMinBest;
    for (int i = 0; i < n; ++i) {
      if (search.progress) search.progress(search.progressContext, i * 100 / n);
      if (g.thinking == 0) return 0;
      const int v = tryMove(search, moves[i], [&] { return searchMax(search, level, best); });
      if (v < best) {  // strictly: ties keep the earliest move
        best = v;
        g.bestRootIndex = i;
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
  GameState& g = search.game;
  MoveRecord* moves = searchBuffers[level][1];
  generateMoves(moves, g, g.aiOpponent);
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

int chooseComputerMove(Search& search) {
  GameState& g = search.game;
  assert(g.searchDepth >= 0 && g.searchDepth <= kMaxSearchDepth);
  buildEvalTable(g, search.table);
  search.nodes = 0;
  search.rootBest = kInitialMinBest;
  search.runningSum = boardSum(g, search.table);
  int result = 0;
  if (chooseOnBits(search, result)) return result;
  return searchMin(search, g.searchDepth, kInitialMaxBest);
}

}  // namespace velmora
