#pragma once
// The computer's fixed-depth search: searchMin for the computer (minimising),
// searchMax for its opponent, one bound handed from parent to child. No move
// ordering, no tables, no extensions: the chosen move is exactly the one these
// two functions give, node for node.

#include <atomic>
#include <cstdint>

#include "core/ai/evaluation.h"
#include "core/rules/bitboard.h"
#include "core/rules/move.h"
#include "core/rules/position.h"

namespace velmora {

constexpr int kMaxSearchDepth = 4;  // the search lists have levels 0..4
constexpr int kInitialMinBest = 1000000;
constexpr int kInitialMaxBest = -1000000;
constexpr int kComputerStuck = 999999;   // minus the level
constexpr int kOpponentStuck = -999990;  // minus the level

// Called at the root before each root move with floor(i * 100 / n); the search
// is abandoned when it returns false.
using ProgressCallback = bool (*)(void* context, int percent);

// What a level search is asked: the side the computer plays, which
// minimises, and how deep. The game's levels 0, 1, 2 search depths 2, 3, 4.
struct LevelTask {
  int side = Black;
  int depth = 2;
  ProgressCallback progress = nullptr;
  void* progressContext = nullptr;
  // Set from another thread to give up at once: every move then scores 0
  // without being searched, and the root returns 0 at its next move.
  const std::atomic<bool>* stop = nullptr;
};

// The move lists of every level, for the computer (slot 0) and its opponent
// (slot 1), in each form a search walks with, and the record slots the
// record search plays into. Owned by whoever owns the search; large, so
// made once and never per search or per node.
template <class Move>
using LevelLists = Move[kMaxSearchDepth + 1][2][kMaxMoves];

struct SearchLists {
  LevelLists<MoveRecord> records;
  LevelLists<BitMove<8>> bits8;
  LevelLists<BitMove<10>> bits10;
  LevelLists<BitMove<12>> bits12;
  MoveRecord played[2 * kMaxSearchDepth + 2];

  template <class Move>
  LevelLists<Move>& of();
};

template <>
inline LevelLists<MoveRecord>& SearchLists::of<MoveRecord>() {
  return records;
}
template <>
inline LevelLists<BitMove<8>>& SearchLists::of<BitMove<8>>() {
  return bits8;
}
template <>
inline LevelLists<BitMove<10>>& SearchLists::of<BitMove<10>>() {
  return bits10;
}
template <>
inline LevelLists<BitMove<12>>& SearchLists::of<BitMove<12>>() {
  return bits12;
}

// One search under way: the position it plays on (left as it was found),
// what it was asked, and what it found.
struct Search {
  Position& position;
  SearchLists& lists;
  LevelTask task;
  int rootIndex = 0;               // the choice, in generateMoves order, once result is 1
  std::uint64_t nodes = 0;         // applyMove calls made
  int rootBest = kInitialMinBest;  // the root's best score, once a root search ran
  int runningSum = 0;              // boardSum of the board as it stands; chooseComputerMove sets it
  int ply = 0;                     // record slots in use below the root
  EvalTable table{};               // built by chooseComputerMove from the root position

  int opponent() const { return task.side ^ 1; }
  bool stopped() const { return task.stop && task.stop->load(std::memory_order_relaxed); }
};

// At the root (level == depth): 1 when rootIndex holds the choice, 0 when
// abandoned, 999999 - level when the computer has no move. Below the root:
// the score.
int searchMin(Search& search, int level, int bound);
int searchMax(Search& search, int level, int bound);

// The table, the sum and the counters set up for the root position.
void prepareSearch(Search& search);

// prepareSearch, then searchMin at the root with bound -1000000: on bitboards
// where they hold the position, else on records.
int chooseComputerMove(Search& search);

}  // namespace velmora
