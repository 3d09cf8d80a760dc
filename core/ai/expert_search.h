#pragma once
// The Expert player: iterative deepening principal variation search with a
// transposition table, captures followed past the horizon, and a budget of
// time, nodes or depth. The three fixed-depth levels are in search.h and
// fast_search.h; this one stands beside them and shares nothing with them.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/rules/move.h"
#include "core/rules/position.h"

namespace velmora {

struct GameRecord;
template <int N>
class EndgameDb;

constexpr int kExpertMaxDepth = 64;  // iterations of the deepening
constexpr int kExpertMaxPly = 128;   // plies below the root, captures included
constexpr int kExpertWin = 30000;    // a won position, less the plies to reach it
// What a draw the search foresees costs the side the Expert plays.
constexpr int kExpertContempt = 15;
// Scores beyond this are wins or losses found by the search.
constexpr int kExpertWinFound = kExpertWin - kExpertMaxPly;
// A win the endgame databases know, less the plies to the game's end: below
// the wins the search sees itself, above any score of the evaluation.
constexpr int kExpertDatabaseWin = kExpertWinFound - 400;

// Called after each completed iteration with its depth and score.
using ExpertProgress = void (*)(void* context, int depth, int score);
// Milliseconds from any fixed point; the search reads it every
// kExpertClockInterval nodes.
using ExpertClock = std::uint64_t (*)();
constexpr std::uint64_t kExpertClockInterval = 1024;

struct ExpertLimits {
  int maxDepth = kExpertMaxDepth;
  std::uint64_t maxNodes = 0;  // 0: no node limit
  int moveTimeMs = 0;          // 0: no clock
  // Either flag, set from another thread, stops the search at the next node:
  // one for the game going away, one for the player breaking off.
  const std::atomic<bool>* stop = nullptr;
  const std::atomic<bool>* breakOff = nullptr;
  ExpertProgress progress = nullptr;
  void* progressContext = nullptr;
  ExpertClock clock = nullptr;  // null: the system's monotonic clock
  // Search on move records even where bitboards serve: the reference the
  // search on bits is checked against, the same tree at a fraction of the speed.
  bool onRecords = false;
  // Search a position with one legal move to the budget, for its score;
  // else it is answered after the first iteration.
  bool scoreForcedMove = false;
  // The endgame databases of the position's rules and board, where there
  // are any: their positions are scored by them, not searched.
  const EndgameDb<8>* endgames8 = nullptr;
  const EndgameDb<10>* endgames10 = nullptr;
  // Score by the variant's learned pattern weights, where it has any; off,
  // the hand-written terms alone (what the weights are trained from).
  bool learnedPatterns = true;
};

struct ExpertResult {
  int rootIndex = -1;  // in generateMoves order for the side to move; -1: no legal move
  int score = 0;       // for the side to move
  int depth = 0;       // of the last completed iteration
  std::uint64_t nodes = 0;
  int pvLength = 0;
  MoveRecord pv[kExpertMaxPly];
};

class ExpertSearch {
 public:
  // The table's entries (16 bytes each, rounded down to a power of two) and
  // every buffer the search walks with are allocated here, once.
  explicit ExpertSearch(std::size_t tableEntries = std::size_t{1} << 20);
  ~ExpertSearch();
  ExpertSearch(const ExpertSearch&) = delete;
  ExpertSearch& operator=(const ExpertSearch&) = delete;

  // The move for the side to move of `record`, on `position`, the board the
  // record leads to (give-away when position.giveAway), counting the draws
  // of the record: repetitions and the quiet run. The board is left as it
  // was.
  ExpertResult choose(Position& position, const GameRecord& record, const ExpertLimits& limits);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// A key of the pieces on the board and the side to move, equal for equal
// positions: what repetitions are recognised by.
std::uint64_t expertPositionKey(const Position& position, int side);

}  // namespace velmora
