#include "core/ai/expert_search.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <chrono>
#include <cmath>
#include <cstring>
#include <vector>

#include "core/ai/expert_play.h"
#include "core/ai/position_keys.h"
#include "core/ai/table_memory.h"
#include "core/rules/game_record.h"
#include "core/rules/game_result.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "core/rules/rule_family.h"

namespace velmora {

namespace {

constexpr std::uint64_t kBlackToMove = splitMix(0xb1ac4ull);

// How the key changes when `move` is played, the side to move included.
std::uint64_t keyChange(const MoveRecord& move) { return kBlackToMove ^ boardKeyChange(move); }

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

// How much less deeply the k-th move of a node `depth` plies from the
// horizon is first searched: growing with the logarithms of both.
const auto kReductions = [] {
  std::array<std::array<std::int8_t, 64>, kExpertMaxDepth + 1> table{};
  for (int depth = 1; depth <= kExpertMaxDepth; ++depth)
    for (int k = 1; k < 64; ++k) table[depth][k] = static_cast<std::int8_t>(0.5 + std::log(depth) * std::log(k) / 2.0);
  return table;
}();

}  // namespace

std::uint64_t expertPositionKey(const Position& p, int side) {
  return (side == Black ? kBlackToMove : 0) ^ boardKey(p);
}

namespace {

// Everything a search keeps between its nodes that does not depend on how it
// plays its moves: the table, the ordering, the draws of the path, the budget.
struct ExpertState {
  explicit ExpertState(std::size_t entries) : buckets(bucketsFor(entries)), memory(buckets * sizeof(Bucket)) {}

  // Two entries a bucket, in one half of a cache line: one keeps the deepest
  // search of the bucket, the other the latest, so that the big subtrees stay
  // while the small ones churn.
  struct Bucket {
    Entry deep;
    Entry latest;
  };
  static std::size_t bucketsFor(std::size_t entries) {
    std::size_t size = 1;
    while (size * 4 <= std::max<std::size_t>(entries, 1024)) size *= 2;
    return size;
  }

  const std::size_t buckets;
  TableMemory memory;
  Bucket* table = static_cast<Bucket*>(memory.data());
  int orderKeys[kExpertMaxPly][kMaxMoves];
  // The line found below each ply, as indices into the lists of its nodes.
  std::int16_t pv[kExpertMaxPly][kExpertMaxPly];
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
  ExpertLimits limits;
  int rootSide = White;
  bool giveAway = false;
  bool stopped = false;
  std::uint64_t nodes = 0;
  std::uint64_t startMs = 0;
  std::uint64_t nextPoll = 0;
  int rootBestIndex = -1;  // of the iteration under way, once a move has an exact score
  int rootBestScore = 0;
  std::int16_t line[kExpertMaxPly];  // the chosen line, as indices
  int lineLength = 0;

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

  // A position the databases hold, by their byte (see endgameValue): a win
  // sooner and a loss later are worth more.
  int endgameScore(int value, int ply) const {
    if (value == 0) return drawScore(ply);
    const EndgameResult known = endgameResult(static_cast<std::uint8_t>(value));
    if (known.plies == 0) return -(kExpertWin - ply);  // no move: lost here, as the search itself says
    const int score = kExpertDatabaseWin - (ply + known.plies);
    return known.outcome == EndgameOutcome::Win ? score : -score;
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

  // The index of the best move not yet tried, by picking, not sorting: most
  // nodes are cut off after one or two moves.
  int pick(int ply, int n, int k, int* order) const {
    const int* keysIn = orderKeys[ply];
    int bestAt = k;
    for (int j = k + 1; j < n; ++j)
      if (keysIn[order[j]] > keysIn[order[bestAt]]) bestAt = j;
    std::swap(order[k], order[bestAt]);
    return order[k];
  }

  Bucket& bucketOf(std::uint64_t key) { return table[key & (buckets - 1)]; }

  // This search's entry of the position, or null.
  const Entry* find(std::uint64_t key) {
    const Bucket& b = bucketOf(key);
    if (b.deep.key == key && b.deep.generation == generation) return &b.deep;
    if (b.latest.key == key && b.latest.generation == generation) return &b.latest;
    return nullptr;
  }

  void store(std::uint64_t key, int depth, int score, int alpha, int beta, int move, int ply) {
    Bucket& b = bucketOf(key);
    Entry& e = b.deep.key == key || b.deep.generation != generation || depth >= b.deep.depth ? b.deep : b.latest;
    const Bound bound = score <= alpha ? Upper : score >= beta ? Lower : Exact;
    e = Entry{key,
              static_cast<std::int16_t>(toTable(score, ply)),
              static_cast<std::int16_t>(move),
              static_cast<std::int8_t>(std::clamp(depth, 0, 127)),
              static_cast<std::uint8_t>(bound),
              generation};
  }

  void rememberCutoff(int identity, int ply, int depth) {
    if (killers[ply][0] != identity) {
      killers[ply][1] = killers[ply][0];
      killers[ply][0] = identity;
    }
    std::int32_t& h = history[rootSide ^ (ply & 1)][identity];
    h = std::min(h + depth * depth, 1 << 25);
  }

  // Sets up a search of the position `record` leads to: the game's
  // positions since its last irreversible move, for repetitions, and its
  // quiet run, for the draw rule.
  void begin(const Position& game, const GameRecord& record, const ExpertLimits& searchLimits) {
    limits = searchLimits;
    rootSide = record.sideToMove();
    giveAway = game.giveAway != 0;
    stopped = false;
    nodes = 0;
    startMs = now();
    nextPoll = kExpertClockInterval;
    std::memset(killers, -1, sizeof killers);
    std::memset(history, 0, sizeof history);
    // Entries of earlier searches read as empty, so that a search depends on
    // its position alone; when the counter comes round the table is cleared.
    if (++generation == 0) {
      std::fill(table, table + buckets, Bucket{});
      generation = 1;
    }
    const std::uint64_t rootKey = expertPositionKey(game, rootSide);
    std::uint64_t key = rootKey;
    int back = 0;
    while (back < record.plyCount && ExpertRecordPlay::reversible(record.gameRecord[record.plyCount - 1 - back])) {
      key ^= keyChange(record.gameRecord[record.plyCount - 1 - back]);
      ++back;
      keys[back] = key;  // reversed below
    }
    keys[0] = rootKey;
    std::reverse(keys, keys + back + 1);
    base = back;
    reversibleRun[0] = back;
    int quiet = 0;
    while (quiet < record.plyCount && quiet < kQuietMovesForDraw &&
           !breaksQuietRun(record.gameRecord[record.plyCount - 1 - quiet]))
      ++quiet;
    quietRun[0] = quiet;
  }
};

// The search itself, on the moves of one way of playing them.
template <class Play>
class Tree {
 public:
  using Move = typename Play::Move;

  explicit Tree(ExpertState& state) : s_(state), moves_(static_cast<std::size_t>(kExpertMaxPly) * kMaxMoves) {}

  ExpertResult choose(Position& game, const GameRecord& record, const ExpertLimits& limits);

 private:
  Move* movesAt(int ply) { return &moves_[static_cast<std::size_t>(ply) * kMaxMoves]; }

  int evaluate(int ply) {
    const int side = s_.rootSide ^ (ply & 1);
    const int score = s_.giveAway ? play_.giveAwayEvaluate(side) : play_.evaluate(side, s_.quietRun[ply]);
    return std::clamp(score, 1 - kExpertWinFound, kExpertWinFound - 1);
  }

  void rank(const Move* list, int n, int ply, int hint) {
    int* keysOut = s_.orderKeys[ply];
    const int side = s_.rootSide ^ (ply & 1);
    const int(&killers)[2] = s_.killers[ply];
    for (int i = 0; i < n; ++i) {
      const Move& m = list[i];
      const int identity = play_.identity(m);
      int key;
      if (i == hint) {
        key = 1 << 30;
      } else if (Play::captures(m) > 0) {
        key = (1 << 28) + Play::captures(m) * 64 + play_.kingsTaken(m) * 8 + Play::crowns(m);
      } else if (identity == killers[0]) {
        key = 1 << 27;
      } else if (identity == killers[1]) {
        key = (1 << 27) - 1;
      } else {
        key = std::min(s_.history[side][identity], (1 << 26) - 1);
        if (Play::crowns(m)) key += 1 << 26;
      }
      keysOut[i] = key;
    }
  }

  int search(int depth, int ply, int alpha, int beta);
  bool chooseByDatabase(int n, ExpertResult& result);

  ExpertState& s_;
  Play play_;
  std::vector<Move> moves_;  // one list per ply
};

// Negamax with a principal variation: the first move gets the full window,
// the others a null window first, and a full one only when they beat it.
template <class Play>
int Tree<Play>::search(int depth, int ply, int alpha, int beta) {
  ExpertState& s = s_;
  s.pvLength[ply] = 0;
  if (ply > 0 && s.outOfBudget()) return 0;
  if (ply > 0 && s.repeats(ply)) return s.drawScore(ply);

  const int side = s.rootSide ^ (ply & 1);
  // The databases know the rules of the board alone: where the quiet run
  // has drawn the game, the search below says so.
  if (ply > 0 && !s.giveAway && s.quietRun[ply] < kQuietMovesForDraw)
    if (const int known = play_.endgameValue(side); known >= 0) return s.endgameScore(known, ply);
  Move* list = movesAt(ply);
  const int lost = s.giveAway ? kExpertWin - ply : -(kExpertWin - ply);
  bool extended = false;
  // Captures are compulsory, so a side that can capture has only captures:
  // they are played out past the horizon, and only a quiet position is
  // scored, without listing its moves.
  if (depth <= 0) {
    const int look = play_.look(side, list);
    if (look == 0) return lost;
    if (ply > 0 && s.quietRun[ply] >= kQuietMovesForDraw) return s.drawScore(ply);
    if (ply >= kExpertMaxPly - 1) return evaluate(ply);
    if (look == 1) {
      // A capture the other side threatens is looked at one ply further,
      // once on the line: a quiet position with a shot pending is not quiet.
      if (depth < 0 || play_.look(side ^ 1, movesAt(ply + 1)) != 2) return evaluate(ply);
      extended = true;
    }
  }
  const int n = play_.generate(list, side);
  if (n == 0) return lost;
  if (ply > 0 && s.quietRun[ply] >= kQuietMovesForDraw) return s.drawScore(ply);
  if (ply >= kExpertMaxPly - 1) return evaluate(ply);
  const bool captures = Play::captures(list[0]) > 0;
  if (depth < 0) depth = 0;
  // A forced move costs the side no choice: it does not use up depth.
  const int childDepth = extended ? -1 : n == 1 && ply > 0 ? depth : depth - 1;

  const std::uint64_t key = s.keys[s.base + ply];
  int hint = -1;
  // Below the horizon only captures are left, short lines the table would
  // cost more to look up than to walk again.
  const bool tabled = depth > 0;
  const bool pvNode = beta - alpha > 1;
  if (const Entry* e = tabled ? s.find(key) : nullptr) {
    hint = e->move < n ? e->move : -1;
    const int score = fromTable(e->score, ply);
    if (ply > 0 && !pvNode && e->depth >= depth &&
        (e->bound == Exact || (e->bound == Lower && score >= beta) || (e->bound == Upper && score <= alpha)))
      return score;
  }
  // A line of the principal variation without a move from the table finds
  // one by a shallower search first: the first move of such a node is the
  // one that costs the most when it is wrong.
  if (ply > 0 && hint < 0 && pvNode && depth >= 6 && n > 1) {
    search(depth - 3, ply, alpha, beta);
    if (s.stopped) return 0;
    if (const Entry* e = s.find(key)) hint = e->move < n ? e->move : -1;
  }

  rank(list, n, ply, hint);
  int order[kMaxMoves];
  for (int i = 0; i < n; ++i) order[i] = i;

  const int alphaIn = alpha;
  int best = -kInfinity, bestIndex = -1;
  for (int k = 0; k < n; ++k) {
    const int i = s.pick(ply, n, k, order);
    const Move& move = list[i];
    const bool plain = s.orderKeys[ply][i] < kQuietOrderLimit;  // quiet, not the table's, no killer or crowning
    const std::uint64_t childKey = key ^ kBlackToMove ^ play_.keyChange(move);
    s.keys[s.base + ply + 1] = childKey;
    // The child's bucket is fetched while the move is played and the
    // child's moves generated, so that its look-up seldom waits for memory.
#if defined(__GNUC__) || defined(__clang__)
    if (childDepth > 0) __builtin_prefetch(&s.bucketOf(childKey));
#endif
    s.reversibleRun[ply + 1] = Play::reversible(move) ? s.reversibleRun[ply] + 1 : 0;
    s.quietRun[ply + 1] = Play::breaksQuiet(move) ? 0 : s.quietRun[ply] + 1;
    const int identity = play_.identity(move);
    play_.play(move);
    ++s.nodes;
    int v;
    if (k == 0) {
      v = -search(childDepth, ply + 1, -beta, -alpha);
    } else {
      // Late quiet moves, after the table's move, the killers and crownings,
      // seldom turn out best: they are first looked at less deeply, the
      // later and the deeper the more so, and again in full when they do.
      int reduction = 0;
      if (!captures && plain && depth >= 3 && k >= 3) {
        reduction = kReductions[std::min(depth, kExpertMaxDepth)][std::min(k, 63)] - (pvNode ? 1 : 0);
        reduction = std::clamp(reduction, 0, std::max(0, childDepth - 1));
      }
      v = -search(childDepth - reduction, ply + 1, -alpha - 1, -alpha);
      if (reduction && v > alpha && !s.stopped) v = -search(childDepth, ply + 1, -alpha - 1, -alpha);
      if (v > alpha && v < beta && !s.stopped) v = -search(childDepth, ply + 1, -beta, -alpha);
    }
    play_.takeBack();
    if (s.stopped) return 0;
    if (v > best) {
      best = v;
      bestIndex = i;
      if (v > alpha) {
        alpha = v;
        std::int16_t* line = s.pv[ply];
        line[0] = static_cast<std::int16_t>(i);
        const int below = s.pvLength[ply + 1];
        std::copy(s.pv[ply + 1], s.pv[ply + 1] + below, line + 1);
        s.pvLength[ply] = below + 1;
        if (ply == 0 && v < beta) {
          s.rootBestIndex = i;
          s.rootBestScore = v;
        }
        if (v >= beta) {
          if (!captures) s.rememberCutoff(identity, ply, depth);
          break;
        }
      }
    }
  }
  if (tabled) s.store(key, depth, best, alphaIn, beta, bestIndex, ply);
  if (ply == 0 && bestIndex >= 0 && best > alphaIn && best < beta) s.rootBestIndex = bestIndex;
  return best;
}

// A won or lost position the databases hold is played by them alone: the
// quickest win, the longest defence. False where a move leads out of them.
template <class Play>
bool Tree<Play>::chooseByDatabase(int n, ExpertResult& result) {
  ExpertState& s = s_;
  const Move* list = movesAt(0);
  int best = -kInfinity, bestIndex = -1;
  for (int i = 0; i < n; ++i) {
    play_.play(list[i]);
    const int known = play_.endgameValue(s.rootSide ^ 1);
    play_.takeBack();
    if (known < 0) return false;
    const int score = -s.endgameScore(known, 1);
    if (score > best) {
      best = score;
      bestIndex = i;
    }
  }
  result.rootIndex = bestIndex;
  result.score = best;
  result.depth = 0;
  s.line[0] = static_cast<std::int16_t>(bestIndex);
  s.lineLength = 1;
  return true;
}

// The line as records, each the move its index names in the list of the
// position the line has reached; the board is left as it was.
void lineRecords(Position& game, int side, const std::int16_t* indices, int length, ExpertResult& result,
                 MoveRecord* list, MoveRecord* played) {
  int k = 0;
  for (; k < length; ++k) {
    generateMoves(list, game, side ^ (k & 1));
    if (indices[k] >= game.moveCount) break;
    result.pv[k] = list[indices[k]];
    applyMove(list[indices[k]], played[k], game);
  }
  result.pvLength = k;
  while (k > 0) undoMove(played[--k], game);
}

// Whether to begin another iteration with `elapsed` ms of `budget` gone.
// The next one takes about as many times the last as the last took the one
// before (two to four, as the search goes deeper). One that would end within
// the budget is begun; so is one with most of the budget still left, since
// its first move, searched best, is worth having even when the clock stops
// it, which it does at the budget itself.
bool worthAnotherIteration(std::uint64_t elapsed, std::uint64_t lastTook, std::uint64_t beforeTook, int budgetMs) {
  const auto budget = static_cast<std::uint64_t>(budgetMs);
  if (elapsed * 5 < budget * 2) return true;
  const std::uint64_t growth = beforeTook > 0 ? std::clamp<std::uint64_t>(lastTook / beforeTook, 2, 4) : 3;
  return elapsed + lastTook * growth <= budget;
}

template <class Play>
ExpertResult Tree<Play>::choose(Position& game, const GameRecord& record, const ExpertLimits& limits) {
  ExpertState& s = s_;
  s.begin(game, record, limits);
  play_.setUp(game);
  play_.setKnowledge(limits);

  ExpertResult result;
  const int n = play_.generate(movesAt(0), s.rootSide);
  if (n == 0) {
    result.score = s.giveAway ? kExpertWin : -kExpertWin;
    return result;
  }
  result.rootIndex = 0;
  result.score = evaluate(0);
  if (!s.giveAway && play_.endgameValue(s.rootSide) > 0 && chooseByDatabase(n, result)) return result;
  std::int16_t line[kExpertMaxPly];
  int lineLength = 0;

  const int maxDepth = std::clamp(limits.maxDepth, 1, kExpertMaxDepth);
  // The clock is read once an iteration: each begins where the last ended.
  std::uint64_t began = limits.moveTimeMs > 0 ? s.elapsed() : 0;
  std::uint64_t lastTook = 0;  // ms of the last completed iteration, and the one before
  std::uint64_t beforeTook = 0;
  for (int depth = 1; depth <= maxDepth; ++depth) {
    s.rootBestIndex = -1;
    int alpha = -kInfinity, beta = kInfinity;
    if (depth >= 3 && std::abs(result.score) < kExpertWinFound) {
      alpha = result.score - kAspiration;
      beta = result.score + kAspiration;
    }
    int score = search(depth, 0, alpha, beta);
    // Outside the window the score is only a bound: search again, open.
    if (!s.stopped && (score <= alpha || score >= beta)) {
      s.rootBestIndex = -1;
      score = search(depth, 0, -kInfinity, kInfinity);
    }
    if (s.stopped) {
      // A move that proved better than the last iteration's choice is kept.
      if (s.rootBestIndex >= 0 && s.rootBestScore > result.score) {
        result.rootIndex = s.rootBestIndex;
        result.score = s.rootBestScore;
        line[0] = static_cast<std::int16_t>(s.rootBestIndex);
        lineLength = 1;
      }
      break;
    }
    result.score = score;
    result.depth = depth;
    result.rootIndex = s.rootBestIndex >= 0 ? s.rootBestIndex : result.rootIndex;
    lineLength = s.pvLength[0];
    std::copy(s.pv[0], s.pv[0] + lineLength, line);
    if (limits.progress) limits.progress(limits.progressContext, depth, score);
    // A move that is the only one is played at once, whatever the budget.
    if ((n == 1 && !limits.scoreForcedMove) || std::abs(score) > kExpertWinFound) break;
    if (limits.moveTimeMs > 0) {
      const std::uint64_t ended = s.elapsed();
      beforeTook = lastTook;
      lastTook = ended - began;
      began = ended;
      if (!worthAnotherIteration(ended, lastTook, beforeTook, limits.moveTimeMs)) break;
    }
  }
  result.nodes = s.nodes;
  s.lineLength = lineLength;
  std::copy(line, line + lineLength, s.line);
  return result;
}

}  // namespace

struct ExpertSearch::Impl {
  explicit Impl(std::size_t entries) : state(entries) {}

  ExpertState state;
  std::unique_ptr<Tree<ExpertRecordPlay>> records;
  std::unique_ptr<Tree<ExpertBitPlay<DarkSquares<8>>>> bits8;
  std::unique_ptr<Tree<ExpertBitPlay<DarkSquares<10>>>> bits10;
  std::unique_ptr<Tree<ExpertBitPlay<DarkSquares<12>>>> bits12;
  std::unique_ptr<Tree<ExpertBitPlay<EverySquare>>> everySquare;
  std::vector<MoveRecord> list = std::vector<MoveRecord>(kMaxMoves);
  MoveRecord played[kExpertMaxPly];

  template <class Play>
  Tree<Play>& tree(std::unique_ptr<Tree<Play>>& made) {
    if (!made) made = std::make_unique<Tree<Play>>(state);
    return *made;
  }
};

ExpertSearch::ExpertSearch(std::size_t tableEntries) : impl_(std::make_unique<Impl>(tableEntries)) {}
ExpertSearch::~ExpertSearch() = default;

ExpertResult ExpertSearch::choose(Position& game, const GameRecord& record, const ExpertLimits& limits) {
  Impl& s = *impl_;
  // The diagonal variants' bitboards hold the dark squares only; a board
  // set up with a piece elsewhere is searched on the records, which play it
  // as it stands.
  const bool dark = onDarkSquaresOnly(familyRulesOf(game.gameType));
  ExpertResult result;
  if (limits.onRecords || (dark && lightSquarePiece(game.board, game.gameType)) ||
      game.boardSize != boardSizeOf(game.gameType))
    result = s.tree(s.records).choose(game, record, limits);
  else if (!dark)
    result = s.tree(s.everySquare).choose(game, record, limits);
  else if (game.boardSize == 8)
    result = s.tree(s.bits8).choose(game, record, limits);
  else if (game.boardSize == 10)
    result = s.tree(s.bits10).choose(game, record, limits);
  else
    result = s.tree(s.bits12).choose(game, record, limits);
  lineRecords(game, s.state.rootSide, s.state.line, s.state.lineLength, result, s.list.data(), s.played);
  return result;
}

}  // namespace velmora
