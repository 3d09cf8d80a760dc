// Turns in the window: nothing of the game runs behind a modal window, a new
// game replaces a thinking computer's game wholly, and one short Escape
// press asks to break the computer's move off.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/game/commands.h"
#include "core/game/game_state.h"
#include "core/game/new_game.h"
#include "core/platform/host.h"
#include "core/records/listing.h"
#include "core/rules/position_text.h"
#include "shell/board_widget.h"
#include "shell/dialogs/load_game_dialog.h"
#include "shell/dialogs/new_game_dialog.h"
#include "shell/main_window.h"
#include "shell/system/host_qt.h"
#include "tests/shell/window_test_support.h"

namespace velmora {
namespace {

using test::answerYes;
using test::Boxes;
using test::Window;

// Between two moves of a running game, at least `moves` played.
bool betweenMoves(const Window& w, int moves) {
  return w.listing.moveCount() >= moves && !w.game->thinking && !w.game->showingMove && w.game->gameRunning;
}

// Answers whatever modal window comes up, polled every 10 ms while the
// window under test runs its event loops.
struct ModalAnswerer {
  QTimer poll;
  QWidget* current = nullptr;
  int heldMs = 0;
  std::function<bool(QWidget*, int)> answer;  // true once it has answered

  explicit ModalAnswerer(std::function<bool(QWidget*, int)> a) : answer(std::move(a)) {
    QObject::connect(&poll, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal != current) {
        current = modal;
        heldMs = 0;
      }
      if (!modal) return;
      heldMs += 10;
      if (answer(modal, heldMs)) current = nullptr;
    });
    poll.start(10);
  }
};

TEST(TurnsInTheWindow, NewGameBetweenTwoComputersMovesReplacesTheirGameWholly) {
  Window w(American, Boxes::Real);
  w.start(Canadian, ChooseComputer, ChooseComputer, 2);  // "Above normal"
  bool thoughtBehindThePrompt = false, newGameChosen = false;
  int movesAtPrompt = -1, movesBehindThePrompt = 0;
  ModalAnswerer answerer([&](QWidget* modal, int heldMs) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      if (movesAtPrompt < 0) movesAtPrompt = w.listing.moveCount();
      thoughtBehindThePrompt = thoughtBehindThePrompt || w.game->thinking;
      movesBehindThePrompt = w.listing.moveCount() - movesAtPrompt;
      if (heldMs < 3000) return false;
      QTimer::singleShot(0, box->button(QMessageBox::No), &QPushButton::click);
      return true;
    }
    if (auto* dialog = qobject_cast<NewGameDialog*>(modal)) {
      dialog->findChild<QComboBox*>("id1011")->setCurrentIndex(ChooseHuman);
      dialog->findChild<QComboBox*>("id1014")->setCurrentIndex(ChooseHuman);
      dialog->findChild<QComboBox*>("id1019")->setCurrentIndex(American);
      dialog->findChild<QLineEdit*>("id1012")->setText("Ann");
      dialog->findChild<QLineEdit*>("id1015")->setText("Bob");
      // Clicked from the event loop: a message box it opened would otherwise
      // stop this poll.
      QTimer::singleShot(0, dialog->findChild<QPushButton*>("id1"), &QPushButton::click);
      newGameChosen = true;
      return true;
    }
    return false;
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return betweenMoves(w, 2); }, 60000));
  const int movesBefore = w.listing.moveCount();
  QTest::keyClick(w.window.get(), Qt::Key_N, Qt::ControlModifier);  // returns once the new game stands
  QElapsedTimer sinceTheNewGame;
  sinceTheNewGame.start();
  EXPECT_FALSE(thoughtBehindThePrompt);
  EXPECT_EQ(movesBehindThePrompt, 0);
  ASSERT_TRUE(newGameChosen);
  EXPECT_GE(movesBefore, 2);
  QTest::qWait(5000);  // long enough for an old search to have answered, if one could
  auto american = std::make_unique<GameState>();
  setUpBoard(*american, American);
  EXPECT_EQ(writePosition(*w.game), writePosition(*american));
  EXPECT_EQ(w.listing.moveCount(), 0);
  EXPECT_EQ(w.game->thinking, 0);
  // No old search charged its time to the new game: Black has not moved,
  // and White's clock holds only the seconds it has been White's turn.
  EXPECT_EQ(w.game->players[Black].clockSeconds, 0);
  EXPECT_LE(w.game->players[White].clockSeconds, sinceTheNewGame.elapsed() / 1000 + 1);
  EXPECT_EQ(w.window->windowTitle(), "Velmora");
  EXPECT_TRUE(w.window->boardWidget()->isEnabled());
}

TEST(TurnsInTheWindow, TheComputerWaitsWhileTheLoadDialogIsOpen) {
  Window w;
  w.start(American, ChooseComputer, ChooseComputer, 0);
  bool thoughtBehindTheDialog = false;
  int movesBehindTheDialog = 0, movesAtOpening = -1;
  ModalAnswerer answerer([&](QWidget* modal, int heldMs) {
    auto* dialog = qobject_cast<LoadGameDialog*>(modal);
    if (!dialog) return false;
    if (movesAtOpening < 0) movesAtOpening = w.listing.moveCount();
    thoughtBehindTheDialog = thoughtBehindTheDialog || w.game->thinking;
    movesBehindTheDialog = w.listing.moveCount() - movesAtOpening;
    if (heldMs < 3000) return false;
    dialog->reject();
    return true;
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return betweenMoves(w, 2); }, 60000));
  w.game->gameModified = 0;  // no save prompt before the dialog
  QTest::keyClick(w.window.get(), Qt::Key_L, Qt::ControlModifier);
  ASSERT_GE(movesAtOpening, 2);
  EXPECT_FALSE(thoughtBehindTheDialog);
  EXPECT_EQ(movesBehindTheDialog, 0);
  // Once it has closed, the game goes on.
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.listing.moveCount() > movesAtOpening || !w.game->gameRunning; }, 60000));
}

TEST(TurnsInTheWindow, CtrlHMarksTheExpertsMoveForThePersonToMoveWithoutPlayingIt) {
  Window w;
  w.start(American, ChooseHuman, ChooseHuman, 0);
  const auto marked = [&] {
    int squares = 0;
    for (const auto& row : w.game->marks)
      for (const auto& m : row) squares += m.blinkTicks > 0;
    return squares;
  };
  QTest::keyClick(w.window.get(), Qt::Key_H, Qt::ControlModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return marked() > 0; }, 10000));
  EXPECT_EQ(marked(), 2);  // where a plain opening move starts and ends
  EXPECT_EQ(w.listing.moveCount(), 0);
  EXPECT_TRUE(w.window->boardWidget()->isEnabled());
  EXPECT_EQ(w.game->thinking, 0);
}

std::uint32_t fakeNow = 0;

TEST(TurnsInTheWindow, AHumansClockCountsFromTheMomentItsSideCameToMove) {
  Window w;
  host.tickCount = [] { return fakeNow; };
  fakeNow = 100000;
  w.start(American, ChooseComputer, ChooseHuman, 0);
  // The computer's first move is played at once; then Black is to move.
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.listing.moveCount() == 1 && !w.game->showingMove; }, 10000));
  ASSERT_TRUE(w.clockTicked());
  const int before = w.game->players[Black].clockSeconds;
  ASSERT_TRUE(w.clockTicked(3));  // the clock timer ticks, but no time passes on the clock
  EXPECT_EQ(w.game->players[Black].clockSeconds, before);
  fakeNow += 3400;
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.game->players[Black].clockSeconds == before + 3; }, 20000));
  EXPECT_EQ(w.game->players[White].clockSeconds, 0);  // the computer's first move takes no time
}

// Opens a modal dialog over the window right after `opened`, runs `under`
// once it has been up for `ms`, then closes it; returns once it has closed.
void underAModalDialog(Window& w, int ms, const std::function<void()>& opened, const std::function<void()>& under) {
  bool closed = false;
  QTimer::singleShot(0, [&] {
    QDialog dialog(w.window.get());
    opened();
    QTimer::singleShot(ms, &dialog, [&] {
      under();
      dialog.reject();
    });
    dialog.exec();
    closed = true;
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return closed; }, 10000));
}

TEST(TurnsInTheWindow, MarksBlinkOnlyWhenNoModalWindowIsUp) {
  Window w;
  int ticksUnderTheDialog = 0;
  underAModalDialog(
      w, 500, [&] { w.game->marks[0][0].blinkTicks = 100; },
      [&] { ticksUnderTheDialog = w.game->marks[0][0].blinkTicks; });
  EXPECT_EQ(ticksUnderTheDialog, 100);
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.game->marks[0][0].blinkTicks < 100; }, 20000));
}

TEST(TurnsInTheWindow, AClockStandsStillBehindAModalWindowAndCatchesUpAfter) {
  Window w;
  fakeNow = host.tickCount();
  host.tickCount = [] { return fakeNow; };
  ASSERT_TRUE(w.clockTicked());  // on White's turn, at the still time
  const int before = w.game->players[White].clockSeconds;
  int underTheDialog = -1;
  underAModalDialog(
      w, 600, [] { fakeNow += 5000; }, [&] { underTheDialog = w.game->players[White].clockSeconds; });
  EXPECT_EQ(underTheDialog, before);
  // The time behind the dialog was White's all the same.
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.game->players[White].clockSeconds == before + 5; }, 20000));
}

TEST(TurnsInTheWindow, ANewGameStartsBothClocksAtZeroThoughTheOldOneHadNoMove) {
  Window w;
  fakeNow = host.tickCount();
  host.tickCount = [] { return fakeNow; };
  ASSERT_TRUE(w.clockTicked());  // White's turn at line 0
  fakeNow += 89000;
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.game->players[White].clockSeconds == 89; }, 20000));
  // The same side at the same line after New game: still a new turn.
  test::whenOpen<NewGameDialog>([](NewGameDialog* d) {
    d->findChild<QComboBox*>("id1011")->setCurrentIndex(ChooseHuman);
    d->findChild<QComboBox*>("id1014")->setCurrentIndex(ChooseHuman);
    d->findChild<QLineEdit*>("id1012")->setText("Ann");
    d->findChild<QLineEdit*>("id1015")->setText("Bob");
    fakeNow += 3000;  // time spent choosing
    d->findChild<QPushButton*>("id1")->click();
    // A refused choice would leave the dialog up: the test ends rather than waits.
    if (d->isVisible()) d->reject();
  });
  w.window->dispatch(CmdNew);
  ASSERT_EQ(w.listing.moveCount(), 0);
  ASSERT_TRUE(w.clockTicked(3));
  EXPECT_EQ(w.game->players[White].clockSeconds, 0);
  EXPECT_EQ(w.game->players[Black].clockSeconds, 0);
}

// Black, the computer, to move among six flying kings a side on 12 x 12:
// a search that lasts (the outcome does not depend on how long).
void startALongThink(Window& w) {
  w.start(Canadian, ChooseHuman, ChooseComputer, 0);
  std::string rows = "B:.B.B.B.B.B.B/";
  for (int r = 0; r < 10; ++r) rows += "............/";
  readPosition(rows + "W.W.W.W.W.W.", Canadian, *w.game);
  refreshListing(w.listing, *w.game, 0);
  w.game->searchDepth = 3;
  w.window->refresh();
}

TEST(TurnsInTheWindow, OneShortEscapePressAsksAndNoLetsTheSearchFinish) {
  Window w;
  startALongThink(w);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.game->thinking == 1; }, 20000));
  QTest::keyPress(w.window.get(), Qt::Key_Escape);
  QTest::qWait(50);
  QTest::keyRelease(w.window.get(), Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !test::messages.empty(); }, 20000));
  EXPECT_EQ(test::messages, std::vector<std::string>{"Break AI move. Are you sure?"});
  ASSERT_TRUE(QTest::qWaitFor([&] { return !w.game->thinking && !w.game->showingMove; }, 120000));
  EXPECT_EQ(w.listing.moveCount(), 1);  // the computer's move was played
  EXPECT_EQ(w.game->gameRunning, 1);
}

TEST(TurnsInTheWindow, OneShortEscapePressAndYesStopTheSearch) {
  Window w;
  startALongThink(w);
  answerYes = true;
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.game->thinking == 1; }, 20000));
  QTest::keyPress(w.window.get(), Qt::Key_Escape);
  QTest::qWait(50);
  QTest::keyRelease(w.window.get(), Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !w.game->thinking; }, 120000));
  EXPECT_EQ(test::messages, std::vector<std::string>{"Break AI move. Are you sure?"});
  EXPECT_EQ(w.listing.moveCount(), 0);  // no move
  EXPECT_EQ(w.game->gameRunning, 0);
  EXPECT_EQ(w.window->windowTitle(), "Velmora");
  EXPECT_TRUE(w.window->boardWidget()->isEnabled());
}

}  // namespace
}  // namespace velmora
