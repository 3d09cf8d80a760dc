// A player's endgame databases: made into a folder on a thread of their own
// with progress, read instead of made once there, a damaged or missing table
// made anew, and a making broken off without a half-written file.

#include "core/ai/endgame_set.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <mutex>
#include <vector>

#include "core/ai/endgame_build.h"
#include "core/ai/endgame_file.h"
#include "core/game/game_state.h"
#include "support/test_support.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// Two kings against one in the double corner: White to move wins.
constexpr const char* kTwoKingsWin = "W:.B....../......../......../......../...W.W../......../......../........";

std::string bytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string fileOf(const std::string& folder, const Material& m) {
  return folder + "/" + endgameFileName(RuleFamily::American, 8, m);
}

// Every report of one filling of the American three-piece set.
struct Filling {
  EndgameSet set;
  std::vector<EndgameStep> steps;
  std::optional<std::string> problem;
};

Filling fillAmerican(const std::string& folder, bool stopAtOnce = false) {
  Filling f;
  const std::atomic<bool> stop{stopAtOnce};
  f.problem = fillEndgameSet(f.set, folder, 3, stop, [&f](const EndgameStep& s) { f.steps.push_back(s); });
  return f;
}

int firstMade(const Filling& f) {
  for (const EndgameStep& s : f.steps)
    if (s.making) return s.tables;
  return -1;
}

TEST(EndgameMaker, MakesTheSetOnItsThreadWithProgressAndHandsItOver) {
  test::WorkDir dir;
  const std::string folder = dir.path + "/endgames";  // made when missing
  EndgameMaker maker(folder, 3);
  std::mutex guard;
  std::vector<EndgameStep> steps;
  std::promise<std::shared_ptr<const EndgameSet>> handed;
  maker.start(
      RuleFamily::American, 8,
      [&](const EndgameStep& s) {
        std::lock_guard<std::mutex> lock(guard);
        steps.push_back(s);
      },
      [&](std::shared_ptr<const EndgameSet> set, const std::string& problem) {
        EXPECT_EQ(problem, "");
        handed.set_value(std::move(set));
      });
  auto future = handed.get_future();
  ASSERT_EQ(future.wait_for(std::chrono::minutes(2)), std::future_status::ready);
  const auto set = future.get();
  ASSERT_TRUE(set && set->board8);
  EXPECT_FALSE(set->board10);
  EXPECT_EQ(set->board8->maxPieces(), 3);
  maker.stop();
  EXPECT_FALSE(maker.busy());

  const auto materials = endgameMaterials(3);
  for (const Material& m : materials) EXPECT_TRUE(fs::exists(fileOf(folder, m))) << materialName(m);
  ASSERT_FALSE(steps.empty());
  EXPECT_TRUE(steps.front().making);
  for (std::size_t i = 1; i < steps.size(); ++i) EXPECT_GE(steps[i].done, steps[i - 1].done);
  EXPECT_EQ(steps.back().tables, static_cast<int>(materials.size()));
  EXPECT_EQ(steps.back().percent(), 100);

  const auto won = test::position(American, kTwoKingsWin);
  const auto known = set->probe(*won, White);
  ASSERT_TRUE(known);
  EXPECT_EQ(known->outcome, EndgameOutcome::Win);
  // Not for another family's games, nor for more pieces than it holds.
  EXPECT_FALSE(set->probe(*test::position(Russian, kTwoKingsWin), White));
  EXPECT_FALSE(set->probe(*test::position(American,
                                          "W:.B....../......../.....b../......../...W.W../......../"
                                          "......../........"),
                          White));
}

TEST(EndgameMaker, ADamagedOrMissingTableIsMadeAnewAndTheRestRead) {
  test::WorkDir dir;
  ASSERT_FALSE(fillAmerican(dir.path).problem);
  const auto materials = endgameMaterials(3);
  const Material damaged{0, 2, 0, 1};
  const std::string path = fileOf(dir.path, damaged);
  const std::string good = bytesOf(path);
  const auto at = static_cast<int>(std::find(materials.begin(), materials.end(), damaged) - materials.begin());

  // A value changed past the header: the checksum no longer holds.
  std::string bad = good;
  bad[static_cast<std::size_t>(kEndgameHeaderBytes) + 5] ^= 0x21;
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bad;
  const auto untouched = fs::last_write_time(fileOf(dir.path, materials.front()));
  Filling again = fillAmerican(dir.path);
  ASSERT_FALSE(again.problem) << *again.problem;
  EXPECT_EQ(firstMade(again), at);  // the tables before it were read
  EXPECT_EQ(bytesOf(path), good);
  EXPECT_EQ(fs::last_write_time(fileOf(dir.path, materials.front())), untouched);

  // Cut short, as a disk that filled up would leave it; and the last table
  // missing, as a making broken off leaves the folder.
  std::ofstream(path, std::ios::binary | std::ios::trunc) << good.substr(0, good.size() / 2);
  const std::string last = fileOf(dir.path, materials.back());
  fs::remove(last);
  again = fillAmerican(dir.path);
  ASSERT_FALSE(again.problem) << *again.problem;
  EXPECT_EQ(firstMade(again), at);
  EXPECT_EQ(bytesOf(path), good);
  EXPECT_TRUE(fs::exists(last));
  const auto won = test::position(American, kTwoKingsWin);
  ASSERT_TRUE(again.set.probe(*won, White));
  EXPECT_EQ(again.set.probe(*won, White)->outcome, EndgameOutcome::Win);
}

TEST(EndgameMaker, AStoppedMakingWritesNothingHalfMade) {
  test::WorkDir dir;
  const Filling stopped = fillAmerican(dir.path, true);
  ASSERT_TRUE(stopped.problem);
  EXPECT_EQ(*stopped.problem, "stopped");
  EXPECT_TRUE(fs::is_empty(dir.path));

  // A table whose building is told to stop adds nothing.
  EndgameDb<8> db(RuleFamily::American);
  const std::atomic<bool> stop{true};
  EXPECT_TRUE(buildEndgameTable(db, Material{0, 1, 0, 0}, &stop));
  EXPECT_EQ(db.table(Material{0, 1, 0, 0}), nullptr);

  // Stopping a maker that is idle, or twice, is harmless; a family without
  // databases is refused at once.
  EndgameMaker maker(dir.path, 3);
  maker.stop();
  std::promise<std::string> refused;
  maker.start(RuleFamily::Turkish, 8, {}, [&](std::shared_ptr<const EndgameSet> set, const std::string& problem) {
    EXPECT_FALSE(set);
    refused.set_value(problem);
  });
  auto future = refused.get_future();
  ASSERT_EQ(future.wait_for(std::chrono::minutes(1)), std::future_status::ready);
  EXPECT_NE(future.get(), "");
  maker.stop();
  maker.stop();
}

}  // namespace
}  // namespace velmora
