// The DamExchange protocol: every message as it is written and read, the
// strict reading of what another program may send, International moves and
// positions both ways, and whole games between two of our ends over the
// loopback, with a peer that misbehaves.

#include "core/net/dxp.h"

#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "core/ai/engine.h"
#include "core/game/game_state.h"
#include "core/net/dxp_player.h"
#include "core/net/framing.h"
#include "core/net/socket.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "support/test_support.h"

namespace velmora {
namespace {

constexpr int kWaitMs = 60000;

DxpMessage roundTrip(const DxpMessage& m) {
  std::string why;
  const auto back = readDxp(dxpText(m), why);
  EXPECT_TRUE(back.has_value()) << why << " in \"" << dxpText(m) << "\"";
  return back ? *back : DxpMessage{};
}

TEST(Dxp, EveryMessageIsWrittenToItsWidthsAndReadBack) {
  DxpRequest r;
  r.name = "Velmora";
  r.followerColour = 'W';
  r.minutes = 10;
  r.moves = 50;
  EXPECT_EQ(dxpText(r), "R01Velmora                         W010050A");
  const auto request = std::get<DxpRequest>(roundTrip(r));
  EXPECT_EQ(request.name, "Velmora");
  EXPECT_EQ(request.followerColour, 'W');
  EXPECT_EQ(request.minutes, 10);
  EXPECT_TRUE(request.fromStart);
  r.fromStart = false;
  r.sideToMove = 'Z';
  r.board = std::string(20, 'z') + std::string(10, 'e') + std::string(19, 'w') + "W";
  const auto custom = std::get<DxpRequest>(roundTrip(r));
  EXPECT_EQ(custom.board, r.board);
  EXPECT_EQ(custom.sideToMove, 'Z');

  EXPECT_EQ(dxpText(DxpAccept{"Other", 0}), "AOther                           0");
  EXPECT_EQ(std::get<DxpAccept>(roundTrip(DxpAccept{"Other", 9})).code, 9);

  DxpMove m;
  m.seconds = 12;
  m.from = 32;
  m.to = 21;
  m.capturedCount = 2;
  m.captured[0] = 27;
  m.captured[1] = 17;
  EXPECT_EQ(dxpText(m), "M00123221022717");
  const auto move = std::get<DxpMove>(roundTrip(m));
  EXPECT_EQ(move.capturedCount, 2);
  EXPECT_EQ(move.captured[1], 17);

  EXPECT_EQ(dxpText(DxpEnd{DxpSenderWins, 1}), "E31");
  EXPECT_EQ(std::get<DxpEnd>(roundTrip(DxpEnd{DxpDraw, 0})).reason, DxpDraw);
  EXPECT_EQ(std::get<DxpChat>(roundTrip(DxpChat{"good luck"})).text, "good luck");
  EXPECT_EQ(dxpText(DxpBackUp{12, 'W'}), "B012W");
  EXPECT_EQ(std::get<DxpBackUpAccept>(roundTrip(DxpBackUpAccept{1})).code, 1);
}

TEST(Dxp, WhatDoesNotReadIsRefusedWithAReason) {
  for (const std::string& bad : {
           std::string(""),
           std::string("X123"),
           std::string("R01Velmora"),                                   // cut short
           std::string("R01Velmora                         Q010050A"),  // no colour
           std::string("R01Velmora                         W0x0050A"),  // no number
           std::string("R01Velmora                         W010050B") + "W" + std::string(49, 'e'),
           std::string("AOther                           "),  // no code
           std::string("M001232"),
           std::string("M0012322101"),                              // a captured square short
           std::string("M00123221") + "21" + std::string(42, '1'),  // more captures than a move holds
           std::string("E4"),
           std::string("E51"),
           std::string("B12W"),
           std::string("K"),
           std::string("C\x01\x02"),
           std::string("M0012\xC3\xA9") + "221000",
       }) {
    std::string why;
    EXPECT_FALSE(readDxp(bad, why).has_value()) << bad;
    EXPECT_FALSE(why.empty()) << bad;
  }
}

TEST(Dxp, EveryLegalMoveOfRandomPositionsGoesOutAndComesBackAsItself) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    auto state = test::position(International, test::randomPositionText(International, random, 45));
    generateMoves(state->legalMoves, *state, state->sideToMove());
    const int count = state->moveCount;
    for (int i = 0; i < count; ++i) {
      generateMoves(state->legalMoves, *state, state->sideToMove());
      const MoveRecord move = state->legalMoves[i];
      const int found = legalDxpMove(*state, dxpMoveOf(move));
      ASSERT_GE(found, 0) << writePosition(*state);
      // The same start, end and pieces taken: the same position after it.
      auto a = std::make_unique<GameState>(), b = std::make_unique<GameState>();
      static_cast<Position&>(*a) = *state;
      static_cast<Position&>(*b) = *state;
      MoveRecord slot;
      applyMove(move, slot, *a);
      applyMove(state->legalMoves[found], slot, *b);
      EXPECT_EQ(writePosition(*a), writePosition(*b));
    }
    // The board goes out and comes back whole.
    auto copy = std::make_unique<GameState>();
    ASSERT_FALSE(readDxpBoard(dxpBoard(*state), state->sideToMove() == White ? 'W' : 'Z', *copy));
    EXPECT_EQ(writePosition(*copy), writePosition(*state));
  }
  auto state = test::startPosition(International);
  EXPECT_EQ(dxpBoard(*state), std::string(20, 'z') + std::string(10, 'e') + std::string(20, 'w'));
  DxpMove nonsense;
  nonsense.from = 32;
  nonsense.to = 23;  // backwards and far
  EXPECT_EQ(legalDxpMove(*state, nonsense), -1);
  EXPECT_TRUE(readDxpBoard(std::string(50, 'x'), 'W', *state).has_value());
}

struct Loopback {
  int a = -1, b = -1;
  Loopback() {
    std::string error;
    int listener = listenOn("127.0.0.1", 0, error);
    Cancel cancel;
    WaitResult result;
    a = connectTo("127.0.0.1", boundPort(listener), cancel, kWaitMs, result);
    b = acceptClient(listener, cancel, kWaitMs, result);
    closeSocket(listener);
  }
  ~Loopback() {
    closeSocket(a);
    closeSocket(b);
  }
};

TEST(DxpGames, TwoEndsPlayTheirGamesAndAgreeOnEveryResult) {
  Loopback line;
  ASSERT_GE(line.a, 0);
  ASSERT_GE(line.b, 0);
  DxpSettings initiator, follower;
  initiator.initiator = true;
  initiator.games = 2;
  initiator.moveTimeMs = follower.moveTimeMs = 5;
  follower.initiator = false;
  std::vector<DxpGameReport> mine, theirs;
  std::string followerError = "not ended";
  std::thread other([&] {
    Engine engine(std::size_t{1} << 16);
    followerError = playDxp(line.b, follower, engine, [&](const DxpGameReport& g) { theirs.push_back(g); });
  });
  Engine engine(std::size_t{1} << 16);
  const std::string error = playDxp(line.a, initiator, engine, [&](const DxpGameReport& g) { mine.push_back(g); });
  other.join();
  EXPECT_EQ(error, "");
  EXPECT_EQ(followerError, "");
  ASSERT_EQ(mine.size(), 2u);
  ASSERT_EQ(theirs.size(), 2u);
  for (size_t k = 0; k < 2; ++k) {
    EXPECT_EQ(mine[k].colour, k == 0 ? 'W' : 'Z');  // colours alternate
    EXPECT_NE(mine[k].colour, theirs[k].colour);
    EXPECT_EQ(mine[k].result, theirs[k].result);
    EXPECT_EQ(mine[k].plies, theirs[k].plies);
    EXPECT_GT(mine[k].plies, 0);
  }
}

// Sends `text` and its zero byte.
void sendText(int fd, const std::string& text) {
  NetLink link;
  link.fd = fd;
  Cancel cancel;
  ASSERT_EQ(sendMessage(link, text, cancel, kWaitMs), Transfer::Done);
}

TEST(DxpGames, AMessageThatDoesNotReadAnIllegalMoveOrASilentPeerEndsTheSessionWithAReason) {
  Engine engine(std::size_t{1} << 16);
  DxpSettings follower;
  follower.initiator = false;
  follower.moveTimeMs = 5;
  {
    Loopback line;
    sendText(line.a, "R01Other                           Zxyz050A");
    const std::string error = playDxp(line.b, follower, engine, [](const DxpGameReport&) {});
    EXPECT_NE(error.find("number that does not read"), std::string::npos) << error;
  }
  {
    // Our side is black; White's first move goes backwards.
    Loopback line;
    sendText(line.a, dxpText(DxpRequest{1, "Other", 'Z', 5, 50, true, 'W', ""}));
    DxpMove wrong;
    wrong.from = 32;
    wrong.to = 37;
    sendText(line.a, dxpText(wrong));
    const std::string error = playDxp(line.b, follower, engine, [](const DxpGameReport&) {});
    EXPECT_NE(error.find("32-37 is not legal"), std::string::npos) << error;
  }
  {
    // Accepted, then nothing: the follower gives up after its time, not never.
    Loopback line;
    follower.peerTimeoutMs = 200;
    sendText(line.a, dxpText(DxpRequest{1, "Other", 'Z', 5, 50, true, 'W', ""}));
    const std::string error = playDxp(line.b, follower, engine, [](const DxpGameReport&) {});
    EXPECT_NE(error.find("not answered"), std::string::npos) << error;
  }
  {
    // Far more than any message: refused, not stored.
    Loopback line;
    std::thread flood([&] {
      NetLink link;
      link.fd = line.a;
      Cancel cancel;
      sendMessage(link, "C" + std::string(kMaxMessageBytes + 100, 'x'), cancel, kWaitMs);
    });
    follower.peerTimeoutMs = kWaitMs;
    const std::string error = playDxp(line.b, follower, engine, [](const DxpGameReport&) {});
    flood.join();
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace velmora
