#pragma once
// One engine: everything a search needs, in one object. It is set up from a
// position and the game's record (for repetitions and the quiet-move count),
// told to think within limits (a level of the game, or the Expert with time,
// depth or nodes), stopped at any moment, and reports through callbacks. It
// keeps no state outside itself, so engines think side by side: a match, an
// analysis beside a game, an engine protocol.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <thread>

#include "core/ai/expert_search.h"
#include "core/ai/search.h"
#include "core/rules/game_record.h"

namespace velmora {

class FastSearch;

// Levels 0..2 are the game's fixed-depth search at depth level + 2.
constexpr int kExpertLevel = 3;

struct EngineLimits {
  int level = 1;         // 0..2, or kExpertLevel
  bool literal = false;  // a level by its reference search: the same choice, far more nodes
  // The Expert's budget; 0 is no limit of that kind.
  int moveTimeMs = 0;
  int maxDepth = kExpertMaxDepth;
  std::uint64_t maxNodes = 0;
  ExpertClock clock = nullptr;  // null: the system's monotonic clock
  // A position with one legal move is searched to the budget all the same:
  // analysis wants its score, a player only the move, which it has at once.
  bool scoreForcedMove = false;
  // The Expert plays a game's move from its opening book where the book has
  // the position (classic rules only; not in analysis, which wants scores).
  // `bookRandom` in [0, 1) draws among the book's moves; below 0 the engine
  // draws by itself.
  bool useBook = false;
  double bookRandom = -1;
  // The Expert scores by its learned pattern weights where the variant has
  // them; off, by the hand-written terms alone.
  bool learnedPatterns = true;
};

// What a search under way tells: the share of the root moves a level has
// begun, or the share of its time the Expert has used; for the Expert also
// the depth and score of the iteration just completed.
struct EngineProgress {
  int percent = 0;
  int depth = 0;
  int score = 0;
};

struct EngineResult {
  // 1: rootIndex holds the choice; 0: stopped before choosing; otherwise the
  // side to move has no move (for a level, 999999 - its depth).
  int result = 0;
  int rootIndex = -1;  // in generateMoves order for the side to move
  // A level's root score (the computer minimises); the Expert's score for
  // the side to move.
  int score = 0;
  int depth = 0;  // the Expert's last completed iteration; a level's depth; 0 from the book
  std::uint64_t nodes = 0;
  int pvLength = 0;  // the Expert's expected line, its choice first
  MoveRecord pv[kExpertMaxPly];
};

class Engine {
 public:
  // Called on the thread that thinks; false breaks the search off.
  using Progress = std::function<bool(const EngineProgress&)>;
  using Finished = std::function<void(const EngineResult&)>;
  using Job = std::function<void(Engine&)>;

  // The Expert's table gets `expertTableEntries` entries (16 bytes each).
  // Each search's memory is made at its first use and kept: a game that
  // never asks for the Expert never pays for its table.
  explicit Engine(std::size_t expertTableEntries = std::size_t{1} << 20);
  ~Engine();  // stops and waits for the thread
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // The game to think about: `position` is the board the record leads to,
  // with the record's side to move. Copied; not while thinking.
  void setPosition(const Position& position, const GameRecord& record);
  const RecordedPosition& position() const { return *game_; }

  // The endgame databases the Expert scores their positions by, where they
  // are of the game's rules and board; not owned, and null for none. Not
  // while thinking.
  void setEndgames(const EndgameDb<8>* board8, const EndgameDb<10>* board10) {
    endgames8_ = board8;
    endgames10_ = board10;
  }

  // Thinks on the calling thread.
  EngineResult think(const EngineLimits& limits, const Progress& progress = {});

  // Thinks on the engine's thread; `progress` and `finished` run there.
  // `finished` runs once, also when stopped (then with result 0).
  void start(const EngineLimits& limits, Progress progress, Finished finished);
  // Runs `job` on the engine's thread; the job thinks through the engine
  // it is given, as often as it likes, and ends early once stopping().
  void run(Job job);

  // The search under way stops at its next node, and so does every search
  // after it until resetStop; returns at once.
  void requestStop() { stop_ = true; }
  // Lets searches on the calling thread run again after a stop. start and
  // run do it themselves.
  void resetStop() { stop_ = false; }
  bool stopping() const { return stop_.load(std::memory_order_relaxed); }
  // requestStop, then waits: no callback runs afterwards.
  void stop();
  // Whether the thread of the last start or run is still at work.
  bool busy() const { return busy_; }

 private:
  EngineResult thinkAtLevel(const EngineLimits& limits, const Progress& progress);
  EngineResult thinkAsExpert(const EngineLimits& limits, const Progress& progress);
  std::optional<EngineResult> bookMove(const EngineLimits& limits);
  void launch(std::function<void()> work);

  std::size_t expertEntries_;
  std::unique_ptr<RecordedPosition> game_;
  std::unique_ptr<SearchLists> lists_;
  std::unique_ptr<FastSearch> fast_;
  std::unique_ptr<ExpertSearch> expert_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> busy_{false};
  std::thread thread_;
  std::mt19937_64 randomness_{std::random_device{}()};  // the book's draws
  const EndgameDb<8>* endgames8_ = nullptr;
  const EndgameDb<10>* endgames10_ = nullptr;
};

}  // namespace velmora
