#include "core/ai/expert_search.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <chrono>
#include <cstring>
#include <vector>

#include "core/ai/expert_eval.h"
#include "core/ai/position_keys.h"
#include "core/rules/game_record.h"
#include "core/rules/game_result.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

constexpr std::uint64_t kBlackToMove = splitMix(0xb1ac4ull);

// How the key changes when `move` is played, the side to move included.
std::uint64_t keyChange(const MoveRecord& move) { return kBlackToMove ^ boardKeyChange(move); }

// A capture or a man's step forward can never be undone: no position before
// it comes back after it. A man that steps sideways (Turkish, Gothic) can
// step back, so the position can come round again.
bool reversible(const MoveRecord& m) {
  return m.captureCount == 0 && (m.pieceKind == King || m.fromY == m.steps[0].toY);
}

constexpr int kIdentities = kMoveIdentities;

enum Bound : std::uint8_t { Upper = 1, Lower = 2, Exact = 3 };

struct Entry {
  std::uint64_t key;
  std::int16_t score;
  std::int16_t move;  // index in the generated list, -1 for none
  std::int8_t depth;
  std::uint8_t bound;
  std::uint8_t generation;  // of the search that stored it: older entries read as empty
};
static_assert(sizeof(Entry) == 16);

// Win scores are stored as distances from the node, not from the root.
int toTable(int score, int ply) {
  return score > kExpertWinFound ? score + ply : score < -kExpertWinFound ? score - ply : score;
}
int fromTable(int score, int ply) {
  return score > kExpertWinFound ? score - ply : score < -kExpertWinFound ? score + ply : score;
}

std::uint64_t systemMilliseconds() {
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
          .count());
}

constexpr int kInfinity = kExpertWin + 1;
// Order keys of plain moves with nothing but their history to go by.
constexpr int kQuietOrderLimit = 1 << 26;
constexpr int kAspiration = 35;

}  // namespace

std::uint64_t expertPositionKey(const Position& p, int side) {
  return (side == Black ? kBlackToMove : 0) ^ boardKey(p);
}

struct ExpertSearch::Impl {
  explicit Impl(std::size_t entries) {
    std::size_t size = 1;
    while (size * 2 <= std::max<std::size_t>(entries, 1024)) size *= 2;
    table.assign(size, Entry{});
    moves.resize(static_cast<std::size_t>(kExpertMaxPly) * kMaxMoves);
    pvTable.resize(static_cast<std::size_t>(kExpertMaxPly) * kExpertMaxPly);
  }

  std::vector<Entry> table;
  std::vector<MoveRecord> moves;    // one list per ply
  std::vector<MoveRecord> pvTable;  // the line found below each ply
  MoveRecord slots[kExpertMaxPly];  // the moves played on the way down
  int orderKeys[kExpertMaxPly][kMaxMoves];
  int pvLength[kExpertMaxPly + 1];
  int killers[kExpertMaxPly][2];
  std::int32_t history[2][kIdentities];
  // Keys of the positions since the last irreversible move, the game's
  // before the root's: keys[base + ply] is the node at `ply`.
  std::uint64_t keys[kGameRecordSlots + kExpertMaxPly + 1];
  int base = 0;
  int reversibleRun[kExpertMaxPly + 1];  // plies back to the last irreversible move
  int quietRun[kExpertMaxPly + 1];       // towards the draw rule
  std::uint8_t generation = 0;

  // Per search.
  Position* game = nullptr;
  ExpertLimits limits;
  int rootSide = White;
  bool giveAway = false;
  bool stopped = false;
  std::uint64_t nodes = 0;
  std::uint64_t startMs = 0;
  std::uint64_t nextPoll = 0;
  int rootBestIndex = -1;  // of the iteration under way, once a move has an exact score
  int rootBestScore = 0;

  MoveRecord* movesAt(int ply) { return &moves[static_cast<std::size_t>(ply) * kMaxMoves]; }
  MoveRecord* pvAt(int ply) { return &pvTable[static_cast<std::size_t>(ply) * kExpertMaxPly]; }

  std::uint64_t now() const { return limits.clock ? limits.clock() : systemMilliseconds(); }
  std::uint64_t elapsed() const { return now() - startMs; }

  // The budget: the stop flag and the node limit at every node, the clock
  // every kExpertClockInterval nodes, so that reading it costs nothing.
  bool outOfBudget() {
    if (stopped) return true;
    if (limits.stop && limits.stop->load(std::memory_order_relaxed)) stopped = true;
    if (limits.breakOff && limits.breakOff->load(std::memory_order_relaxed)) stopped = true;
    if (limits.maxNodes && nodes >= limits.maxNodes) stopped = true;
    if (limits.moveTimeMs > 0 && nodes >= nextPoll) {
      nextPoll = nodes + kExpertClockInterval;
      if (elapsed() >= static_cast<std::uint64_t>(limits.moveTimeMs)) stopped = true;
    }
    return stopped;
  }

  // A draw counts a little against the side the Expert plays: it plays on
  // while it is not clearly worse, and the other side is welcome to the draw.
  int drawScore(int ply) const { return (ply & 1) == 0 ? -kExpertContempt : kExpertContempt; }

  int evaluate(int ply) {
    const int side = rootSide ^ (ply & 1);
    const int score = giveAway ? giveAwayEvaluate(*game, side) : expertEvaluate(*game, side, quietRun[ply]);
    return std::clamp(score, 1 - kExpertWinFound, kExpertWinFound - 1);
  }

  // The node's position came before, since the last irreversible move, with
  // the same side to move: the game can go round again, so it counts as drawn.
  bool repeats(int ply) const {
    const int at = base + ply;
    const std::uint64_t key = keys[at];
    for (int back = 2; back <= reversibleRun[ply]; back += 2)
      if (keys[at - back] == key) return true;
    return false;
  }

  void rank(const MoveRecord* list, int n, int ply, int hint) {
    int* keysOut = orderKeys[ply];
    const int side = rootSide ^ (ply & 1);
    for (int i = 0; i < n; ++i) {
      const MoveRecord& m = list[i];
      const int identity = moveIdentity(m);
      int key;
      if (i == hint) {
        key = 1 << 30;
      } else if (m.captureCount > 0) {
        int kings = 0;
        for (int k = 0; k < m.captureCount; ++k) kings += m.steps[k].capturedKind == King;
        key = (1 << 28) + m.captureCount * 64 + kings * 8 + (m.finalStep().kindAfter != m.pieceKind);
      } else if (identity == killers[ply][0]) {
        key = 1 << 27;
      } else if (identity == killers[ply][1]) {
        key = (1 << 27) - 1;
      } else {
        key = std::min(history[side][identity], (1 << 26) - 1);
        if (m.finalStep().kindAfter != m.pieceKind) key += 1 << 26;  // crowning
      }
      keysOut[i] = key;
    }
  }

  // The index of the best move not yet tried, by picking, not sorting: most
  // nodes are cut off after one or two moves.
  int pick(int ply, int n, int k, int* order) {
    const int* keysIn = orderKeys[ply];
    int bestAt = k;
    for (int j = k + 1; j < n; ++j)
      if (keysIn[order[j]] > keysIn[order[bestAt]]) bestAt = j;
    std::swap(order[k], order[bestAt]);
    return order[k];
  }

  Entry& slotOf(std::uint64_t key) { return table[key & (table.size() - 1)]; }

  void store(std::uint64_t key, int depth, int score, int alpha, int beta, int move, int ply) {
    Entry& e = slotOf(key);
    if (e.generation == generation && e.key != key && e.depth > depth + 2) return;
    const Bound bound = score <= alpha ? Upper : score >= beta ? Lower : Exact;
    e = Entry{key,
              static_cast<std::int16_t>(toTable(score, ply)),
              static_cast<std::int16_t>(move),
              static_cast<std::int8_t>(std::clamp(depth, 0, 127)),
              static_cast<std::uint8_t>(bound),
              generation};
  }

  void rememberCutoff(const MoveRecord& m, int ply, int depth) {
    if (m.captureCount > 0) return;
    const int identity = moveIdentity(m);
    if (killers[ply][0] != identity) {
      killers[ply][1] = killers[ply][0];
      killers[ply][0] = identity;
    }
    std::int32_t& h = history[rootSide ^ (ply & 1)][identity];
    h = std::min(h + depth * depth, 1 << 25);
  }

  // Whether the side not to move at `ply` could capture, were it its turn.
  bool threatened(int ply, int side) {
    MoveRecord* scratch = movesAt(ply + 1);  // the child's list, not yet in use
    const std::int32_t count = game->moveCount;
    generateMoves(scratch, *game, side ^ 1);
    const bool threat = game->moveCount > 0 && scratch[0].captureCount > 0;
    game->moveCount = count;
    return threat;
  }

  int search(int depth, int ply, int alpha, int beta);
};

// Negamax with a principal variation: the first move gets the full window,
// the others a null window first, and a full one only when they beat it.
int ExpertSearch::Impl::search(int depth, int ply, int alpha, int beta) {
  pvLength[ply] = 0;
  if (ply > 0 && outOfBudget()) return 0;
  if (ply > 0 && repeats(ply)) return drawScore(ply);

  Position& pos = *game;
  const int side = rootSide ^ (ply & 1);
  MoveRecord* list = movesAt(ply);
  generateMoves(list, pos, side);
  const int n = pos.moveCount;
  if (n == 0) return giveAway ? kExpertWin - ply : -(kExpertWin - ply);
  if (ply > 0 && quietRun[ply] >= kQuietMovesForDraw) return drawScore(ply);
  if (ply >= kExpertMaxPly - 1) return evaluate(ply);
  bool extended = false;
  // Captures are compulsory, so a side that can capture has only captures:
  // they are played out past the horizon, and only a quiet position is scored.
  const bool captures = list[0].captureCount > 0;
  if (depth <= 0 && !captures) {
    // A capture the other side threatens is looked at one ply further, once
    // on the line: a quiet position with a shot pending is not quiet.
    if (depth < 0 || !threatened(ply, side)) return evaluate(ply);
    extended = true;
  }
  if (depth < 0) depth = 0;
  // A forced move costs the side no choice: it does not use up depth.
  const int childDepth = extended ? -1 : n == 1 && ply > 0 ? depth : depth - 1;

  const std::uint64_t key = keys[base + ply];
  int hint = -1;
  const Entry& e = slotOf(key);
  if (e.key == key && e.generation == generation) {
    hint = e.move < n ? e.move : -1;
    const int score = fromTable(e.score, ply);
    const bool pvNode = beta - alpha > 1;
    if (ply > 0 && !pvNode && e.depth >= depth &&
        (e.bound == Exact || (e.bound == Lower && score >= beta) || (e.bound == Upper && score <= alpha)))
      return score;
  }

  rank(list, n, ply, hint);
  int order[kMaxMoves];
  for (int i = 0; i < n; ++i) order[i] = i;

  const int alphaIn = alpha;
  int best = -kInfinity, bestIndex = -1;
  for (int k = 0; k < n; ++k) {
    const int i = pick(ply, n, k, order);
    const MoveRecord& move = list[i];
    MoveRecord& slot = slots[ply];
    applyMove(move, slot, pos);
    ++nodes;
    keys[base + ply + 1] = key ^ keyChange(move);
    reversibleRun[ply + 1] = reversible(move) ? reversibleRun[ply] + 1 : 0;
    quietRun[ply + 1] = breaksQuietRun(move) ? 0 : quietRun[ply] + 1;
    int v;
    if (k == 0) {
      v = -search(childDepth, ply + 1, -beta, -alpha);
    } else {
      // Late quiet moves, after the table's move, the killers and crownings,
      // seldom turn out best: they are first looked at less deeply.
      const int reduction = !captures && depth >= 3 && k >= 3 && orderKeys[ply][i] < kQuietOrderLimit ? 1 : 0;
      v = -search(childDepth - reduction, ply + 1, -alpha - 1, -alpha);
      if (reduction && v > alpha && !stopped) v = -search(childDepth, ply + 1, -alpha - 1, -alpha);
      if (v > alpha && v < beta && !stopped) v = -search(childDepth, ply + 1, -beta, -alpha);
    }
    undoMove(slot, pos);
    if (stopped) return 0;
    if (v > best) {
      best = v;
      bestIndex = i;
      if (v > alpha) {
        alpha = v;
        MoveRecord* line = pvAt(ply);
        line[0] = move;
        const int below = pvLength[ply + 1];
        std::copy(pvAt(ply + 1), pvAt(ply + 1) + below, line + 1);
        pvLength[ply] = below + 1;
        if (ply == 0 && v < beta) {
          rootBestIndex = i;
          rootBestScore = v;
        }
        if (v >= beta) {
          rememberCutoff(move, ply, depth);
          break;
        }
      }
    }
  }
  store(key, depth, best, alphaIn, beta, bestIndex, ply);
  if (ply == 0 && bestIndex >= 0 && best > alphaIn && best < beta) rootBestIndex = bestIndex;
  return best;
}

ExpertSearch::ExpertSearch(std::size_t tableEntries) : impl_(std::make_unique<Impl>(tableEntries)) {}
ExpertSearch::~ExpertSearch() = default;

ExpertResult ExpertSearch::choose(Position& game, const GameRecord& record, const ExpertLimits& limits) {
  Impl& s = *impl_;
  s.game = &game;
  s.limits = limits;
  s.rootSide = record.sideToMove();
  s.giveAway = game.giveAway != 0;
  s.stopped = false;
  s.nodes = 0;
  s.startMs = s.now();
  s.nextPoll = kExpertClockInterval;
  std::memset(s.killers, -1, sizeof s.killers);
  std::memset(s.history, 0, sizeof s.history);
  // Entries of earlier searches read as empty, so that a search depends on
  // its position alone; when the counter comes round the table is cleared.
  if (++s.generation == 0) {
    std::fill(s.table.begin(), s.table.end(), Entry{});
    s.generation = 1;
  }

  // The game's record: the positions since its last irreversible move, for
  // repetitions, and its quiet run, for the draw rule.
  std::uint64_t key = expertPositionKey(game, s.rootSide);
  int back = 0;
  while (back < record.plyCount && reversible(record.gameRecord[record.plyCount - 1 - back])) {
    key ^= keyChange(record.gameRecord[record.plyCount - 1 - back]);
    ++back;
    s.keys[back] = key;  // reversed below
  }
  s.keys[0] = expertPositionKey(game, s.rootSide);
  std::reverse(s.keys, s.keys + back + 1);
  s.base = back;
  s.reversibleRun[0] = back;
  int quiet = 0;
  while (quiet < record.plyCount && quiet < kQuietMovesForDraw &&
         !breaksQuietRun(record.gameRecord[record.plyCount - 1 - quiet]))
    ++quiet;
  s.quietRun[0] = quiet;

  ExpertResult result;
  generateMoves(s.movesAt(0), game, s.rootSide);
  const int n = game.moveCount;
  if (n == 0) {
    result.score = s.giveAway ? kExpertWin : -kExpertWin;
    return result;
  }
  result.rootIndex = 0;
  result.score = s.evaluate(0);

  const int maxDepth = std::clamp(limits.maxDepth, 1, kExpertMaxDepth);
  for (int depth = 1; depth <= maxDepth; ++depth) {
    s.rootBestIndex = -1;
    int alpha = -kInfinity, beta = kInfinity;
    if (depth >= 3 && std::abs(result.score) < kExpertWinFound) {
      alpha = result.score - kAspiration;
      beta = result.score + kAspiration;
    }
    int score = s.search(depth, 0, alpha, beta);
    // Outside the window the score is only a bound: search again, open.
    if (!s.stopped && (score <= alpha || score >= beta)) {
      s.rootBestIndex = -1;
      score = s.search(depth, 0, -kInfinity, kInfinity);
    }
    if (s.stopped) {
      // A move that proved better than the last iteration's choice is kept.
      if (s.rootBestIndex >= 0 && s.rootBestScore > result.score) {
        result.rootIndex = s.rootBestIndex;
        result.score = s.rootBestScore;
        result.pvLength = 1;
        result.pv[0] = s.movesAt(0)[s.rootBestIndex];
      }
      break;
    }
    result.score = score;
    result.depth = depth;
    result.rootIndex = s.rootBestIndex >= 0 ? s.rootBestIndex : result.rootIndex;
    result.pvLength = s.pvLength[0];
    std::copy(s.pvAt(0), s.pvAt(0) + s.pvLength[0], result.pv);
    if (limits.progress) limits.progress(limits.progressContext, depth, score);
    // With the clock running, a move that is the only one is played at once.
    if ((n == 1 && limits.moveTimeMs > 0) || std::abs(score) > kExpertWinFound) break;
    // An iteration takes a few times the one before it: one that could not
    // finish in the time left is not started.
    if (limits.moveTimeMs > 0 && s.elapsed() * 2 > static_cast<std::uint64_t>(limits.moveTimeMs)) break;
  }
  result.nodes = s.nodes;
  return result;
}

}  // namespace velmora
