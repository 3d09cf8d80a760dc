// Network play in the window: the Network game dialog's states and checks,
// and a game against a scripted peer on 127.0.0.1 with the window painting
// while it waits.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <memory>

#include "core/game/game_state.h"
#include "core/game/new_game.h"
#include "core/game/settings.h"
#include "core/net/framing.h"
#include "core/net/protocol.h"
#include "core/platform/host.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/records/saved_game.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "core/view/layout.h"
#include "shell/board_widget.h"
#include "shell/dialogs/load_game_dialog.h"
#include "shell/dialogs/network_dialog.h"
#include "shell/dialogs/waiting_dialog.h"
#include "shell/main_window.h"
#include "shell/network_game.h"
#include "shell/paint/skins.h"
#include "shell/system/host_qt.h"
#include "tests/shell/window_test_support.h"

namespace velmora {
namespace {

using test::playFirstLegal;
using test::settle;
using test::whenOpen;

constexpr int kWaitMs = 60000;

using test::answerYes;

// The window, taken to be the active one: a move from the other side does
// not flash it.
struct ActiveWindow : test::Window {
  ActiveWindow() {
    host.windowIsActive = [] { return true; };
  }
};

void saveScreenshot(QWidget* widget, const QString& name) {
  QDir().mkpath(QDir::temp().filePath("velmora-screenshots"));
  widget->grab().save(QDir::temp().filePath("velmora-screenshots/" + name + ".png"));
}

template <class T>
T* child(QWidget* w, int id) {
  return w->findChild<T*>(QString("id%1").arg(id));
}

TEST(NetworkDialogShell, ControlsFollowTheRoleAndTheGameAndOkChecksTheFields) {
  ActiveWindow w;
  const QImage skin = builtInSkin(0);
  NetworkDialog d(*w.game, w.listing, skin, w.window.get());
  d.show();
  child<QRadioButton>(&d, 1019)->click();                   // server
  EXPECT_TRUE(child<QRadioButton>(&d, 1024)->isEnabled());  // the start line can be continued
  EXPECT_TRUE(child<QGroupBox>(&d, 1029)->isEnabled());
  saveScreenshot(&d, "network-dialog-server");

  child<QRadioButton>(&d, 1024)->click();  // continue current: only White, to move at line 0
  EXPECT_FALSE(child<QGroupBox>(&d, 1032)->isEnabled());
  EXPECT_TRUE(child<QRadioButton>(&d, 1027)->isChecked());
  EXPECT_FALSE(child<QRadioButton>(&d, 1026)->isEnabled());
  EXPECT_FALSE(child<QGroupBox>(&d, 1029)->isEnabled());
  saveScreenshot(&d, "network-dialog-continue");

  child<QRadioButton>(&d, 1020)->click();  // client: nothing of the game to choose
  EXPECT_FALSE(child<QRadioButton>(&d, 1022)->isEnabled());
  EXPECT_FALSE(child<QRadioButton>(&d, 1027)->isEnabled());
  EXPECT_FALSE(child<QRadioButton>(&d, 1026)->isEnabled());
  EXPECT_FALSE(child<QGroupBox>(&d, 1032)->isEnabled());
  saveScreenshot(&d, "network-dialog-client");

  struct Case {
    const char *name, *ip, *port, *message;
  };
  for (const Case& c : {Case{"   ", "127.0.0.1", "7000", "Please enter your name."},
                        Case{"Anna", "0.0.0.0", "7000", "Please enter serever's IP address."},
                        Case{"Anna", "127.0.0", "7000", "Please enter serever's IP address."},
                        Case{"Anna", "127.0.0.1", "", "Please enter serever's port."},
                        Case{"Anna", "127.0.0.1", "1023", "Port number must be more or equal then 1024."},
                        Case{"Anna", "127.0.0.1", "70000", "Port number must be 65535 or less."}}) {
    test::messages.clear();
    child<QLineEdit>(&d, 1028)->setText(c.name);
    child<QLineEdit>(&d, 1021)->setText(c.ip);
    child<QLineEdit>(&d, 1013)->setText(c.port);
    child<QPushButton>(&d, 1)->click();
    EXPECT_EQ(test::messages, std::vector<std::string>{c.message}) << c.name << " " << c.ip << " " << c.port;
    EXPECT_TRUE(d.isVisible());
  }
  EXPECT_EQ(netSettings.port, 70000);  // stored though refused, as the address
}

TEST(NetworkDialogShell, TheGameOverAtItsLastLineCanOnlyBeANewGame) {
  ActiveWindow w;
  readPosition("W:......../......../......../......../......../......../......../b.......", American, *w.game);
  w.game->plyCount = 0;
  resetListing(w.listing);  // White to move with no man: the game is over
  NetworkDialog d(*w.game, w.listing, builtInSkin(0), w.window.get());
  child<QRadioButton>(&d, 1019)->click();
  EXPECT_FALSE(child<QRadioButton>(&d, 1024)->isEnabled());
  EXPECT_FALSE(child<QGroupBox>(&d, 1030)->isEnabled());
  EXPECT_TRUE(child<QRadioButton>(&d, 1022)->isChecked());
}

TEST(NetworkDialogShell, CancelWhileWaitingForAClientStopsTheWaitAndKeepsTheDialog) {
  ActiveWindow w;
  NetworkDialog d(*w.game, w.listing, builtInSkin(0), w.window.get());
  child<QLineEdit>(&d, 1028)->setText("Anna");
  child<QLineEdit>(&d, 1021)->setText("127.0.0.1");
  child<QLineEdit>(&d, 1013)->setText("0");  // refused: the dialog wants a real port
  child<QRadioButton>(&d, 1019)->click();
  bool sawWaiting = false;
  whenOpen<WaitingDialog>([&](WaitingDialog* wait) {
    sawWaiting = true;
    EXPECT_EQ(wait->windowTitle(), "Waiting for client.");
    // Wide enough for its title, which it also shows as text.
    EXPECT_GT(wait->width(), wait->fontMetrics().horizontalAdvance(wait->windowTitle()) + 100);
    ASSERT_NE(wait->findChild<QLabel*>(), nullptr);
    EXPECT_EQ(wait->findChild<QLabel*>()->text(), "Waiting for client.");
    saveScreenshot(wait, "waiting-dialog");
    child<QPushButton>(wait, 2)->click();
  });
  WaitingDialog waiting(true, "127.0.0.1", 0, &d);
  EXPECT_EQ(waiting.exec(), QDialog::Rejected);
  EXPECT_TRUE(sawWaiting);
  EXPECT_EQ(waiting.takeSocket(), -1);
}

// The client's end of the connection, played by the test.
struct Peer {
  NetLink link;
  Cancel cancel;
  std::string receive() {
    std::string text;
    Transfer t = Transfer::TimedOut;
    // Let the window run while the bytes come.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return (t = receiveMessage(link, text, cancel, 0)) != Transfer::TimedOut; }, kWaitMs));
    EXPECT_EQ(t, Transfer::Done);
    return text;
  }
  void send(const std::string& text) { EXPECT_EQ(sendMessage(link, text, cancel, kWaitMs), Transfer::Done); }
  ~Peer() { closeSocket(link.fd); }
};

// The window serves an American game, White, to `peer` on a free port, and
// the peer answers with its name: the game runs, the window to move.
void serveAScriptedClient(ActiveWindow& w, Peer& peer) {
  netSettings.name = "Anna";
  netSettings.ip = "127.0.0.1";
  netSettings.server = 1;
  // A free port: bind to 0, read it, let it go.
  std::string error;
  int probe = listenOn("127.0.0.1", 0, error);
  const int port = boundPort(probe);
  closeSocket(probe);
  netSettings.port = port;

  whenOpen<NetworkDialog>([&](NetworkDialog* d) {
    child<QComboBox>(d, 1031)->setCurrentIndex(American);
    whenOpen<WaitingDialog>([&](WaitingDialog* wait) {
      // The dialog listens from its own thread: connect once it does.
      ASSERT_TRUE(QTest::qWaitFor([wait] { return wait->listening(); }, kWaitMs));
      WaitResult result;
      peer.link.fd = connectTo("127.0.0.1", port, peer.cancel, kWaitMs, result);
    });
    child<QPushButton>(d, 1)->click();
  });
  w.window->dispatch(CmdNetwork);
  ASSERT_GE(peer.link.fd, 0);
  EXPECT_EQ(peer.receive(), "0\r\n0\r\nAnna\r\n0\r\n0\r\n0\r\n");
  peer.send("Visitor");
  EXPECT_EQ(peer.receive(), "");
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.game->gameRunning == 1 && w.window->gameCommandsEnabled(); }, kWaitMs));
}

TEST(NetworkGameInTheWindow, ServerPlaysAScriptedClientAndEscapeBreaksTheReceive) {
  ActiveWindow w;
  Peer peer;
  serveAScriptedClient(w, peer);
  EXPECT_STREQ(w.game->players[Black].name, "Visitor");
  EXPECT_EQ(w.game->players[Black].type, RemotePlayer);

  playFirstLegal(w);
  const std::string first = peer.receive();
  EXPECT_EQ(messageLines(first).size(), 1u);
  EXPECT_FALSE(w.window->gameCommandsEnabled());  // waiting for the reply: no commands
  saveScreenshot(w.window.get(), "network-waiting-for-the-opponent");

  GameState mirror;
  setUpBoard(mirror, American);
  ASSERT_TRUE(playMoveText(mirror, first));
  generateMoves(mirror.legalMoves, mirror, Black);
  const std::string reply = first + "\r\n" + moveText(mirror.legalMoves[0]);
  peer.send(reply);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.listing.moveCount() == 2 && w.window->gameCommandsEnabled(); }, kWaitMs));
  EXPECT_EQ(buildListingText(*w.game, w.listing), reply);

  playFirstLegal(w);
  peer.receive();
  // The move is out once the window waits for the answer: Escape breaks
  // the receive, whatever the machine's load.
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.window->networkGame().receiving(); }, kWaitMs));
  answerYes = true;
  QTest::keyPress(w.window.get(), Qt::Key_Escape);
  QTest::keyRelease(w.window.get(), Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !test::messages.empty(); }, kWaitMs));
  EXPECT_EQ(test::messages.front(), "Break receive. Are you sure?");
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.window->gameCommandsEnabled(); }, kWaitMs));
  EXPECT_EQ(w.game->players[Black].type, HumanPlayer);
  EXPECT_EQ(w.game->gameRunning, 0);
  EXPECT_EQ(w.listing.moveCount(), 3);  // the game on the board stays
  std::string text;
  EXPECT_EQ(receiveMessage(peer.link, text, peer.cancel, kWaitMs), Transfer::Closed);
}

// A copy that leaves (New game, Exit) closes its end between two messages.
TEST(NetworkGameInTheWindow, APeerThatLeavesWhileTheWindowIsToMoveIsNoticedAtOnce) {
  ActiveWindow w;
  Peer peer;
  serveAScriptedClient(w, peer);
  test::messages.clear();
  closeSocket(peer.link.fd);  // the window reads nothing while it is to move
  ASSERT_TRUE(QTest::qWaitFor([&] { return !test::messages.empty(); }, kWaitMs));
  EXPECT_EQ(test::messages, std::vector<std::string>{"Your opponent has left the game. Connection lost."});
  EXPECT_FALSE(w.window->networkGame().active());
  EXPECT_EQ(w.game->players[Black].type, HumanPlayer);
}

// A free port: bound to 0, read, let go.
int freePort() {
  std::string error;
  int probe = listenOn("127.0.0.1", 0, error);
  const int port = boundPort(probe);
  closeSocket(probe);
  return port;
}

// A game with no moves loaded after a network game that broke off: the
// loaded game is shown whole, not the board and listing of the network game.
TEST(NetworkGameInTheWindow, AGameWithoutMovesLoadsWhollyAfterALostConnection) {
  QTemporaryDir work;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(work.path());
  {
    auto frisian = std::make_unique<GameState>();
    setUpBoard(*frisian, Frisian);
    std::strcpy(frisian->players[White].name, "Ann");
    std::strcpy(frisian->players[Black].name, "Bob");
    MoveListing none;
    refreshListing(none, *frisian, 0);
    ASSERT_TRUE(saveGameFile(*frisian, none, "Save/frisian.vlm"));
  }
  ActiveWindow w;
  netSettings.name = "Anna";
  netSettings.ip = "127.0.0.1";
  netSettings.server = 1;
  netSettings.port = freePort();
  Peer peer;
  whenOpen<NetworkDialog>([&](NetworkDialog* d) {
    child<QComboBox>(d, 1031)->setCurrentIndex(American);
    whenOpen<WaitingDialog>([&](WaitingDialog* wait) {
      ASSERT_TRUE(QTest::qWaitFor([wait] { return wait->listening(); }, kWaitMs));
      WaitResult result;
      peer.link.fd = connectTo("127.0.0.1", netSettings.port, peer.cancel, kWaitMs, result);
    });
    child<QPushButton>(d, 1)->click();
  });
  w.window->dispatch(CmdNetwork);
  ASSERT_GE(peer.link.fd, 0);
  peer.receive();
  peer.send("Visitor");
  peer.receive();
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.game->gameRunning == 1 && w.window->gameCommandsEnabled(); }, kWaitMs));
  playFirstLegal(w);
  peer.receive();
  closeSocket(peer.link.fd);  // the client is gone
  peer.link.fd = -1;
  ASSERT_TRUE(QTest::qWaitFor([&] { return !test::messages.empty() && w.window->gameCommandsEnabled(); }, kWaitMs));
  EXPECT_EQ(test::messages.back(), "Your opponent has left the game. Connection lost.");

  whenOpen<LoadGameDialog>([](LoadGameDialog* d) {
    d->findChild<QListWidget*>("id1014")->item(0)->setSelected(true);
    d->findChild<QPushButton*>("id1")->click();
  });
  w.window->dispatch(CmdLoad);
  settle();
  EXPECT_EQ(w.game->gameType, Frisian);
  EXPECT_STREQ(w.game->players[White].name, "Ann");
  EXPECT_EQ(w.listing.lines, std::vector<std::string>{" 0."});
  auto start = std::make_unique<GameState>();
  setUpBoard(*start, Frisian);
  EXPECT_EQ(writePosition(*w.game), writePosition(*start));
  QDir::setCurrent(previous);
}

TEST(NetworkGameInTheWindow, TheCommandLinePlayerPlaysAWholeGameAgainstTheWindow) {
  ActiveWindow w;
  netSettings.name = "Anna";
  netSettings.ip = "127.0.0.1";
  netSettings.server = 1;
  netSettings.port = freePort();
  QProcess cli;
  whenOpen<NetworkDialog>([&](NetworkDialog* d) {
    child<QComboBox>(d, 1031)->setCurrentIndex(Italian);
    child<QRadioButton>(d, 1026)->click();  // the window plays Black
    whenOpen<WaitingDialog>([&](WaitingDialog* wait) {
      ASSERT_TRUE(QTest::qWaitFor([wait] { return wait->listening(); }, kWaitMs));
      cli.start(VELMORA_CLI, {"net", "join", "127.0.0.1", QString::number(netSettings.port), "--level", "0"});
    });
    child<QPushButton>(d, 1)->click();
  });
  w.window->dispatch(CmdNetwork);
  ASSERT_TRUE(cli.waitForStarted(kWaitMs));
  // The window's player takes its first legal move whenever it is to move.
  const auto localToMove = [&] {
    return w.game->gameRunning && !w.game->showingMove && w.window->gameCommandsEnabled() &&
           w.game->players[w.listing.sideToMove()].type == HumanPlayer;
  };
  bool ended = false;
  // A deadline in time, not a count of polls: on a busy machine each poll
  // takes longer, and only a real fault reaches two minutes.
  for (QDeadlineTimer deadline(120000); !ended && !deadline.hasExpired();) {
    if (localToMove()) playFirstLegal(w);
    QTest::qWait(5);
    ended = cli.state() == QProcess::NotRunning && w.window->gameCommandsEnabled() &&
            w.game->players[Black].type == HumanPlayer && w.game->players[White].type == HumanPlayer;
  }
  ASSERT_TRUE(ended);
  const QStringList out = QString::fromUtf8(cli.readAllStandardOutput()).split('\n');
  EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
  ASSERT_GE(out.size(), 3);
  EXPECT_TRUE(out[0] == "end win" || out[0] == "end loss" || out[0] == "end draw") << out[0].toStdString();
  EXPECT_EQ(out[1], QString("moves %1").arg(w.listing.moveCount()));
  std::string listing = "listing";
  for (const std::string& move : messageLines(buildListingText(*w.game, w.listing))) listing += " " + move;
  EXPECT_EQ(out[2].toStdString(), listing);
  EXPECT_EQ(w.game->gameType, Italian);
  saveScreenshot(w.window.get(), "network-game-against-the-command-line");
}

TEST(NetworkGameInTheWindow, TwoWindowsServerAndClientPlayAGameToItsEnd) {
  ActiveWindow server;
  ActiveWindow client;  // its host is the one installed last; both record the same messages
  const int port = freePort();
  // The server's dialog waits for its client; meanwhile the client's
  // dialog connects.
  whenOpen<NetworkDialog>([&](NetworkDialog* d) {
    child<QRadioButton>(d, 1019)->click();
    child<QLineEdit>(d, 1028)->setText("Anna");
    child<QLineEdit>(d, 1021)->setText("127.0.0.1");
    child<QLineEdit>(d, 1013)->setText(QString::number(port));
    child<QComboBox>(d, 1031)->setCurrentIndex(Russian);
    child<QRadioButton>(d, 1026)->click();  // the server plays Black
    whenOpen<WaitingDialog>([&](WaitingDialog*) {
      whenOpen<NetworkDialog>([&](NetworkDialog* c) {
        child<QRadioButton>(c, 1020)->click();
        child<QLineEdit>(c, 1028)->setText("Bert");
        child<QLineEdit>(c, 1021)->setText("127.0.0.1");
        child<QLineEdit>(c, 1013)->setText(QString::number(port));
        child<QPushButton>(c, 1)->click();
      });
      client.window->dispatch(CmdNetwork);
    });
    child<QPushButton>(d, 1)->click();
  });
  server.window->dispatch(CmdNetwork);

  ASSERT_TRUE(QTest::qWaitFor([&] { return client.game->gameRunning == 1; }, kWaitMs));
  EXPECT_EQ(client.game->gameType, Russian);
  EXPECT_STREQ(client.game->players[Black].name, "Anna");
  EXPECT_STREQ(client.game->players[White].name, "Bert");
  const auto toMove = [](ActiveWindow& w) {
    return w.game->gameRunning && !w.game->showingMove && w.window->gameCommandsEnabled() &&
           w.game->players[w.listing.sideToMove()].type == HumanPlayer;
  };
  const auto over = [](ActiveWindow& w) {
    return w.window->gameCommandsEnabled() && w.game->players[0].type == HumanPlayer &&
           w.game->players[1].type == HumanPlayer && !w.game->gameRunning;
  };
  bool ended = false;
  for (QDeadlineTimer deadline(120000); !ended && !deadline.hasExpired();) {
    for (ActiveWindow* w : {&server, &client})
      if (toMove(*w)) playFirstLegal(*w);
    QTest::qWait(2);
    ended = over(server) && over(client);
  }
  std::string state;
  for (ActiveWindow* w : {&server, &client})
    state += std::to_string(w->listing.moveCount()) + " running " + std::to_string(w->game->gameRunning) + " types " +
             std::to_string(w->game->players[0].type) + std::to_string(w->game->players[1].type) + " menu " +
             std::to_string(w->window->gameCommandsEnabled()) + "; ";
  for (const std::string& m : test::messages) state += m + "|";
  ASSERT_TRUE(ended) << state;
  EXPECT_GT(server.listing.moveCount(), 10);
  EXPECT_EQ(buildListingText(*server.game, server.listing), buildListingText(*client.game, client.listing));
  saveScreenshot(client.window.get(), "network-two-windows-client");
}

}  // namespace
}  // namespace velmora
