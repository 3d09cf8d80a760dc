#pragma once
// The computer's fixed-depth search: searchMin for the computer (minimising),
// searchMax for its opponent, one bound handed from parent to child. No move
// ordering, no tables, no extensions: the chosen move is exactly the one these
// two functions give, node for node.

#include <atomic>
#include <cstdint>

#include "core/ai/evaluation.h"

namespace velmora {

struct GameState;

constexpr int kMaxSearchDepth = 4;  // the search buffers have levels 0..4
constexpr int kInitialMinBest = 1000000;
constexpr int kInitialMaxBest = -1000000;
constexpr int kComputerStuck = 999999;   // minus the level
constexpr int kOpponentStuck = -999990;  // minus the level

// Called at the root before each root move with floor(i * 100 / n); the search
// is abandoned when game.thinking is 0 after the call.
using ProgressCallback = void (*)(void* context, int percent);

struct Search {
  GameState& game;
  ProgressCallback progress = nullptr;
  void* progressContext = nullptr;
  // Set from another thread to give up at once: every move then scores 0
  // without being searched, and the root returns 0 at its next move.
  const std::atomic<bool>* stop = nullptr;
  std::uint64_t nodes = 0;         // applyMove calls made
  int rootBest = kInitialMinBest;  // the root's best score, once a root search ran
  int runningSum = 0;              // boardSum of the board as it stands; chooseComputerMove sets it
  EvalTable table{};               // built by chooseComputerMove from the root position
};

// At the root (level == searchDepth): 1 when bestRootIndex holds the choice,
// 0 when abandoned, 999999 - level when the computer has no move. Below the
// root: the score.
int searchMin(Search& search, int level, int bound);
int searchMax(Search& search, int level, int bound);

// buildEvalTable, then searchMin at the root with bound -1000000.
int chooseComputerMove(Search& search);

}  // namespace velmora
