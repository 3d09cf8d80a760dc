// Network play: framing, the header and listing texts, whole games between
// two ends on 127.0.0.1 in one thread, and peers that misbehave.

#include <gtest/gtest.h>
#include <sys/socket.h>

#include "core/game/play.h"
#include "core/game/settings.h"
#include "core/net/connection_setup.h"
#include "core/net/net_player.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "support/fake_host.h"

namespace velmora {
namespace {

constexpr int kWaitMs = 5000;  // no test waits longer for a byte

// A listening socket on a free port and a client connected to it.
struct SocketPair {
  int server = -1, client = -1;
  SocketPair() {
    std::string error;
    int listener = listenOn("127.0.0.1", 0, error);
    EXPECT_GE(listener, 0) << error;
    Cancel cancel;
    WaitResult result;
    client = connectTo("127.0.0.1", boundPort(listener), cancel, kWaitMs, result);
    server = acceptClient(listener, cancel, kWaitMs, result);
    closeSocket(listener);
    EXPECT_GE(client, 0);
    EXPECT_GE(server, 0);
  }
  ~SocketPair() {
    closeSocket(server);
    closeSocket(client);
  }
};

// Steps both players in turn until both are over; a step that waits gives
// the other its turn. Bounded so a fault cannot hang the suite.
void playOut(NetPlayer& a, NetPlayer& b) {
  for (int i = 0; i < 20000; ++i) {
    const NetStep sa = stepNetPlayer(a, 0, true);
    const NetStep sb = stepNetPlayer(b, 0, true);
    if (sa == NetStep::Over && sb == NetStep::Over) return;
    if (sa == NetStep::Waiting && sb == NetStep::Waiting) {
      // Neither has anything ready: wait a little for the bytes in flight.
      stepNetPlayer(a, 10, true);
    }
  }
  FAIL() << "the game did not end";
}

std::vector<std::string> moveTexts(const NetPlayer& p) { return messageLines(buildListingText(*p.game, p.listing)); }

// Sends raw bytes as a misbehaving peer does.
void sendRaw(int fd, const std::string& bytes) {
  ASSERT_EQ(send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL), static_cast<ssize_t>(bytes.size()));
}

// Reads as a peer does; the link keeps what arrived after the message.
std::string receiveRaw(NetLink& link) {
  Cancel cancel;
  std::string text;
  EXPECT_EQ(receiveMessage(link, text, cancel, kWaitMs), Transfer::Done);
  return text;
}

// Runs `player` until it waits for the peer or is over.
void runUntilWaiting(NetPlayer& player) {
  for (int i = 0; i < 1000; ++i)
    if (stepNetPlayer(player, 200, true) != NetStep::Moved) return;
}

TEST(NetFraming, MessagesAreCutAtTheirZeroBytesHoweverTheyArrive) {
  MessageReader reader;
  std::string text;
  reader.append("c3-d4\r\nf6", 9);
  EXPECT_FALSE(reader.next(text));
  reader.append("-e5\0Visi", 8);
  ASSERT_TRUE(reader.next(text));
  EXPECT_EQ(text, "c3-d4\r\nf6-e5");
  EXPECT_FALSE(reader.next(text));
  reader.append("tor\0\0", 5);
  ASSERT_TRUE(reader.next(text));
  EXPECT_EQ(text, "Visitor");
  ASSERT_TRUE(reader.next(text));
  EXPECT_EQ(text, "");  // the empty message is a message: the cancel
  EXPECT_FALSE(reader.overflowed());

  const std::string longListing(5000, 'a');  // more than one receive buffer
  reader.append(longListing.data(), longListing.size());
  reader.append("", 1);
  ASSERT_TRUE(reader.next(text));
  EXPECT_EQ(text.size(), 5000u);

  const std::string flood(kMaxMessageBytes + 1, 'x');
  reader.append(flood.data(), flood.size());
  EXPECT_TRUE(reader.overflowed());
  EXPECT_FALSE(reader.next(text));
}

TEST(NetTexts, HeaderAndListingBytesAreAsTwoCopiesExchangeThem) {
  NetHeader h;
  h.gameType = Russian;
  h.serverName = "Guest";
  EXPECT_EQ(headerText(h), "9\r\n0\r\nGuest\r\n0\r\n0\r\n0\r\n");

  auto read = [](const std::string& text) { return readHeader(text); };
  ASSERT_TRUE(read("12\r\n1\r\nHost\r\n30\r\n45\r\n1\r\n"));
  EXPECT_EQ(read("12\r\n1\r\nHost\r\n30\r\n45\r\n1\r\n")->gameType, Thai);
  const NetHeader got = *read("0\r\n1\r\nHost\r\n30\r\n45\r\n1\r\n");
  EXPECT_EQ(got.gameType, American);
  EXPECT_EQ(got.serverSide, 1);
  EXPECT_EQ(got.clocks[0], 30);
  EXPECT_EQ(got.clocks[1], 45);
  EXPECT_TRUE(got.giveAway);

  for (const char* bad : {"14\r\n0\r\nX\r\n0\r\n0\r\n0\r\n", "x\r\n0\r\nX\r\n0\r\n0\r\n0\r\n", "9\r\n0\r\nX\r\n0\r\n0",
                          "9\r\n0\r\nX\r\n-5\r\n0\r\n0\r\n", "9\r\n0\r\nX\r\n0\r\n99999999999\r\n0\r\n", "", "garbage"})
    EXPECT_FALSE(read(bad)) << bad;

  // A long name is cut to the name field on a character boundary; bytes
  // that are not UTF-8 are read as Windows-1252.
  std::string name;
  for (int i = 0; i < 30; ++i) name += "\xc3\xa9";  // 60 bytes of "é"
  EXPECT_EQ(read("9\r\n0\r\n" + name + "\r\n0\r\n0\r\n0\r\n")->serverName, std::string(name, 0, 48));
  EXPECT_EQ(peerName("Jos\xe9"), "Jos\xc3\xa9");

  GameState game;
  MoveListing listing;
  setUpBoard(game, American);
  resetListing(listing);
  EXPECT_EQ(buildListingText(game, listing), "");
  for (const char* move : {"c3-d4", "f6-e5", "d4:f6"}) ASSERT_TRUE(playMoveText(game, move));
  refreshListing(listing, game, 3);
  EXPECT_EQ(buildListingText(game, listing), "c3-d4\r\nf6-e5\r\nd4:f6");
  EXPECT_EQ(messageLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
}

struct PairGame {
  GameType type;
  int serverSide;
  bool giveAway;
};

class NetWholeGame : public ::testing::TestWithParam<PairGame> {};

TEST_P(NetWholeGame, BothEndsPlayTheSameGameToItsEnd) {
  test::FakeHost fake;
  SocketPair sockets;
  NetPlayer server, client;
  NetChoice choice;
  choice.gameType = GetParam().type;
  choice.serverSide = GetParam().serverSide;
  choice.giveAway = GetParam().giveAway;
  startNetPlayer(server, sockets.server, true, "Guest", 0, choice);
  startNetPlayer(client, sockets.client, false, "Visitor", 0);
  sockets.server = sockets.client = -1;  // the players own them now
  playOut(server, client);

  const NetEnd s = server.session->end(), c = client.session->end();
  ASSERT_TRUE(endedByRules(s)) << netEndWord(s);
  ASSERT_TRUE(endedByRules(c)) << netEndWord(c);
  EXPECT_EQ(s == NetEnd::Win, c == NetEnd::Loss);
  EXPECT_EQ(s == NetEnd::Draw, c == NetEnd::Draw);
  EXPECT_EQ(moveTexts(server), moveTexts(client));
  EXPECT_GT(server.listing.moveCount(), 0);
  EXPECT_EQ(client.game->gameType, GetParam().type);
  EXPECT_EQ(client.game->giveAway, GetParam().giveAway ? 1 : 0);
  EXPECT_EQ(client.session->localSide(), 1 - GetParam().serverSide);
  EXPECT_STREQ(client.game->players[GetParam().serverSide].name, "Guest");
  EXPECT_STREQ(server.game->players[1 - GetParam().serverSide].name, "Visitor");
  for (const NetPlayer* p : {&server, &client}) {  // the network game is over, the game kept
    EXPECT_EQ(p->game->gameRunning, 0);
    EXPECT_EQ(p->game->players[0].type, HumanPlayer);
    EXPECT_EQ(p->game->players[1].type, HumanPlayer);
  }
}

INSTANTIATE_TEST_SUITE_P(NetVariants, NetWholeGame,
                         ::testing::Values(PairGame{Russian, 0, false}, PairGame{International, 1, false},
                                           PairGame{American, 0, true}, PairGame{Thai, 1, false},
                                           PairGame{Frisian, 0, false}));

TEST(NetStartUp, ContinuingTheCurrentGameSendsItsShownMovesAndTheClocks) {
  test::FakeHost fake;
  SocketPair sockets;
  NetPlayer server, client;
  GameState& g = *server.game;
  setUpBoard(g, American);
  for (const char* move : {"c3-d4", "f6-e5", "d4:f6", "g7:e5"}) ASSERT_TRUE(playMoveText(g, move));
  refreshListing(server.listing, g, 4);
  server.listing.selected = 3;  // the last move is dropped; Black is to move there
  g.players[0].clockSeconds = 70;
  g.players[1].clockSeconds = 80;
  NetChoice choice;
  choice.continueCurrent = true;
  server.playsItself = client.playsItself = false;
  startNetPlayer(server, sockets.server, true, "Guest", 0, choice);
  startNetPlayer(client, sockets.client, false, "Visitor", 0);
  sockets.server = sockets.client = -1;
  for (int i = 0; i < 2; ++i) {
    runUntilWaiting(server);
    runUntilWaiting(client);
  }
  EXPECT_EQ(server.session->localSide(), Black);
  EXPECT_EQ(moveTexts(client), (std::vector<std::string>{"c3-d4", "f6-e5", "d4:f6"}));
  EXPECT_EQ(client.game->players[0].clockSeconds, 70);
  EXPECT_EQ(client.game->players[1].clockSeconds, 80);
  EXPECT_EQ(client.game->players[Black].type, RemotePlayer);
  EXPECT_EQ(server.next.kind, NetAction::Idle);  // the server's player is to move
  EXPECT_EQ(client.next.kind, NetAction::Receive);
}

// A server that plays Black in American, and a raw socket as its client.
struct RawPeer {
  test::FakeHost fake;
  SocketPair sockets;
  NetPlayer server;
  int peer;
  NetLink peerLink;
  RawPeer() {
    NetChoice choice;
    choice.gameType = American;
    choice.serverSide = Black;
    startNetPlayer(server, sockets.server, true, "Guest", 0, choice);
    peer = sockets.client;
    peerLink.fd = peer;
    sockets.server = -1;
    runUntilWaiting(server);  // the header goes out; then it waits for the name
    EXPECT_EQ(receiveRaw(peerLink), "0\r\n1\r\nGuest\r\n0\r\n0\r\n0\r\n");
  }
  NetEnd finish() {
    for (int i = 0; i < 100 && !server.session->over(); ++i) runUntilWaiting(server);
    return server.session->end();
  }
};

TEST(NetBadPeer, SplitAndMergedMessagesAreReadWhole) {
  RawPeer p;
  sendRaw(p.peer, "Visi");
  runUntilWaiting(p.server);
  sendRaw(p.peer, std::string("tor\0c3-", 7));
  runUntilWaiting(p.server);
  EXPECT_EQ(receiveRaw(p.peerLink), "");  // the new game's empty listing
  sendRaw(p.peer, std::string("d4\0", 3));
  runUntilWaiting(p.server);
  EXPECT_STREQ(p.server.game->players[White].name, "Visitor");
  const std::string reply = receiveRaw(p.peerLink);  // the computer's answer
  ASSERT_EQ(messageLines(reply).size(), 2u);
  EXPECT_EQ(messageLines(reply)[0], "c3-d4");
  EXPECT_EQ(p.server.listing.moveCount(), 2);
}

TEST(NetBadPeer, AnIllegalFirstMoveCancelsTheGameWithTheEmptyMessage) {
  RawPeer p;
  sendRaw(p.peer, std::string("Visitor\0zz-zz\0", 14));
  EXPECT_EQ(p.finish(), NetEnd::IllegalMove);
  EXPECT_EQ(receiveRaw(p.peerLink), "");  // empty listing
  EXPECT_EQ(receiveRaw(p.peerLink), "");  // and the cancel
  ASSERT_EQ(p.fake.record().messages.size(), 1u);
  EXPECT_EQ(p.fake.record().messages[0], "Your opponent's move is not legal. The game was canceled.");
}

TEST(NetBadPeer, AnIllegalLaterMoveIsAskedForAgainWithTheSameListing) {
  RawPeer p;
  sendRaw(p.peer, std::string("Visitor\0c3-d4\0", 14));
  runUntilWaiting(p.server);
  receiveRaw(p.peerLink);
  const std::string sent = receiveRaw(p.peerLink);
  sendRaw(p.peer, sent + "\r\na1-a2" + std::string(1, '\0'));
  runUntilWaiting(p.server);
  runUntilWaiting(p.server);
  EXPECT_EQ(receiveRaw(p.peerLink), sent);  // the same listing: move again
  EXPECT_EQ(p.server.listing.moveCount(), 2);
  EXPECT_FALSE(p.server.session->over());
}

TEST(NetBadPeer, GarbageOversizedTextsAndEarlyCloseEndTheNetworkGameKeepingTheBoard) {
  {
    RawPeer p;
    sendRaw(p.peer, std::string(kMaxMessageBytes + 10, 'x'));
    EXPECT_EQ(p.finish(), NetEnd::ConnectionLost);
    EXPECT_EQ(p.fake.record().messages, std::vector<std::string>{"Connection lost. Receive data error."});
  }
  {
    RawPeer p;
    sendRaw(p.peer, std::string("Visitor\0c3-d4\0", 14));
    runUntilWaiting(p.server);
    closeSocket(p.peer);  // after its first move
    EXPECT_EQ(p.finish(), NetEnd::ConnectionLost);
    EXPECT_EQ(p.fake.record().messages, std::vector<std::string>{"Your opponent has left the game. Connection lost."});
    EXPECT_EQ(p.server.listing.moveCount(), 2);  // the game on the board stays
    EXPECT_EQ(p.server.game->gameRunning, 0);
    EXPECT_EQ(p.server.game->players[White].type, HumanPlayer);
  }
  {
    // Closed in the middle of a message: that is no leaving, the data broke.
    RawPeer p;
    sendRaw(p.peer, std::string("Visi", 4));
    closeSocket(p.peer);
    EXPECT_EQ(p.finish(), NetEnd::ConnectionLost);
    EXPECT_EQ(p.fake.record().messages, std::vector<std::string>{"Connection lost. Receive data error."});
  }
  {
    // A client that reads a header of garbage ends cleanly.
    test::FakeHost fake;
    SocketPair sockets;
    NetPlayer client;
    startNetPlayer(client, sockets.client, false, "Visitor", 0);
    sockets.client = -1;
    sendRaw(sockets.server, std::string("\x01\xff garbage\r\n\0", 13));
    runUntilWaiting(client);
    EXPECT_EQ(client.session->end(), NetEnd::BadHeader);
    EXPECT_EQ(client.listing.moveCount(), 0);
  }
}

TEST(NetBadPeer, AChangedGameIsRebuiltOnYesAndEndsTheNetworkGameOnNo) {
  for (bool yes : {true, false}) {
    RawPeer p;
    p.fake.record().answerYes = yes;
    sendRaw(p.peer, std::string("Visitor\0c3-d4\0", 14));
    runUntilWaiting(p.server);
    receiveRaw(p.peerLink);
    receiveRaw(p.peerLink);
    sendRaw(p.peer, std::string("c3-b4\r\nf6-g5\r\ng3-h4\0", 20));
    runUntilWaiting(p.server);
    ASSERT_FALSE(p.fake.record().messages.empty());
    EXPECT_EQ(p.fake.record().messages[0], "The game was changed by your opponent. Do you want to continue?");
    if (yes) {
      EXPECT_FALSE(p.server.session->over());
      EXPECT_EQ(moveTexts(p.server)[0], "c3-b4");
      EXPECT_GE(p.server.listing.moveCount(), 3);
    } else {
      EXPECT_EQ(p.server.session->end(), NetEnd::ChangedRefused);
      EXPECT_EQ(p.server.listing.moveCount(), 2);
    }
  }
}

TEST(NetBadPeer, TheEmptyReplyCancelsAndTwoMovesAtOnceAreAChange) {
  RawPeer p;
  sendRaw(p.peer, std::string("Visitor\0c3-d4\r\nf6-g5\0", 21));  // two moves for one
  p.fake.record().answerYes = false;
  EXPECT_EQ(p.finish(), NetEnd::ChangedRefused);

  RawPeer q;
  sendRaw(q.peer, std::string("Visitor\0\0", 9));
  EXPECT_EQ(q.finish(), NetEnd::Canceled);
  EXPECT_EQ(q.fake.record().messages, std::vector<std::string>{"The game was canceled"});
}

// A game played from the variant's set-up by a fixed rule (the legal move
// at ply * stride, wrapping) until the rules end it or it holds 400 moves.
std::vector<std::string> playedOutGame(GameType type, int stride) {
  auto game = std::make_unique<GameState>();
  setUpBoard(*game, type);
  game->plyCount = 0;
  MoveListing listing;
  std::vector<std::string> moves;
  for (;;) {
    refreshListing(listing, *game, game->plyCount);
    if (checkGameEnd(*game, listing, false) != GameGoesOn || game->plyCount >= kMaxGameMoves) return moves;
    moves.push_back(moveText(game->legalMoves[(game->plyCount * stride) % game->moveCount]));
    EXPECT_TRUE(playMoveText(*game, moves.back()));
  }
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
  return text;
}

// A listing that leaves nobody a move ends the network game with the
// game's result: the local player has nothing to play and the peer nothing
// to answer, so waiting for either would never end.
TEST(NetFinishedGame, AChangedGameThatIsOverEndsTheNetworkGameWithItsResult) {
  const std::vector<std::string> won = playedOutGame(American, 3);
  ASSERT_LT(won.size(), static_cast<size_t>(kMaxGameMoves));
  RawPeer p;
  p.fake.record().answerYes = true;
  // Answering the first move with a whole finished game and one more line.
  sendRaw(p.peer, "Visitor" + std::string(1, '\0') + joinLines(won) + "\r\nzz-zz" + std::string(1, '\0'));
  for (int i = 0; i < 5 && !p.server.session->over(); ++i) runUntilWaiting(p.server);
  const NetEnd end = p.server.session->end();
  EXPECT_TRUE(endedByRules(end)) << netEndWord(end);
  EXPECT_EQ(p.server.listing.moveCount(), static_cast<int>(won.size()));
  const std::vector<std::string>& messages = p.fake.record().messages;
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], "The game was changed by your opponent. Do you want to continue?");
  EXPECT_EQ(messages[1].rfind("Game over.", 0), 0u) << messages[1];
}

TEST(NetFinishedGame, AStartUpListingThatIsOverEndsTheClientsNetworkGame) {
  struct Case {
    GameType type;
    int stride;
    NetEnd end;  // for the client, who plays White
    const char* message;
  };
  // A decided game, and one that holds its 400 moves.
  for (const Case& c : {Case{Russian, 3, NetEnd::Win, "Game over.\nWhite wins."},
                        Case{Turkish, 12, NetEnd::MoveLimit, kMoveLimitMessage}}) {
    const std::vector<std::string> moves = playedOutGame(c.type, c.stride);
    test::FakeHost fake;
    SocketPair sockets;
    NetPlayer client;
    startNetPlayer(client, sockets.client, false, "Visitor", 0);
    sockets.client = -1;
    const std::string header = std::to_string(c.type) + "\r\n1\r\nHost\r\n0\r\n0\r\n0\r\n";
    sendRaw(sockets.server, header + '\0' + joinLines(moves) + '\0');
    for (int i = 0; i < 5 && !client.session->over(); ++i) runUntilWaiting(client);
    EXPECT_EQ(client.session->end(), c.end) << gameTypeName(c.type) << " " << netEndWord(client.session->end());
    EXPECT_EQ(client.listing.moveCount(), static_cast<int>(moves.size()));
    EXPECT_EQ(fake.record().messages, std::vector<std::string>{c.message});
  }
}

TEST(NetBreak, EscapeAsksAndYesEndsTheNetworkGameWithoutAMessage) {
  RawPeer p;
  auto& r = p.fake.record();
  r.escapeHeld = true;
  EXPECT_FALSE(askBreakTransfer(false));  // No: the receive goes on
  EXPECT_EQ(r.messages, std::vector<std::string>{"Break receive. Are you sure?"});
  r.answerYes = true;
  EXPECT_TRUE(askBreakTransfer(true));
  EXPECT_EQ(r.messages.back(), "Break send. Are you sure?");
  r.active = false;
  EXPECT_FALSE(askBreakTransfer(true));  // only in the active window
  p.server.next = p.server.session->breakOff();
  EXPECT_EQ(p.server.session->end(), NetEnd::Broken);
  EXPECT_EQ(r.messages.size(), 2u);
  EXPECT_EQ(stepNetPlayer(p.server, 0, true), NetStep::Over);
  EXPECT_EQ(p.server.link.fd, -1);
}

TEST(NetDialogRules, OkStoresWhatItHasCheckedAndTrimsOnlyTheLeadingSpaces) {
  EXPECT_EQ(networkName("  Anna Bell  "), "Anna Bell  ");
  EXPECT_EQ(networkName("Anna\r\nBell"), "Anna  Bell");  // one header line
  netSettings = NetSettings{};
  lastGame.gameType = American;
  NetDialogInput in{"  Anna ", "10.0.0.2", "1023", false, Thai, true};
  EXPECT_EQ(takeNetDialogInput(in), "Port number must be more or equal then 1024.");
  EXPECT_EQ(netSettings.ip, "10.0.0.2");  // the address and port are kept though refused
  EXPECT_EQ(netSettings.port, 1023);
  EXPECT_EQ(netSettings.server, 1);  // the rest waits for the checks to pass
  EXPECT_EQ(lastGame.gameType, American);
  in.portText = "1024";
  EXPECT_EQ(takeNetDialogInput(in), std::nullopt);
  EXPECT_EQ(netSettings.server, 0);
  EXPECT_EQ(netSettings.name, "Anna ");
  EXPECT_EQ(lastGame.gameType, Thai);
  EXPECT_TRUE(lastGame.giveAway);

  // Continuing a game lets the server take only the side to move there.
  MoveListing listing;
  resetListing(listing);
  listing.lines.push_back(" 1. c3-d4");
  listing.selected = 1;
  const SideChoice c = sideChoice(true, true, listing);
  EXPECT_EQ(c.forced, Black);
  EXPECT_FALSE(c.groupEnabled);
  EXPECT_TRUE(sideChoice(true, false, listing).groupEnabled);
  EXPECT_FALSE(sideChoice(false, false, listing).available[0]);
}

TEST(NetSockets, CancelBreaksAWaitingAcceptAndAFailedConnectIsReported) {
  std::string error;
  int listener = listenOn("127.0.0.1", 0, error);
  ASSERT_GE(listener, 0);
  const int port = boundPort(listener);
  Cancel cancel;
  cancel.raise();
  WaitResult result;
  EXPECT_EQ(acceptClient(listener, cancel, kNoTimeLimit, result), -1);
  EXPECT_EQ(result, WaitResult::Canceled);
  EXPECT_EQ(listenOn("127.0.0.1", port, error), -1);  // taken
  EXPECT_EQ(error, "Could not bind socket");
  closeSocket(listener);
  Cancel none;
  EXPECT_EQ(connectTo("127.0.0.1", port, none, kWaitMs, result), -1);
  EXPECT_EQ(result, WaitResult::Failed);
  EXPECT_FALSE(isDottedIpv4("1.2.3"));
  EXPECT_TRUE(isDottedIpv4("10.0.0.1"));
}

}  // namespace
}  // namespace velmora
