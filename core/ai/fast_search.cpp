#include "core/ai/fast_search.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <cstring>

#include "core/ai/evaluation.h"
#include "core/rules/game_state.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

// Every value a node returns obeys the fail-soft contract of its window
// (alpha, beta): a value <= alpha is an upper bound of the true score, a value
// >= beta a lower bound, anything between is exact. The root asks each move
// with beta = its best so far, so a move that scores strictly less comes back
// exact and a move that does not comes back >= best: exactly the root rule.

enum class Bound : std::uint8_t { None, Exact, Upper, Lower };

struct TableEntry {
  std::uint64_t key;
  std::int32_t value;
  std::int16_t move;  // index of the best or refuting move in the generated list
  Bound bound;
  std::uint8_t level;
};
static_assert(sizeof(TableEntry) == 16);

TableEntry table[kTranspositionEntries];
static_assert((kTranspositionEntries & (kTranspositionEntries - 1)) == 0);

constexpr std::uint64_t splitMix(std::uint64_t x) {
  x += 0x9e3779b97f4a7c15ull;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
  return x ^ (x >> 31);
}

// Random keys of (colour, kind, square): a position's key is the exclusive or
// of its pieces' keys, so a move changes it by the keys of the squares it
// touches. Kind 0 is never used.
constexpr int kSquares = kMaxBoardSize * kMaxBoardSize;
constexpr auto kPieceKeys = [] {
  std::array<std::uint64_t, 2 * 3 * kSquares> keys{};
  for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = splitMix(i + 1);
  return keys;
}();
// The side to move and the remaining level belong to the key too: the same
// board is a different node with the other side to move or fewer plies left.
constexpr auto kNodeKeys = [] {
  std::array<std::uint64_t, 2 * (kMaxSearchDepth + 1)> keys{};
  for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = splitMix(0x5eed0000 + i);
  return keys;
}();

std::uint64_t pieceKey(int colour, int kind, int x, int y) {
  return kPieceKeys[static_cast<std::size_t>((colour * 3 + kind) * kSquares + y * kMaxBoardSize + x)];
}

enum Mover { Computer = 0, Opponent = 1 };

std::uint64_t nodeKey(std::uint64_t position, int level, Mover mover) {
  return position ^ kNodeKeys[static_cast<std::size_t>(level * 2 + mover)];
}

std::uint64_t positionKey(const GameState& g) {
  std::uint64_t key = 0;
  for (int y = 0; y < g.boardSize; ++y)
    for (int x = 0; x < g.boardSize; ++x) {
      const Cell& c = g.board[y][x];
      if (c.kind != Empty) key ^= pieceKey(c.side & 1, c.kind, x, y);
    }
  return key;
}

std::uint64_t keyChange(const MoveRecord& move) {
  const int side = move.pieceSide & 1;
  const MoveStep& last = move.finalStep();
  std::uint64_t change =
      pieceKey(side, move.pieceKind, move.fromX, move.fromY) ^ pieceKey(side, last.kindAfter, last.toX, last.toY);
  for (int k = 0; k < move.captureCount; ++k) {
    const MoveStep& s = move.steps[k];
    change ^= pieceKey(side ^ 1, s.capturedKind, s.capturedX, s.capturedY);
  }
  return change;
}

// A move as killer and history tables know it: origin, destination, and
// whether it captures. Distinct moves of one list may share an identity
// (two capture paths to the same square); that only weakens a hint.
int moveIdentity(const MoveRecord& move) {
  const MoveStep& last = move.finalStep();
  const int from = move.fromY * kMaxBoardSize + move.fromX;
  const int to = last.toY * kMaxBoardSize + last.toX;
  return (from * kSquares + to) * 2 + (move.captureCount > 0);
}

// Ordering state: lists and their order per level and mover, two killer moves
// per level and mover, and a history count per mover and move.
MoveRecord moveBuffers[kMaxSearchDepth + 1][2][kMaxMoves];

struct Ordered {
  std::int64_t key;  // higher is tried first
  int index;
};
Ordered orderBuffers[kMaxSearchDepth + 1][2][kMaxMoves];
int killers[kMaxSearchDepth + 1][2][2];
std::int32_t history[2][kSquares * kSquares * 2];

std::uint64_t searchCount = 0;

struct Walk {
  Search& search;
  GameState& g;
  int sign;           // of the evaluation: -1 in a give-away game
  std::uint64_t key;  // of the pieces on the board, salted per search
};

TableEntry& entryFor(std::uint64_t key) { return table[key & (kTranspositionEntries - 1)]; }

// Whether the stored entry settles the node for the window (alpha, beta).
bool settles(const TableEntry& e, int alpha, int beta) {
  return e.bound == Bound::Exact || (e.bound == Bound::Lower && e.value >= beta) ||
         (e.bound == Bound::Upper && e.value <= alpha);
}

// A deeper entry is worth more: keep it against a shallower one of another
// position, unless it is left over from an earlier search.
void store(TableEntry& e, std::uint64_t key, int value, int alpha, int beta, int move, int level) {
  e.key = key;
  e.value = value;
  e.move = static_cast<std::int16_t>(move);
  e.bound = value <= alpha ? Bound::Upper : value >= beta ? Bound::Lower : Bound::Exact;
  e.level = static_cast<std::uint8_t>(level);
}

// Plays `move`, keeps the running sum and key in step, scores, takes it back.
template <class Score>
int tryMove(Walk& w, const MoveRecord& move, Score score) {
  GameState& g = w.g;
  MoveRecord& slot = g.gameRecord[g.plyCount];
  applyMove(move, slot, g);
  ++w.search.nodes;
  ++g.plyCount;
  const int change = boardSumChange(g, move);
  const std::uint64_t keyDelta = keyChange(move);
  w.search.runningSum += change;
  w.key ^= keyDelta;
  const int value = score();
  w.key ^= keyDelta;
  w.search.runningSum -= change;
  --g.plyCount;
  undoMove(slot, g);
  return value;
}

// Puts the moves in the order to try them: the table's move, then the
// killers, then the largest gain in the evaluation for the mover, then the
// history of cut-offs. Returns the list of indices.
const Ordered* orderMoves(Walk& w, const MoveRecord* moves, int n, int level, Mover mover, int hint) {
  Ordered* order = orderBuffers[level][mover];
  const int gainSign = mover == Computer ? -w.sign : w.sign;
  const int* killer = killers[level][mover];
  const std::int32_t* counts = history[mover];
  for (int i = 0; i < n; ++i) {
    const int identity = moveIdentity(moves[i]);
    std::int64_t key = static_cast<std::int64_t>(gainSign * boardSumChange(w.g, moves[i])) * (1 << 24) +
                       std::min(counts[identity], (1 << 24) - 1);
    if (identity == killer[0] || identity == killer[1]) key += std::int64_t{1} << 50;
    if (i == hint) key = std::int64_t{1} << 60;
    order[i] = Ordered{key, i};
  }
  std::sort(order, order + n, [](const Ordered& a, const Ordered& b) { return a.key > b.key; });
  return order;
}

void rememberCutoff(const MoveRecord& move, int level, Mover mover) {
  const int identity = moveIdentity(move);
  int* killer = killers[level][mover];
  if (killer[0] != identity) {
    killer[1] = killer[0];
    killer[0] = identity;
  }
  history[mover][identity] += (level + 1) * (level + 1);
}

int maxNode(Walk& w, int level, int alpha, int beta);

// The computer to move with `level` levels left: the least score.
int minNode(Walk& w, int level, int alpha, int beta) {
  GameState& g = w.g;
  const std::uint64_t key = nodeKey(w.key, level, Computer);
  TableEntry& entry = entryFor(key);
  int hint = -1;
  if (entry.key == key) {
    if (settles(entry, alpha, beta)) return entry.value;
    hint = entry.move;
  }
  MoveRecord* moves = moveBuffers[level][Computer];
  generateMoves(moves, g, g.aiSide);
  const int n = g.moveCount;
  if (n == 0) return kComputerStuck - level;

  const Ordered* order = orderMoves(w, moves, n, level, Computer, hint);
  int best = kInitialMinBest, bestIndex = order[0].index;
  for (int k = 0; k < n; ++k) {
    const int i = order[k].index;
    const int v = tryMove(w, moves[i], [&] {
      const int limit = std::min(beta, best);
      if (k == 0) return maxNode(w, level, alpha, limit);
      // Only a move that beats the best needs its exact score: ask first
      // whether it does, with the narrowest window.
      const int probe = maxNode(w, level, limit - 1, limit);
      return probe < limit && probe > alpha ? maxNode(w, level, alpha, limit) : probe;
    });
    if (v < best) {
      best = v;
      bestIndex = i;
      if (best <= alpha) {
        rememberCutoff(moves[i], level, Computer);
        break;
      }
    }
  }
  store(entry, key, best, alpha, beta, bestIndex, level);
  return best;
}

// The opponent to move with `level` levels left: the greatest score. At level
// 0 each reply is scored by the evaluation, which the move's change to the
// running sum gives without playing it.
int maxNode(Walk& w, int level, int alpha, int beta) {
  GameState& g = w.g;
  const std::uint64_t key = nodeKey(w.key, level, Opponent);
  TableEntry& entry = entryFor(key);
  int hint = -1;
  if (entry.key == key) {
    if (settles(entry, alpha, beta)) return entry.value;
    hint = entry.move;
  }
  MoveRecord* moves = moveBuffers[level][Opponent];
  generateMoves(moves, g, g.aiOpponent);
  const int n = g.moveCount;
  if (n == 0) return kOpponentStuck - level;

  int best = kInitialMaxBest, bestIndex = 0;
  if (level == 0) {
    for (int i = 0; i < n; ++i) {
      ++w.search.nodes;
      const int v = w.sign * (w.search.runningSum + boardSumChange(g, moves[i]));
      if (v > best) {
        best = v;
        bestIndex = i;
        if (best >= beta) break;
      }
    }
  } else {
    const Ordered* order = orderMoves(w, moves, n, level, Opponent, hint);
    bestIndex = order[0].index;
    for (int k = 0; k < n; ++k) {
      const int i = order[k].index;
      const int v = tryMove(w, moves[i], [&] {
        const int limit = std::max(alpha, best);
        if (k == 0) return minNode(w, level - 1, limit, beta);
        const int probe = minNode(w, level - 1, limit, limit + 1);
        return probe > limit && probe < beta ? minNode(w, level - 1, limit, beta) : probe;
      });
      if (v > best) {
        best = v;
        bestIndex = i;
        if (best >= beta) {
          rememberCutoff(moves[i], level, Opponent);
          break;
        }
      }
    }
  }
  store(entry, key, best, alpha, beta, bestIndex, level);
  return best;
}

}  // namespace

int chooseComputerMoveFast(Search& search) {
  GameState& g = search.game;
  const int depth = g.searchDepth;
  assert(depth >= 0 && depth <= kMaxSearchDepth);
  assert(g.plyCount + 2 * depth + 2 <= kGameRecordSlots);
  buildEvalTable(g);
  search.nodes = 0;
  search.rootBest = kInitialMinBest;
  search.runningSum = boardSum(g);
  std::memset(killers, -1, sizeof killers);
  std::memset(history, 0, sizeof history);
  // Entries of earlier searches were scored with another evaluation table:
  // a fresh salt in every key makes them miss instead of clearing the table.
  Walk w{search, g, g.giveAway ? -1 : 1, positionKey(g) ^ splitMix(++searchCount ^ 0xa11ce5ull)};

  MoveRecord* moves = moveBuffers[depth][Computer];
  generateMoves(moves, g, g.aiSide);
  const int n = g.moveCount;
  if (n == 0) return kComputerStuck - depth;
  if (n == 1) {
    g.bestRootIndex = 0;
    return 1;
  }
  int best = kInitialMinBest;
  for (int i = 0; i < n; ++i) {
    if (search.progress) search.progress(search.progressContext, i * 100 / n);
    if (g.thinking == 0) return 0;
    const int v = tryMove(w, moves[i], [&] {
      if (i == 0) return maxNode(w, depth, kInitialMaxBest, best);
      const int probe = maxNode(w, depth, best - 1, best);
      return probe < best ? maxNode(w, depth, kInitialMaxBest, best) : probe;
    });
    if (v < best) {  // strictly: ties keep the earliest move
      best = v;
      g.bestRootIndex = i;
    }
  }
  search.rootBest = best;
  return 1;
}

}  // namespace velmora
