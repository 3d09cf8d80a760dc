#include "core/ai/engine.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cstring>
#include <optional>

#include "core/ai/endgame_db.h"
#include "core/ai/fast_search.h"
#include "core/ai/opening_book.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

std::uint64_t steadyMilliseconds() {
  using namespace std::chrono;
  return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// The level's root report, handed on to the engine's caller.
struct LevelReport {
  const Engine::Progress& progress;
  static bool report(void* context, int percent) {
    auto& r = *static_cast<LevelReport*>(context);
    EngineProgress p;
    p.percent = percent;
    return r.progress(p);
  }
};

// The Expert's report after each iteration, with the share of its time used.
struct ExpertReport {
  const Engine::Progress& progress;
  const EngineLimits& limits;
  std::uint64_t startMs;
  std::atomic<bool>& brokenOff;
  static void report(void* context, int depth, int score) {
    auto& r = *static_cast<ExpertReport*>(context);
    const std::uint64_t now = r.limits.clock ? r.limits.clock() : steadyMilliseconds();
    EngineProgress p;
    p.depth = depth;
    p.score = score;
    if (r.limits.moveTimeMs > 0)
      p.percent =
          static_cast<int>(std::min<std::uint64_t>(99, (now - r.startMs) * 100 / std::uint64_t(r.limits.moveTimeMs)));
    if (!r.progress(p)) r.brokenOff = true;
  }
};

}  // namespace

Engine::Engine(std::size_t expertTableEntries)
    : expertEntries_(expertTableEntries), game_(std::make_unique<RecordedPosition>()) {}

Engine::~Engine() { stop(); }

void Engine::setPosition(const Position& position, const GameRecord& record) {
  static_cast<Position&>(*game_) = position;
  static_cast<GameRecord&>(*game_) = record;
}

EngineResult Engine::think(const EngineLimits& limits, const Progress& progress) {
  EngineResult result = limits.level == kExpertLevel ? thinkAsExpert(limits, progress) : thinkAtLevel(limits, progress);
  if (stopping()) result.result = 0;  // what a stopped search found is not its answer
  return result;
}

EngineResult Engine::thinkAtLevel(const EngineLimits& limits, const Progress& progress) {
  if (!lists_) lists_ = std::make_unique<SearchLists>();
  LevelTask task;
  task.side = game_->sideToMove();
  task.depth = std::clamp(limits.level, 0, kMaxSearchDepth - 2) + 2;
  LevelReport report{progress};
  if (progress) {
    task.progress = LevelReport::report;
    task.progressContext = &report;
  }
  task.stop = &stop_;
  Search search{*game_, *lists_, task};
  EngineResult result;
  if (limits.literal) {
    result.result = chooseComputerMove(search);
  } else {
    if (!fast_) fast_ = std::make_unique<FastSearch>();
    result.result = fast_->choose(search);
  }
  result.rootIndex = result.result == 1 ? search.rootIndex : -1;
  result.score = search.rootBest;
  result.depth = task.depth;
  result.nodes = search.nodes;
  return result;
}

// The book's move as the Expert's answer, or nothing where the book has no
// move here.
std::optional<EngineResult> Engine::bookMove(const EngineLimits& limits) {
  if (!limits.useBook || game_->giveAway || game_->officialRules) return std::nullopt;
  const OpeningBook* book = builtInBook(game_->gameType);
  if (book == nullptr) return std::nullopt;
  double random = limits.bookRandom;
  if (random < 0) random = std::uniform_real_distribution<double>(0.0, 1.0)(randomness_);
  const int side = game_->sideToMove();
  EngineResult result;
  result.rootIndex = bookChoice(*book, *game_, side, random, &result.score);
  if (result.rootIndex < 0) return std::nullopt;
  result.result = 1;
  generateMoves(game_->legalMoves, *game_, side);
  result.pvLength = 1;
  result.pv[0] = game_->legalMoves[result.rootIndex];
  return result;
}

EngineResult Engine::thinkAsExpert(const EngineLimits& limits, const Progress& progress) {
  if (auto fromBook = bookMove(limits)) return *fromBook;
  if (!expert_) expert_ = std::make_unique<ExpertSearch>(expertEntries_);
  std::atomic<bool> brokenOff{false};
  ExpertReport report{progress, limits, limits.clock ? limits.clock() : steadyMilliseconds(), brokenOff};
  ExpertLimits expert;
  expert.maxDepth = limits.maxDepth;
  expert.maxNodes = limits.maxNodes;
  expert.moveTimeMs = limits.moveTimeMs;
  expert.clock = limits.clock;
  expert.scoreForcedMove = limits.scoreForcedMove;
  expert.learnedPatterns = limits.learnedPatterns;
  if (!game_->giveAway) {
    const RuleFamily family = rulesOf(*game_);
    if (endgames8_ && endgames8_->family() == family) expert.endgames8 = endgames8_;
    if (endgames10_ && endgames10_->family() == family) expert.endgames10 = endgames10_;
  }
  expert.stop = &stop_;
  expert.breakOff = &brokenOff;
  if (progress) {
    expert.progress = ExpertReport::report;
    expert.progressContext = &report;
  }
  const ExpertResult found = expert_->choose(*game_, *game_, expert);
  EngineResult result;
  result.result = brokenOff ? 0 : found.rootIndex >= 0 ? 1 : kComputerStuck;
  result.rootIndex = found.rootIndex;
  result.score = found.score;
  result.depth = found.depth;
  result.nodes = found.nodes;
  result.pvLength = found.pvLength;
  std::copy(found.pv, found.pv + found.pvLength, result.pv);
  return result;
}

void Engine::launch(std::function<void()> work) {
  stop();
  stop_ = false;
  busy_ = true;
  thread_ = std::thread([this, work = std::move(work)] {
    work();
    busy_ = false;
  });
}

void Engine::start(const EngineLimits& limits, Progress progress, Finished finished) {
  launch([this, limits, progress = std::move(progress), finished = std::move(finished)] {
    const EngineResult result = think(limits, progress);
    if (finished) finished(result);
  });
}

void Engine::run(Job job) {
  launch([this, job = std::move(job)] { job(*this); });
}

void Engine::stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  busy_ = false;
}

}  // namespace velmora
