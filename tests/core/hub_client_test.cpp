// The window's end of the Hub protocol: the greeting and the variant
// agreed, the game sent as its start and its moves, the answer checked by
// the rules, a search replaced while it runs, and engines that say the
// wrong thing.

#include "core/net/hub_client.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "core/game/game_state.h"
#include "core/net/hub_session.h"
#include "core/net/hub_text.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "support/test_support.h"

namespace velmora {
namespace {

// Our own Hub engine at the other end, its lines read one by one.
struct EngineAtTheOtherEnd {
  std::mutex lock;
  std::condition_variable arrived;
  std::deque<std::string> lines;
  HubSession session{[this](const std::string& line) {
                       std::lock_guard guard(lock);
                       lines.push_back(line);
                       arrived.notify_all();
                     },
                     std::size_t{1} << 16};
  HubClient client{[this](const std::string& line) { session.line(line); }};

  // Hands the engine's lines to the client until it hears `wanted` (a
  // minute at most); false when something else ended it.
  bool until(HubClient::Heard wanted) {
    for (;;) {
      std::unique_lock guard(lock);
      if (!arrived.wait_for(guard, std::chrono::seconds(60), [&] { return !lines.empty(); })) return false;
      const std::string line = lines.front();
      lines.pop_front();
      guard.unlock();
      const HubClient::Heard heard = client.line(line);
      if (heard == wanted) return true;
      if (heard == HubClient::Heard::Failed) return false;
    }
  }
};

// The game of these Hub moves ("32-28") from the variant's start, and the
// same moves as the listing writes them.
std::unique_ptr<GameState> gameAfter(GameType type, const std::vector<std::string>& moves,
                                     std::string* listed = nullptr) {
  auto game = std::make_unique<GameState>();
  setUpBoard(*game, type);
  game->plyCount = 0;
  for (const std::string& m : moves) {
    const int index = legalHubMove(*game, m);
    EXPECT_GE(index, 0) << m;
    if (index < 0) break;
    if (listed) {
      if (!listed->empty()) *listed += ' ';
      *listed += moveText(game->legalMoves[index]);
    }
    applyMove(game->legalMoves[index], game->gameRecord[game->plyCount], *game);
    ++game->plyCount;
  }
  return game;
}

TEST(HubClient, PlaysALegalMoveOfTheGameInEveryBoardFamily) {
  for (const GameType type : {International, American, Russian, Turkish, Frisian}) {
    SCOPED_TRACE(variantInfo(type).name);
    EngineAtTheOtherEnd end;
    end.client.begin(type);
    ASSERT_TRUE(end.until(HubClient::Heard::Ready)) << end.client.failure();
    EXPECT_EQ(end.client.engineName(), "Velmora");
    // A few plies in, so that the engine must replay the moves to be right.
    auto game = gameAfter(type, {});
    for (int ply = 0; ply < 3; ++ply) {
      generateMoves(game->legalMoves, *game, game->sideToMove());
      applyMove(game->legalMoves[game->moveCount - 1], game->gameRecord[game->plyCount], *game);
      ++game->plyCount;
    }
    end.client.think(*game, 50);
    ASSERT_TRUE(end.until(HubClient::Heard::Done)) << end.client.failure();
    generateMoves(game->legalMoves, *game, game->sideToMove());
    EXPECT_GE(end.client.chosenIndex(), 0);
    EXPECT_LT(end.client.chosenIndex(), game->moveCount);
    EXPECT_GT(end.client.progress().depth, 0);
  }
}

TEST(HubClient, TheForcedCaptureIsTheOneChosenAndTheLineReadsAsTheListingWritesIt) {
  EngineAtTheOtherEnd end;
  end.client.begin(International);
  ASSERT_TRUE(end.until(HubClient::Heard::Ready));
  auto game = gameAfter(International, {"32-28", "19-23"});
  end.client.think(*game, 50);
  ASSERT_TRUE(end.until(HubClient::Heard::Done)) << end.client.failure();
  generateMoves(game->legalMoves, *game, game->sideToMove());
  ASSERT_EQ(game->moveCount, 1);
  EXPECT_EQ(end.client.chosenIndex(), 0);
  std::string capture;
  gameAfter(International, {"32-28", "19-23", "28x19"}, &capture);
  EXPECT_EQ(end.client.lineText().rfind(capture.substr(capture.rfind(' ') + 1), 0), 0u) << end.client.lineText();
}

// A scripted engine: what the client sent, and the lines it is given.
struct Scripted {
  std::vector<std::string> sent;
  HubClient client{[this](const std::string& line) { sent.push_back(line); }};
  HubClient::Heard say(const std::string& line) { return client.line(line); }
};

TEST(HubClient, TheVariantIsAgreedOrTheEngineIsRefused) {
  {
    Scripted s;
    s.client.begin(International);
    s.say("id name=\"Some Engine\" version=1");
    s.say("param name=variant value=normal type=enum values=\"normal killer bt frisian losing\"");
    s.say("wait");
    EXPECT_EQ(s.sent, (std::vector<std::string>{"hub", "set-param name=variant value=normal", "init"}));
    EXPECT_EQ(s.say("ready"), HubClient::Heard::Ready);
    EXPECT_EQ(s.client.engineName(), "Some Engine");
  }
  {
    Scripted s;
    s.client.begin(Frisian);
    s.say("param name=variant value=normal type=enum values=\"normal killer bt frisian losing\"");
    s.say("wait");
    EXPECT_EQ(s.sent[s.sent.size() - 2], "set-param name=variant value=frisian");
  }
  {
    // An engine that names no variant plays the protocol's own game only.
    Scripted s;
    s.client.begin(American);
    EXPECT_EQ(s.say("wait"), HubClient::Heard::Failed);
    EXPECT_NE(s.client.failure().find("American"), std::string::npos) << s.client.failure();
  }
  {
    Scripted s;
    s.client.begin(Turkish);
    s.say("param name=variant value=normal type=enum values=\"normal killer\"");
    EXPECT_EQ(s.say("wait"), HubClient::Heard::Failed);
  }
}

TEST(HubClient, TheGameGoesAsItsStartAndItsMovesAndASetUpStartAsItsBoard) {
  Scripted s;
  s.client.begin(International);
  s.say("wait");
  s.say("ready");
  s.sent.clear();
  auto game = gameAfter(International, {"32-28", "19-23"});
  s.client.think(*game, 1500);
  const std::string start = "W" + std::string(20, 'b') + std::string(10, 'e') + std::string(20, 'w');
  ASSERT_EQ(s.sent.size(), 3u);
  EXPECT_EQ(s.sent[0], "pos pos=" + start + " moves=\"32-28 19-23\"");
  EXPECT_EQ(s.sent[1], "level move-time=1.500");
  EXPECT_EQ(s.sent[2], "go think");

  // A position of its own, Black to move, and no moves yet.
  auto setUp = std::make_unique<GameState>();
  ASSERT_FALSE(
      readPosition("B:.b......../........../........../........../........../"
                   "........../........../........../........../w.........",
                   International, *setUp));
  s.sent.clear();
  ASSERT_EQ(s.say("done move=28x19"), HubClient::Heard::Done);
  s.client.think(*setUp, 100);
  // Square 1 holds the black man, square 46 the white one.
  EXPECT_EQ(s.sent[0], "pos pos=Bb" + std::string(44, 'e') + "w" + std::string(4, 'e'));
}

TEST(HubClient, ANewSearchStopsTheOldOneAndItsAnswerIsDropped) {
  Scripted s;
  s.client.begin(International);
  s.say("wait");
  s.client.think(*gameAfter(International, {}), 100);  // waits for the engine to be ready
  EXPECT_EQ(s.sent.back(), "init");
  s.say("ready");
  EXPECT_EQ(s.sent.back(), "go think");
  auto later = gameAfter(International, {"32-28"});
  s.sent.clear();
  s.client.think(*later, 100);
  EXPECT_EQ(s.sent, std::vector<std::string>{"stop"});
  // The first search's answer is for the start position: dropped, and the
  // second search goes out.
  EXPECT_EQ(s.say("done move=31-26"), HubClient::Heard::Nothing);
  EXPECT_EQ(s.sent.back(), "go think");
  EXPECT_EQ(s.say("info depth=3 score=-12 pv=\"19-23 28x19 14x23 99-98\""), HubClient::Heard::Progress);
  EXPECT_EQ(s.client.progress().depth, 3);
  EXPECT_EQ(s.client.progress().score, -12);
  std::string listed;
  gameAfter(International, {"32-28", "19-23", "28x19", "14x23"}, &listed);
  EXPECT_EQ(s.client.lineText(), listed.substr(listed.find(' ') + 1));  // as far as it is legal
  EXPECT_EQ(s.say("done move=19-23"), HubClient::Heard::Done);
  generateMoves(later->legalMoves, *later, later->sideToMove());
  ASSERT_GE(s.client.chosenIndex(), 0);
  EXPECT_EQ(hubMoveText(International, later->legalMoves[s.client.chosenIndex()]), "19-23");
}

TEST(HubClient, AnIllegalMoveOrAnErrorDuringTheSearchLosesTheEngine) {
  for (const std::string& answer :
       {std::string("done move=32-26"), std::string("done move=31x22"), std::string("done move="),
        std::string("done move=nonsense"), std::string("error message=\"bad position\"")}) {
    SCOPED_TRACE(answer);
    Scripted s;
    s.client.begin(International);
    s.say("wait");
    s.say("ready");
    s.client.think(*gameAfter(International, {}), 100);
    EXPECT_EQ(s.say(answer), HubClient::Heard::Failed);
    EXPECT_EQ(s.client.stage(), HubClient::Stage::Failed);
    EXPECT_FALSE(s.client.failure().empty());
    EXPECT_EQ(s.say("done move=32-28"), HubClient::Heard::Nothing);  // nothing counts afterwards
  }
  // A search asked for before the engine is ready, then stopped, is never sent.
  {
    Scripted waiting;
    waiting.client.begin(International);
    waiting.say("wait");
    waiting.client.think(*gameAfter(International, {}), 100);
    waiting.client.stop();
    waiting.say("ready");
    EXPECT_EQ(waiting.sent.back(), "init");
  }
  // A search stopped early may end without a move: that is no fault.
  Scripted s;
  s.client.begin(International);
  s.say("wait");
  s.say("ready");
  s.client.think(*gameAfter(International, {}), 100);
  s.client.stop();
  EXPECT_EQ(s.sent.back(), "stop");
  EXPECT_EQ(s.say("done"), HubClient::Heard::Done);
  EXPECT_EQ(s.client.chosenIndex(), -1);
}

}  // namespace
}  // namespace velmora
