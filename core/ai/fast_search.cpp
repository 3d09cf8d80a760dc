#include "core/ai/fast_search.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "core/ai/board_layouts.h"
#include "core/ai/evaluation.h"
#include "core/ai/position_keys.h"
#include "core/ai/table_memory.h"
#include "core/rules/bitboard.h"
#include "core/rules/generate.h"
#include "core/rules/square_bitboard.h"

namespace velmora {

namespace {

// Every value a node returns obeys the fail-soft contract of its window
// (alpha, beta): a value <= alpha is an upper bound of the true score, a value
// >= beta a lower bound, anything between is exact. The table stores each
// value with the kind of bound it is, so a look-up keeps the contract. The
// root asks each move after the first whether it scores below the best so
// far, and only then for its exact score: exactly the root rule.

enum Bound : std::uint8_t { Exact = 1, Upper = 2, Lower = 3 };

struct TableEntry {
  std::uint64_t key;
  std::int32_t value;
  std::int16_t move;   // index of the best or refuting move in the generated list
  std::uint8_t bound;  // a Bound, and the node's height above the leaves times 4
  std::uint8_t stamp;  // of the search that stored it
};
static_assert(sizeof(TableEntry) == 16);

// Two entries per bucket: one keeps the highest node of the bucket, the
// other the latest, so the big subtrees stay while the small ones churn.
struct Bucket {
  TableEntry high;
  TableEntry latest;
};
static_assert((kTranspositionEntries & (kTranspositionEntries - 1)) == 0);
constexpr std::size_t kBuckets = kTranspositionEntries / 2;

// Random keys of (colour, kind, square): a position's key is the exclusive or
// of its pieces' keys, so a move changes it by the keys of the squares it
// touches. Kind 0 is never used. The table trusts the 64-bit key alone: with
// two entries compared a look-up, even 10^8 look-ups make a false match in
// about one search in 10^11.
// The side to move and the remaining level belong to the key too: the same
// board is a different node with the other side to move or fewer plies left.
constexpr auto kNodeKeys = [] {
  std::array<std::uint64_t, 2 * (kMaxSearchDepth + 1)> keys{};
  for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = splitMix(0x5eed0000 + i);
  return keys;
}();

enum Mover { Computer = 0, Opponent = 1 };

std::uint64_t salt(int level, Mover mover) { return kNodeKeys[static_cast<std::size_t>(level * 2 + mover)]; }

std::uint64_t nodeKey(std::uint64_t position, int level, Mover mover) { return position ^ salt(level, mover); }

// How the search plays its moves: as records on the game's board, or as
// compact moves on bitboards of the dark squares or of every square. All
// list the same moves in the same order and give them the same key, sum and
// identity, so the tree, its node count and its choice are the same.
class RecordPlay {
 public:
  using Move = MoveRecord;
  RecordPlay(Search& search) : search_(search), g_(search.position), table_(search.table) {}
  int generate(Move* list, int side) {
    generateMoves(list, g_, side);
    return g_.moveCount;
  }
  std::uint64_t keyChange(const Move& move) const { return boardKeyChange(move); }
  int sumChange(const Move& move) const { return boardSumChange(table_, move); }
  int identity(const Move& move) const { return moveIdentity(move); }
  void play(const Move& move) {
    applyMove(move, search_.lists.played[search_.ply], g_);
    ++search_.ply;
  }
  void takeBack() {
    --search_.ply;
    undoMove(search_.lists.played[search_.ply], g_);
  }

 private:
  Search& search_;
  Position& g_;
  const EvalTable& table_;
};

// The boards of the path from the root, each a copy of its parent with one
// move played; the keys, values and cells of the records, by bit.
template <class Layout>
class BitPlay {
  static constexpr int kSquares = Layout::kSquares;

 public:
  using Move = typename Layout::Move;
  BitPlay(const Position& g, const EvalTable& evalTable, typename Layout::Generator generator) : generate_(generator) {
    path_[0] = Layout::read(g.board);
    for (int y = 0; y < Layout::kSize; ++y)
      for (int x = 0; x < Layout::kSize; ++x) {
        if (!Layout::playable(x, y)) continue;
        const int s = Layout::square(x, y);
        cell_[s] = y * kMaxBoardSize + x;
        for (int colour = 0; colour < 2; ++colour)
          for (int kind = Man; kind <= King; ++kind) {
            key_[colour][kind][s] = pieceKey(colour, kind, x, y);
            value_[colour][kind][s] = evalTable.value[colour][kind][y][x];
          }
      }
  }
  int generate(Move* list, int side) { return generate_(path_[depth_], side, list); }
  std::uint64_t keyChange(const Move& move) const {
    const int side = move.side();
    std::uint64_t change = key_[side][move.pieceKind()][move.from()] ^ key_[side][move.kindAfter()][move.to()];
    for (auto taken = move.captured; taken != 0; taken &= taken - 1)
      change ^= key_[side ^ 1][takenKind(taken)][lowestSquare(taken)];
    return change;
  }
  int sumChange(const Move& move) const {
    const int side = move.side();
    int change = value_[side][move.kindAfter()][move.to()] - value_[side][move.pieceKind()][move.from()];
    for (auto taken = move.captured; taken != 0; taken &= taken - 1)
      change -= value_[side ^ 1][takenKind(taken)][lowestSquare(taken)];
    return change;
  }
  int identity(const Move& move) const {
    return (cell_[move.from()] * kBoardSquares + cell_[move.to()]) * 2 + (move.captureCount() > 0);
  }
  void play(const Move& move) {
    path_[depth_ + 1] = Layout::after(path_[depth_], move);
    ++depth_;
  }
  void takeBack() { --depth_; }

 private:
  // The kind of the lowest of the pieces `taken`, on the board as it stands.
  int takenKind(decltype(Move::captured) taken) const {
    return (path_[depth_].kings & taken & (0 - taken)) ? King : Man;
  }

  const typename Layout::Generator generate_;
  typename Layout::Board path_[2 * kMaxSearchDepth + 4];
  int depth_ = 0;
  std::uint64_t key_[2][3][kSquares] = {};
  int value_[2][3][kSquares] = {};
  int cell_[kSquares] = {};
};

struct Ordered {
  std::int64_t key;  // higher is tried first
  int index;
};

}  // namespace

// The table and the ordering state: the order per level and mover, two
// killer moves per level and mover, and a history count per mover and move.
struct FastSearch::Tables {
  TableMemory memory{kBuckets * sizeof(Bucket)};
  Bucket* table = static_cast<Bucket*>(memory.data());
  Ordered orderBuffers[kMaxSearchDepth + 1][2][kMaxMoves];
  int killers[kMaxSearchDepth + 1][2][2];
  std::int32_t history[2][kMoveIdentities];
  std::int32_t counters[2][kMoveIdentities];
  std::uint64_t searchCount = 0;
  std::uint8_t stamp = 0;

  Bucket& bucket(std::uint64_t key) { return table[key & (kBuckets - 1)]; }
};

namespace {

using Tables = FastSearch::Tables;

template <class Play>
struct Walk {
  using Move = typename Play::Move;
  Search& search;
  Tables& t;
  Play& play;
  int sign;           // of the evaluation: -1 in a give-away game
  std::uint64_t key;  // of the pieces on the board, salted per search
  int lastMove = 0;   // identity of the move that led to the node
};

// A computer node at level a stands above the opponent's node at level a,
// which stands above the computer's at a - 1.
int height(int level, Mover mover) { return 2 * level + (mover == Computer); }

const TableEntry* find(Tables& t, std::uint64_t key) {
  const Bucket& b = t.bucket(key);
  if (b.high.key == key) return &b.high;
  if (b.latest.key == key) return &b.latest;
  return nullptr;
}

// Whether the entry settles the node for the window (alpha, beta).
bool settles(const TableEntry& e, int alpha, int beta) {
  const int bound = e.bound & 3;
  return bound == Exact || (bound == Lower && e.value >= beta) || (bound == Upper && e.value <= alpha);
}

void store(Tables& t, std::uint64_t key, int value, int alpha, int beta, int move, int level, Mover mover) {
  Bucket& b = t.bucket(key);
  const std::uint8_t stamp = t.stamp;
  const int h = height(level, mover);
  TableEntry& e = b.high.key == key || b.high.stamp != stamp || (b.high.bound >> 2) <= h ? b.high : b.latest;
  const Bound bound = value <= alpha ? Upper : value >= beta ? Lower : Exact;
  e = TableEntry{key, value, static_cast<std::int16_t>(move), static_cast<std::uint8_t>(bound | h << 2), stamp};
}

// The move to try first: the one the table holds for this node.
int hintFor(const TableEntry* e, int n) { return e && e->move < n ? e->move : -1; }

// Plays `move`, keeps the running sum and key in step, scores, takes it back.
// `child` is the salt of the node the move leads to, 0 for a node without
// entries: its bucket is fetched while the move is played, so that the
// child's look-up seldom waits for memory.
template <class Play, class Score>
int tryMove(Walk<Play>& w, const typename Play::Move& move, std::uint64_t child, Score score) {
  // Given up from another thread: nothing more is searched, and what the
  // table learns meanwhile is salted away with this search.
  if (w.search.stopped()) return 0;
  const std::uint64_t keyDelta = w.play.keyChange(move);
#if defined(__GNUC__) || defined(__clang__)
  if (child) __builtin_prefetch(&w.t.bucket(w.key ^ keyDelta ^ child));
#endif
  const int change = w.play.sumChange(move);
  w.play.play(move);
  ++w.search.nodes;
  w.search.runningSum += change;
  w.key ^= keyDelta;
  const int lastMove = w.lastMove;
  w.lastMove = w.play.identity(move);
  const int value = score();
  w.lastMove = lastMove;
  w.key ^= keyDelta;
  w.search.runningSum -= change;
  w.play.takeBack();
  return value;
}

// Hands out the moves in the order to try them: the table's move, then the
// killers, then the largest gain in the evaluation for the mover, then the
// history of cut-offs. Most nodes are cut off by their first or second move,
// so nothing is ranked before the table's move has been tried, and the rest
// are picked one at a time instead of sorted.
template <class Play>
class MovePicker {
 public:
  MovePicker(Walk<Play>& w, const typename Play::Move* moves, int n, int level, Mover mover, int hint)
      : w_(w),
        moves_(moves),
        n_(n),
        level_(level),
        mover_(mover),
        hint_(hint),
        order_(w.t.orderBuffers[level][mover]) {}

  // The index of the k-th move to try, k counted from 0 up by one.
  int next(int k) {
    if (k == 0 && hint_ >= 0) return hint_;
    if (ranked_ == 0) rank();
    const int from = k - (hint_ >= 0);
    if (from >= 2) {
      // A node that got this far mostly tries all its moves: the rest are
      // sorted once, equal keys in the order they were generated in.
      if (from == 2)
        std::sort(order_ + from, order_ + ranked_, [](const Ordered& a, const Ordered& b) {
          return a.key > b.key || (a.key == b.key && a.index < b.index);
        });
      return order_[from].index;
    }
    int bestAt = from;
    for (int j = from + 1; j < ranked_; ++j)
      if (order_[j].key > order_[bestAt].key) bestAt = j;
    const Ordered picked = order_[bestAt];
    for (int j = bestAt; j > from; --j) order_[j] = order_[j - 1];
    order_[from] = picked;
    return picked.index;
  }

 private:
  void rank() {
    const int gainSign = mover_ == Computer ? -w_.sign : w_.sign;
    const int* killer = w_.t.killers[level_][mover_];
    const int counter = w_.t.counters[mover_][w_.lastMove];
    const std::int32_t* counts = w_.t.history[mover_];
    for (int i = 0; i < n_; ++i) {
      if (i == hint_) continue;
      const int identity = w_.play.identity(moves_[i]);
      std::int64_t key = static_cast<std::int64_t>(gainSign * w_.play.sumChange(moves_[i])) * (1 << 24) +
                         std::min(counts[identity], (1 << 24) - 1);
      if (identity == killer[0] || identity == killer[1]) key += std::int64_t{1} << 50;
      if (identity == counter) key += std::int64_t{1} << 49;
      order_[ranked_++] = Ordered{key, i};
    }
  }

  Walk<Play>& w_;
  const typename Play::Move* moves_;
  int n_, level_;
  Mover mover_;
  int hint_;
  Ordered* order_;
  int ranked_ = 0;
};

// Nodes from this level up look at their children's entries first.
constexpr int kCutoffLevel = 1;

// Whether a child's entry already settles the node: a reply the table knows
// to score at most `alpha` for the computer, or at least `beta` for the
// opponent, cuts the node off before any subtree is searched. The look-ups
// cost a key change and a probe per move, less than the subtrees they spare
// from this level up; the opponent's nodes at level 0 have no entries.
template <class Play>
bool childCutoff(Walk<Play>& w, const typename Play::Move* moves, int n, int childLevel, Mover childMover, int alpha,
                 int beta, int& value) {
  for (int i = 0; i < n; ++i) {
    const TableEntry* e = find(w.t, nodeKey(w.key ^ w.play.keyChange(moves[i]), childLevel, childMover));
    if (!e) continue;
    const int bound = e->bound & 3;
    if (childMover == Opponent ? bound != Lower && e->value <= alpha : bound != Upper && e->value >= beta) {
      value = e->value;
      return true;
    }
  }
  return false;
}

template <class Play>
void rememberCutoff(Walk<Play>& w, const typename Play::Move& move, int level, Mover mover) {
  const int identity = w.play.identity(move);
  w.t.counters[mover][w.lastMove] = identity;
  int* killer = w.t.killers[level][mover];
  if (killer[0] != identity) {
    killer[1] = killer[0];
    killer[0] = identity;
  }
  w.t.history[mover][identity] += (level + 1) * (level + 1);
}

template <class Play>
int maxNode(Walk<Play>& w, int level, int alpha, int beta);

// The computer to move with `level` levels left: the least score.
template <class Play>
int minNode(Walk<Play>& w, int level, int alpha, int beta) {
  const std::uint64_t key = nodeKey(w.key, level, Computer);
  const TableEntry* entry = find(w.t, key);
  if (entry && settles(*entry, alpha, beta)) return entry->value;
  auto* moves = w.search.lists.template of<typename Play::Move>()[level][Computer];
  const int n = w.play.generate(moves, w.search.task.side);
  if (n == 0) return kComputerStuck - level;
  int known = 0;
  if (level >= kCutoffLevel && childCutoff(w, moves, n, level, Opponent, alpha, beta, known)) return known;

  MovePicker<Play> picker(w, moves, n, level, Computer, hintFor(entry, n));
  int best = kInitialMinBest, bestIndex = -1;
  for (int k = 0; k < n; ++k) {
    const int i = picker.next(k);
    const int v = tryMove(w, moves[i], level > 0 ? salt(level, Opponent) : 0, [&] {
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
        rememberCutoff(w, moves[i], level, Computer);
        break;
      }
    }
  }
  store(w.t, key, best, alpha, beta, bestIndex, level, Computer);
  return best;
}

// The opponent to move at level 0: each reply is scored by the evaluation,
// which the reply's change to the running sum gives without playing it. These
// nodes skip the table: scoring the replies costs less than a look-up that
// misses the cache.
template <class Play>
int maxLeafNode(Walk<Play>& w, int beta) {
  auto* moves = w.search.lists.template of<typename Play::Move>()[0][Opponent];
  const int n = w.play.generate(moves, w.search.opponent());
  if (n == 0) return kOpponentStuck;
  int best = kInitialMaxBest;
  for (int i = 0; i < n && best < beta; ++i) {
    ++w.search.nodes;
    best = std::max(best, w.sign * (w.search.runningSum + w.play.sumChange(moves[i])));
  }
  return best;
}

// The opponent to move with `level` levels left: the greatest score.
template <class Play>
int maxNode(Walk<Play>& w, int level, int alpha, int beta) {
  if (level == 0) return maxLeafNode(w, beta);
  const std::uint64_t key = nodeKey(w.key, level, Opponent);
  const TableEntry* entry = find(w.t, key);
  if (entry && settles(*entry, alpha, beta)) return entry->value;
  auto* moves = w.search.lists.template of<typename Play::Move>()[level][Opponent];
  const int n = w.play.generate(moves, w.search.opponent());
  if (n == 0) return kOpponentStuck - level;
  int known = 0;
  if (level > kCutoffLevel && childCutoff(w, moves, n, level - 1, Computer, alpha, beta, known)) return known;

  MovePicker<Play> picker(w, moves, n, level, Opponent, hintFor(entry, n));
  int best = kInitialMaxBest, bestIndex = -1;
  for (int k = 0; k < n; ++k) {
    const int i = picker.next(k);
    const int v = tryMove(w, moves[i], salt(level - 1, Computer), [&] {
      const int limit = std::max(alpha, best);
      if (k == 0) return minNode(w, level - 1, limit, beta);
      const int probe = minNode(w, level - 1, limit, limit + 1);
      return probe > limit && probe < beta ? minNode(w, level - 1, limit, beta) : probe;
    });
    if (v > best) {
      best = v;
      bestIndex = i;
      if (best >= beta) {
        rememberCutoff(w, moves[i], level, Opponent);
        break;
      }
    }
  }
  store(w.t, key, best, alpha, beta, bestIndex, level, Opponent);
  return best;
}

// The exact score of the opponent's node at `level`, known to be at most
// `upper`: null-window tests close in on it, each answered largely from the
// table the ones before it filled. The evaluation is fine-grained and a test
// that fails low mostly lowers the bound by one only, so the tests step down
// from `upper` by doubling distances until one holds, then halve the gap.
template <class Play>
int exactScore(Walk<Play>& w, int level, int upper) {
  int lower = kInitialMaxBest, step = 1;
  while (lower < upper) {
    int b;
    if (lower == kInitialMaxBest) {
      b = std::max(upper - step + 1, lower + 1);
      step *= 2;
    } else {
      b = lower + (upper - lower + 1) / 2;
    }
    const int g = maxNode(w, level, b - 1, b);
    if (g < b)
      upper = g;
    else
      lower = g;
  }
  return upper;
}

}  // namespace

namespace {

// The root: every move searched in generation order, each compared with the
// best so far for its exact score only when it scores below it.
template <class Play>
int searchRoot(Search& search, Tables& t, Play& play, std::uint64_t key) {
  const int depth = search.task.depth;
  Walk<Play> w{search, t, play, search.position.giveAway ? -1 : 1, key};
  auto* moves = search.lists.template of<typename Play::Move>()[depth][Computer];
  const int n = play.generate(moves, search.task.side);
  if (n == 0) return kComputerStuck - depth;
  if (n == 1) {
    search.rootIndex = 0;
    return 1;
  }
  int best = kInitialMinBest;
  for (int i = 0; i < n; ++i) {
    if (search.task.progress && !search.task.progress(search.task.progressContext, i * 100 / n)) return 0;
    if (search.stopped()) return 0;
    const int v = tryMove(w, moves[i], depth > 0 ? salt(depth, Opponent) : 0, [&] {
      if (i == 0) return maxNode(w, depth, kInitialMaxBest, best);
      const int probe = maxNode(w, depth, best - 1, best);
      return probe < best ? exactScore(w, depth, probe) : probe;
    });
    if (v < best) {  // strictly: ties keep the earliest move
      best = v;
      search.rootIndex = i;
    }
  }
  search.rootBest = best;
  return 1;
}

// The diagonal variants on bitboards; false for a position they do not hold.
template <int N>
bool searchOnBits(Search& search, Tables& t, std::uint64_t key, int& result) {
  const Position& g = search.position;
  const BitGenerator<N> generate = bitGeneratorFor<N>(rulesOf(g));
  if (generate == nullptr) return false;
  for (int y = 0; y < N; ++y)
    for (int x = (y + 1) % 2; x < N; x += 2)
      if (g.board[y][x].kind != Empty) return false;
  BitPlay<DarkSquares<N>> play(g, search.table, generate);
  result = searchRoot(search, t, play, key);
  return true;
}

// Turkish and Gothic on bitboards of every square; false for the others.
bool searchOnSquares(Search& search, Tables& t, std::uint64_t key, int& result) {
  const Position& g = search.position;
  const SquareGenerator generate = squareGeneratorFor(rulesOf(g));
  if (generate == nullptr) return false;
  BitPlay<EverySquare> play(g, search.table, generate);
  result = searchRoot(search, t, play, key);
  return true;
}

}  // namespace

FastSearch::FastSearch() : tables_(std::make_unique<Tables>()) {}
FastSearch::~FastSearch() = default;

int FastSearch::choose(Search& search) {
  Tables& t = *tables_;
  prepareSearch(search);
  std::memset(t.killers, -1, sizeof t.killers);
  std::memset(t.history, 0, sizeof t.history);
  std::memset(t.counters, -1, sizeof t.counters);
  const Position& g = search.position;
  // Entries of earlier searches were scored with another evaluation table:
  // a fresh salt in every key makes them miss instead of clearing the table.
  const std::uint64_t key = boardKey(g) ^ splitMix(++t.searchCount ^ 0xa11ce5ull);
  // The stamp tells this search's entries from older ones, which may be
  // overwritten at will; when it comes round again the table starts empty.
  if (++t.stamp == 0) {
    std::memset(static_cast<void*>(t.table), 0, kBuckets * sizeof(Bucket));
    t.stamp = 1;
  }

  int result = 0;
  switch (g.boardSize) {
    case 8:
      if (searchOnSquares(search, t, key, result) || searchOnBits<8>(search, t, key, result)) return result;
      break;
    case 10:
      if (searchOnBits<10>(search, t, key, result)) return result;
      break;
    case 12:
      if (searchOnBits<12>(search, t, key, result)) return result;
      break;
  }
  RecordPlay play(search);
  return searchRoot(search, t, play, key);
}

}  // namespace velmora
