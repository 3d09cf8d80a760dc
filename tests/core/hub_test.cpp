// The Expert hosted over the Hub protocol: the greeting, positions in each
// variant's square order with moves after them, a search answered with its
// info and its move while ping is answered at once, stop, and what a host
// may get wrong.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "core/game/game_state.h"
#include "core/net/hub_session.h"
#include "core/records/pdn_board.h"
#include "core/rules/generate.h"
#include "support/test_support.h"

namespace velmora {
namespace {

// The session's answers, as the host reads them.
struct Host {
  std::mutex lock;
  std::condition_variable arrived;
  std::vector<std::string> lines;
  HubSession session{[this](const std::string& line) {
                       std::lock_guard guard(lock);
                       lines.push_back(line);
                       arrived.notify_all();
                     },
                     std::size_t{1} << 16};

  // Waits (a minute at most) for a line that begins with `start`; its text.
  std::string waitFor(const std::string& start) {
    std::unique_lock guard(lock);
    std::string found;
    arrived.wait_for(guard, std::chrono::seconds(60), [&] {
      for (const std::string& l : lines)
        if (l.rfind(start, 0) == 0) found = l;
      return !found.empty();
    });
    return found;
  }
  // Whether a line that begins with `start` has come, without waiting.
  bool said(const std::string& start) {
    std::lock_guard guard(lock);
    for (const std::string& l : lines)
      if (l.rfind(start, 0) == 0) return true;
    return false;
  }
  std::vector<std::string> take() {
    std::lock_guard guard(lock);
    return std::exchange(lines, {});
  }
};

TEST(Hub, TheGreetingNamesTheEngineAndItsVariants) {
  Host host;
  EXPECT_TRUE(host.session.line("hub"));
  const auto greeting = host.take();
  ASSERT_EQ(greeting.size(), 3u);
  EXPECT_EQ(greeting[0].rfind("id name=Velmora version=", 0), 0u);
  EXPECT_NE(greeting[1].find("name=variant value=International type=enum"), std::string::npos);
  EXPECT_NE(greeting[1].find("Pool_checkers"), std::string::npos);
  EXPECT_EQ(greeting[2], "wait");
  host.session.line("init");
  EXPECT_EQ(host.take(), std::vector<std::string>{"ready"});
  host.session.line("some-later-command arg=1");  // ignored, as the protocol asks
  EXPECT_TRUE(host.take().empty());
  EXPECT_FALSE(host.session.line("quit"));
}

TEST(Hub, ASearchFromAPositionAndItsMovesAnswersWithALegalMoveAndPingMeanwhile) {
  Host host;
  const std::string start = "W" + std::string(20, 'b') + std::string(10, 'e') + std::string(20, 'w');
  host.session.line("pos pos=" + start + " moves=\"32-28 19-23 28x19\"");
  host.session.line("level depth=6");
  host.session.line("go think");
  host.session.line("ping");
  EXPECT_EQ(host.waitFor("pong"), "pong");
  const std::string done = host.waitFor("done move=");
  // Black must take back on 19 with the man from 13 or 14.
  const std::string move = done.substr(0, done.find(" ponder="));
  EXPECT_TRUE(move == "done move=13x24x19" || move == "done move=14x23x19") << done;
  // A whole iteration's line names the reply it expects.
  EXPECT_NE(done.find(" ponder="), std::string::npos) << done;
  EXPECT_TRUE(host.said("info depth=6"));
  EXPECT_FALSE(host.session.searching());

  // An analysis runs until stopped, and still ends with its move.
  host.take();
  host.session.line("go analyze");
  host.session.line("stop");
  EXPECT_FALSE(host.waitFor("done move=").empty());
}

TEST(Hub, APonderSearchRunsUntilHitThenEndsWithinTheLevelsTime) {
  Host host;
  host.session.line("level move-time=0.05");
  host.session.line("go ponder");
  // Deeper than a twentieth of a second reaches: the level's time does not
  // end a ponder, only ponder-hit or stop does.
  EXPECT_FALSE(host.waitFor("info depth=12 ").empty());
  EXPECT_FALSE(host.said("done"));
  EXPECT_TRUE(host.session.searching());
  host.session.line("ponder-hit");
  EXPECT_FALSE(host.waitFor("done move=").empty());
  EXPECT_FALSE(host.session.searching());

  // Input closed during a search for a move: the move is still answered.
  host.take();
  host.session.line("go think");
  host.session.finish();
  EXPECT_TRUE(host.said("done move="));
}

TEST(Hub, EveryVariantTakesItsPositionInItsOwnSquareOrder) {
  for (int t = 0; t < kVariantCount; ++t) {
    const auto type = static_cast<GameType>(t);
    Host host;
    std::string name = variantInfo(type).name;
    std::replace(name.begin(), name.end(), ' ', '_');
    host.session.line("set-param name=variant value=" + name);
    // The start position, written square by square in the Hub's order.
    auto start = test::startPosition(type);
    std::string squares = "W";
    for (int k = 0; k < hubSquareCount(type); ++k) {
      const auto s = readPdnSquare(type, hubSquareName(type, k));
      ASSERT_TRUE(s.has_value());
      const Cell c = start->board[s->y][s->x];
      squares += c.kind == Empty ? 'e' : c.side == White ? (c.kind == King ? 'W' : 'w') : (c.kind == King ? 'B' : 'b');
    }
    host.session.line("pos pos=" + squares);
    host.session.line("level depth=2");
    host.session.line("go think");
    const std::string done = host.waitFor("done move=");
    ASSERT_FALSE(done.empty()) << name;
    EXPECT_FALSE(host.said("error")) << name;
  }
}

TEST(Hub, WrongPositionsMovesAndCommandsAreSaidAndChangeNothing) {
  Host host;
  host.session.line("pos pos=Wxyz");
  host.session.line("pos pos=W" + std::string(20, 'b') + std::string(10, 'q') + std::string(20, 'w'));
  host.session.line("pos pos=W" + std::string(20, 'b') + std::string(10, 'e') + std::string(20, 'w') +
                    " moves=\"32-27 99-98\"");
  host.session.line("set-param name=variant value=Chess");
  const auto said = host.take();
  ASSERT_EQ(said.size(), 4u);
  for (const std::string& line : said) EXPECT_EQ(line.rfind("error message=", 0), 0u) << line;
  EXPECT_NE(said[2].find("99-98"), std::string::npos);
  // The position is still the start: White's first move comes from 31-35.
  host.session.line("level depth=2");
  host.session.line("go think");
  const std::string done = host.waitFor("done move=");
  ASSERT_GT(done.size(), 12u);
  const int from = std::stoi(done.substr(10, 2));
  EXPECT_TRUE(from >= 31 && from <= 35) << done;
}

}  // namespace
}  // namespace velmora
