// The engine as an object: two engines think at the same time and each
// finds what it finds alone; a search on the engine's thread reports, stops
// on request and always finishes once; a job thinks through the engine it is
// given. Each waits for the state it means, never for a time.

#include "core/ai/engine.h"

#include <gtest/gtest.h>

#include <future>
#include <vector>

#include "core/records/notation.h"
#include "support/test_support.h"

namespace velmora {
namespace {

struct Task {
  GameType type;
  std::vector<const char*> moves;  // from the start position
  EngineLimits limits;
};

std::unique_ptr<GameState> played(const Task& task) {
  auto game = test::startPosition(task.type);
  for (const char* text : task.moves) EXPECT_TRUE(playMoveText(*game, text)) << text;
  return game;
}

EngineLimits level(int n) {
  EngineLimits limits;
  limits.level = n;
  return limits;
}

EngineLimits expertNodes(std::uint64_t nodes) {
  EngineLimits limits;
  limits.level = kExpertLevel;
  limits.maxNodes = nodes;  // no clock: the same answer on every machine
  return limits;
}

bool same(const EngineResult& a, const EngineResult& b) {
  return a.result == b.result && a.rootIndex == b.rootIndex && a.score == b.score && a.nodes == b.nodes &&
         a.depth == b.depth;
}

// Each task on an engine of its own, all at once on the engines' threads.
std::vector<EngineResult> thinkTogether(const std::vector<Task>& tasks) {
  std::vector<std::unique_ptr<Engine>> engines;
  std::vector<std::promise<EngineResult>> answers(tasks.size());
  std::vector<std::future<EngineResult>> futures;
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    engines.push_back(std::make_unique<Engine>(std::size_t{1} << 16));
    const auto game = played(tasks[i]);
    engines[i]->setPosition(*game, *game);
    futures.push_back(answers[i].get_future());
  }
  for (std::size_t i = 0; i < tasks.size(); ++i)
    engines[i]->start(tasks[i].limits, {}, [&answer = answers[i]](const EngineResult& r) { answer.set_value(r); });
  std::vector<EngineResult> results;
  for (auto& f : futures) results.push_back(f.get());
  return results;
}

TEST(Engine, TwoEnginesThinkingAtOnceEachFindWhatTheyFindAlone) {
  const std::vector<Task> tasks = {
      {International, {"h4-g5", "a7-b6", "b4-a5"}, level(2)},
      {American, {"c3-d4", "f6-g5", "b2-c3"}, level(2)},
      {Russian, {"c3-d4", "f6-g5"}, expertNodes(60000)},
      {International, {"f4-g5", "g7-h6"}, expertNodes(60000)},
  };
  // Alone, one after the other, each on a fresh engine.
  std::vector<EngineResult> alone;
  for (const Task& task : tasks) {
    Engine engine(std::size_t{1} << 16);
    const auto game = played(task);
    engine.setPosition(*game, *game);
    alone.push_back(engine.think(task.limits));
  }
  const std::vector<EngineResult> together = thinkTogether(tasks);
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    SCOPED_TRACE("task " + std::to_string(i));
    EXPECT_EQ(alone[i].result, 1);
    EXPECT_GT(alone[i].nodes, 1000u);
    EXPECT_TRUE(same(alone[i], together[i])) << alone[i].rootIndex << "/" << together[i].rootIndex << " nodes "
                                             << alone[i].nodes << "/" << together[i].nodes;
  }
}

TEST(Engine, AStopEndsASearchWithoutLimitsAndItFinishesOnceWithNoChoice) {
  auto game = test::startPosition(International);
  Engine engine(std::size_t{1} << 16);
  engine.setPosition(*game, *game);
  EngineLimits endless;
  endless.level = kExpertLevel;  // no time, depth 64, no node limit: it would think for ages
  std::promise<void> thinking;
  std::promise<EngineResult> answer;
  int finishedCalls = 0;
  engine.start(
      endless,
      [&thinking, first = true](const EngineProgress&) mutable {
        if (first) thinking.set_value();
        first = false;
        return true;
      },
      [&](const EngineResult& r) {
        ++finishedCalls;
        answer.set_value(r);
      });
  thinking.get_future().wait();  // an iteration has completed
  EXPECT_TRUE(engine.busy());
  engine.stop();
  EXPECT_FALSE(engine.busy());
  EXPECT_EQ(finishedCalls, 1);
  EXPECT_EQ(answer.get_future().get().result, 0);
}

TEST(Engine, AProgressThatAnswersNoBreaksOffALevelAtItsNextRootMove) {
  auto game = test::startPosition(American);
  Engine engine;
  engine.setPosition(*game, *game);
  std::vector<int> reported;
  const EngineResult r = engine.think(level(1), [&reported](const EngineProgress& p) {
    reported.push_back(p.percent);
    return reported.size() < 3;
  });
  EXPECT_EQ(r.result, 0);
  EXPECT_EQ(reported.size(), 3u);
  // The engine thinks again afterwards: breaking off is not a stop.
  EXPECT_EQ(engine.think(level(0)).result, 1);
}

TEST(Engine, AJobThinksThroughItsEngineUntilStopped) {
  auto game = test::startPosition(American);
  Engine engine(std::size_t{1} << 16);
  std::promise<int> searched;
  engine.run([&](Engine& self) {
    int count = 0;
    self.setPosition(*game, *game);
    while (!self.stopping() && count < 5) {
      if (self.think(level(0)).result == 1) ++count;
    }
    searched.set_value(count);
  });
  EXPECT_EQ(searched.get_future().get(), 5);
  engine.stop();
  // A stop lasts for searches on the caller's thread until it is reset.
  engine.setPosition(*game, *game);
  EXPECT_EQ(engine.think(level(0)).result, 0);
  engine.resetStop();
  EXPECT_EQ(engine.think(level(0)).result, 1);
}

}  // namespace
}  // namespace velmora
