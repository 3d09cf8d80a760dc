// An outside engine in the window: a whole game against the command line's
// Hub engine chosen in Game > Play an engine, hints and the score from an
// engine that advises, and engines that die, cheat, keep silent or cannot
// be started, each lost with a reason while the game stays.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/game/game_state.h"
#include "core/game/settings.h"
#include "core/net/hub_text.h"
#include "core/net/socket.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/rules/game_result.h"
#include "core/rules/generate.h"
#include "shell/dialogs/engine_dialog.h"
#include "shell/outside_engine.h"
#include "tests/shell/window_test_support.h"

namespace velmora {
namespace {

using test::messages;
using test::playFirstLegal;
using test::settle;
using test::whenOpen;

constexpr int kWaitMs = 60000;

// A Hub engine written as a shell script: `onGo` is what it does when asked
// to search. It names no variant, so it plays International only.
struct ScriptedEngine {
  QTemporaryDir dir;
  QString command;
  explicit ScriptedEngine(const std::string& onGo) {
    QFile script(dir.filePath("engine.sh"));
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(("while read line; do\n"
                  "  case \"$line\" in\n"
                  "    hub) echo 'id name=Scripted'; echo wait;;\n"
                  "    init) echo ready;;\n"
                  "    go*) " +
                  onGo +
                  ";;\n"
                  "    quit) exit 0;;\n"
                  "  esac\n"
                  "done\n")
                     .c_str());
    command = "sh \"" + script.fileName() + "\"";
  }
};

// The settings of an outside engine, as each test leaves them.
struct CleanEngineSettings {
  CleanEngineSettings() { outsideEngineSettings = defaultOutsideEngineSettings; }
  ~CleanEngineSettings() { outsideEngineSettings = defaultOutsideEngineSettings; }
};

// Game > Play an engine with this command, the human playing `humanSide`.
void playEngine(test::Window& w, const QString& command, GameType type, int humanSide) {
  whenOpen<EngineDialog>([&](EngineDialog* d) {
    d->findChild<QLineEdit*>("engineCommand")->setText(command);
    d->findChild<QComboBox*>("engineGameType")->setCurrentIndex(type);
    d->findChild<QComboBox*>("engineHumanSide")->setCurrentIndex(humanSide);
    d->findChild<QComboBox*>("engineMoveTime")->setCurrentIndex(0);  // the shortest
    QDir().mkpath(QDir::temp().filePath("velmora-screenshots"));
    d->grab().save(QDir::temp().filePath("velmora-screenshots/play-an-engine.png"));
    d->findChild<QPushButton*>("id1")->click();
  });
  w.window->dispatch(CmdPlayEngine);
  settle();
}

// Whether a socket on this machine listens on `port`: seen in the kernel's
// table, without a connection that the listener would take for its game.
bool listening(int port) {
  QFile table("/proc/net/tcp");
  if (!table.open(QIODevice::ReadOnly)) return false;
  const QString local = QString(":%1 ").arg(port, 4, 16, QChar('0')).toUpper();
  for (const QString& line : QString::fromLatin1(table.readAll()).split('\n')) {
    const QStringList fields = line.simplified().split(' ');
    if (fields.size() > 3 && (fields[1] + " ").endsWith(local) && fields[3] == "0A") return true;
  }
  return false;
}

bool engineMessage() {
  for (const std::string& m : messages)
    if (m.find("engine") != std::string::npos) return true;
  return false;
}

TEST(OutsideEngineInTheWindow, PlaysAWholeGameAgainstTheCommandLinesHubEngine) {
  CleanEngineSettings clean;
  test::Window w;
  playEngine(w, QString("\"%1\" hub").arg(VELMORA_CLI), American, Black);
  EXPECT_EQ(w.game->gameType, American);
  EXPECT_EQ(w.game->players[White].type, ComputerPlayer);
  EXPECT_EQ(w.game->players[Black].type, HumanPlayer);
  const auto localToMove = [&] {
    return w.game->gameRunning && !w.game->showingMove && !w.game->thinking && w.window->gameCommandsEnabled() &&
           w.game->players[w.listing.sideToMove()].type == HumanPlayer;
  };
  for (QDeadlineTimer deadline(120000); w.game->gameRunning && !engineMessage() && !deadline.hasExpired();) {
    if (localToMove()) playFirstLegal(w);
    QTest::qWait(5);
  }
  ASSERT_FALSE(engineMessage()) << messages.back();
  ASSERT_FALSE(w.game->gameRunning);
  // The engine chose White's first move itself, and the rules ended the game.
  EXPECT_GT(w.listing.moveCount(), 2);
  EXPECT_STREQ(w.game->players[White].name, "Velmora");  // as the engine named itself
  EXPECT_NE(gameResult(*w.game, w.listing.sideToMove(), w.listing.moveCount()), GameGoesOn);
  EXPECT_EQ(outsideEngineSettings.command, QString("\"%1\" hub").arg(VELMORA_CLI).toStdString());
  w.window->grab().save(QDir::temp().filePath("velmora-screenshots/game-against-a-hub-engine.png"));
}

TEST(OutsideEngineInTheWindow, AnEngineThatDiesOrCheatsEndsItsGameAndTheGameStays) {
  struct Case {
    std::string onGo;
    std::string said;
  };
  for (const Case& c : {Case{"exit 3", "exit code 3"}, Case{"echo 'done move=31-36'", "not legal"},
                        Case{"echo 'error message=\"no such position\"'", "no such position"}}) {
    SCOPED_TRACE(c.onGo);
    CleanEngineSettings clean;
    test::Window w;
    ScriptedEngine engine(c.onGo);
    playEngine(w, engine.command, International, Black);  // the engine moves first
    ASSERT_TRUE(QTest::qWaitFor([] { return engineMessage(); }, kWaitMs));
    EXPECT_NE(messages.back().find(c.said), std::string::npos) << messages.back();
    // The game stops where it was, the window takes commands again, and
    // Continue game goes on with Velmora's own computer.
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.window->gameCommandsEnabled(); }, kWaitMs));
    EXPECT_FALSE(w.game->gameRunning);
    EXPECT_FALSE(w.game->thinking);
    EXPECT_EQ(w.listing.moveCount(), 0);
    messages.clear();
    w.window->dispatch(CmdContinue);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.listing.moveCount() == 1; }, kWaitMs));
    EXPECT_FALSE(engineMessage());
  }
}

TEST(OutsideEngineInTheWindow, HintAndTheScoreComeFromAnEngineThatAdvises) {
  CleanEngineSettings clean;
  test::Window w(International);
  ScriptedEngine engine("echo 'info depth=7 score=123 pv=\"32-28 19-23 99-98\"'; echo 'done move=32-28'");
  outsideEngineSettings.command = engine.command.toStdString();
  outsideEngineSettings.advises = 1;
  // What the engine's moves are in the listing's words and on the board.
  auto expected = std::make_unique<GameState>(*w.game);
  const int first = legalHubMove(*expected, "32-28");
  ASSERT_GE(first, 0);
  const MoveRecord hinted = expected->legalMoves[first];
  std::string line = moveText(hinted);
  applyMove(hinted, expected->gameRecord[0], *expected);
  ++expected->plyCount;
  line += " " + moveText(expected->legalMoves[legalHubMove(*expected, "19-23")]);

  w.window->dispatch(CmdHint);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.game->marks[hinted.fromY][hinted.fromX].blinkTicks > 0; }, kWaitMs));
  EXPECT_TRUE(messages.empty());

  evaluationSettings.show = 1;
  w.window->refresh();
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.window->shownScore().found; }, kWaitMs));
  EXPECT_EQ(w.window->shownScore().score, "+1.23");
  EXPECT_EQ(w.window->shownScore().line, line);  // as far as it is legal
}

TEST(OutsideEngineInTheWindow, AnAdvisingEngineThatDiesLeavesAShortWordInThePanel) {
  CleanEngineSettings clean;
  test::Window w(International);
  ScriptedEngine engine("exit 3");
  outsideEngineSettings.command = engine.command.toStdString();
  outsideEngineSettings.advises = 1;
  evaluationSettings.show = 1;
  w.window->refresh();
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.window->shownScore().found; }, kWaitMs));
  // The panel holds a few words; the reason is for Hint's box.
  EXPECT_EQ(w.window->shownScore().score, "?");
  EXPECT_EQ(w.window->shownScore().line, "No score from the engine");
}

TEST(OutsideEngineInTheWindow, PlaysAWholeGameAgainstADamExchangeProgram) {
  CleanEngineSettings clean;
  auto w = std::make_unique<test::Window>();
  std::string error;
  int probe = listenOn("127.0.0.1", 0, error);
  const int port = boundPort(probe);
  closeSocket(probe);
  QProcess cli;
  cli.start(VELMORA_CLI, {"dxp", "listen", QString::number(port), "--movetime", "30"});
  ASSERT_TRUE(cli.waitForStarted(kWaitMs));
  ASSERT_TRUE(QTest::qWaitFor([port] { return listening(port); }, kWaitMs));
  whenOpen<EngineDialog>([&](EngineDialog* d) {
    d->findChild<QRadioButton*>("engineDxp")->click();
    d->findChild<QLineEdit*>("engineHost")->setText("127.0.0.1");
    d->findChild<QSpinBox*>("enginePort")->setValue(port);
    d->findChild<QComboBox*>("engineHumanSide")->setCurrentIndex(White);
    d->findChild<QComboBox*>("engineMoveTime")->setCurrentIndex(0);
    d->findChild<QPushButton*>("id1")->click();
  });
  w->window->dispatch(CmdPlayEngine);
  settle();
  ASSERT_EQ(w->game->gameType, International);  // the only game the protocol knows
  // Early on, a move is taken back: the program no longer knows the game,
  // which is ended for it and proposed again from the board.
  bool tookBack = false;
  for (QDeadlineTimer deadline(180000); w->game->gameRunning && !deadline.hasExpired();) {
    if (w->game->gameRunning && !w->game->showingMove && !w->game->thinking && w->window->gameCommandsEnabled() &&
        w->game->players[w->listing.sideToMove()].type == HumanPlayer) {
      if (!tookBack && w->listing.moveCount() >= 4) {
        w->window->dispatch(CmdTakeBack);
        settle();
        tookBack = true;
        ASSERT_LT(w->listing.shownMoves(), 4);
      }
      playFirstLegal(*w);
    }
    QTest::qWait(5);
  }
  ASSERT_TRUE(tookBack);
  ASSERT_FALSE(engineMessage()) << messages.back();
  ASSERT_FALSE(w->game->gameRunning);
  EXPECT_NE(gameResult(*w->game, w->listing.sideToMove(), w->listing.moveCount()), GameGoesOn);
  const GameResult result = gameResult(*w->game, w->listing.sideToMove(), w->listing.moveCount());
  EXPECT_STREQ(w->game->players[Black].name, "Velmora");  // from its game accept, without the padding
  // The program hears the last move and the result as the game ends: it
  // reports the second game. Then the window closes, and it hears that no
  // more games follow.
  QByteArray printed;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        printed += cli.readAllStandardOutput();
        return printed.contains("game 2 ");
      },
      kWaitMs))
      << printed.toStdString();
  w.reset();
  ASSERT_TRUE(cli.waitForFinished(kWaitMs));
  printed += cli.readAllStandardOutput();
  const QStringList out = QString::fromUtf8(printed).split('\n', Qt::SkipEmptyParts);
  EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
  ASSERT_EQ(out.size(), 3) << out.join('|').toStdString();  // the game taken back, the game again, the score
  EXPECT_TRUE(out[0].startsWith("game 1 colour black result ")) << out[0].toStdString();
  EXPECT_TRUE(out[0].contains(" end peer ")) << out[0].toStdString();
  const QString won = result == WhiteWins ? "white" : result == BlackWins ? "black" : "draw";
  EXPECT_TRUE(out[1].startsWith("game 2 colour black result " + won + " end rules")) << out[1].toStdString();
}

TEST(OutsideEngine, ASilentEngineOneThatCannotStartAndALineTooLongAreLostWithAReason) {
  struct Case {
    QString command;
    std::string said;
  };
  ScriptedEngine silent("true");
  ScriptedEngine flood("head -c 100000 /dev/zero | tr '\\\\0' a");
  for (const Case& c :
       {Case{silent.command, "did not answer in time"}, Case{"/nonexistent/velmora-engine", "could not be started"},
        Case{flood.command, "line too long"}}) {
    SCOPED_TRACE(c.command.toStdString());
    OutsideEngine engine([](std::function<void()> call) { call(); });
    // Only the silent one waits out its grace: the others are lost by what they do.
    if (c.command == silent.command) engine.setGraceMs(500);
    engine.setCommand(c.command.toStdString(), International);
    auto game = std::make_unique<GameState>();
    setUpBoard(*game, International);
    game->plyCount = 0;
    std::string why;
    bool finished = false;
    engine.start(
        *game, 200, {}, [&](ComputerChoice) { finished = true; }, [&](const std::string& reason) { why = reason; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !why.empty(); }, kWaitMs));
    EXPECT_NE(why.find(c.said), std::string::npos) << why;
    EXPECT_FALSE(finished);
    EXPECT_FALSE(engine.running());
  }
}

}  // namespace
}  // namespace velmora
