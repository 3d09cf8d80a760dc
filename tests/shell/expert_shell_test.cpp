// The Expert in the window beside the game: the score and expected line in
// the panel, searched on a worker after every move, and Game > Analyse game
// marking the moves that gave something away.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "core/game/game_state.h"
#include "core/game/new_game.h"
#include "core/game/settings.h"
#include "core/platform/host.h"
#include "core/records/fen.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "shell/board_widget.h"
#include "shell/dialogs/appearance_dialog.h"
#include "shell/main_window.h"
#include "shell/paint/renderer.h"
#include "shell/system/host_qt.h"
#include "tests/shell/window_test_support.h"

namespace velmora {
namespace {

using test::commandAction;
using test::messages;
using test::settle;
using test::Window;

// The score comes within `timeoutMs`.
bool scoreShown(const Window& w, int timeoutMs = 20000) {
  return QTest::qWaitFor([&] { return w.window->shownScore().found; }, timeoutMs);
}

// The line's first move is a legal move of the side to move.
bool lineStartsLegally(GameState& game, const std::string& line) {
  generateMoves(game.legalMoves, game, game.sideToMove());
  const std::string first = line.substr(0, line.find(' '));
  for (int i = 0; i < game.moveCount; ++i)
    if (moveText(game.legalMoves[i]) == first) return true;
  return false;
}

TEST(EvaluationInTheWindow, OffByDefaultThenFollowsEveryMoveInThePanel) {
  Window w;
  QAction* show = commandAction(w.window.get(), CmdEvaluation);
  ASSERT_TRUE(show && show->isCheckable());
  EXPECT_FALSE(show->isChecked());
  const QImage logo = w.window->boardWidget()->grab().toImage();
  QTest::qWait(100);
  EXPECT_FALSE(w.window->shownScore().found);  // nothing searched while it is off

  show->trigger();
  EXPECT_TRUE(show->isChecked());
  EXPECT_EQ(evaluationSettings.show, 1);
  ASSERT_TRUE(scoreShown(w));
  EXPECT_TRUE(lineStartsLegally(*w.game, w.window->shownScore().line)) << w.window->shownScore().line;
  // The score stands where the logo stood.
  w.window->boardWidget()->update();
  settle();
  EXPECT_NE(w.window->boardWidget()->grab().toImage(), logo);
  w.window->grab().save("screenshots/evaluation-shown.png");

  // After a move the old score goes at once, and the new position's comes.
  w.play("c3-d4");
  EXPECT_FALSE(w.window->shownScore().found);
  ASSERT_TRUE(scoreShown(w));
  EXPECT_EQ(w.game->sideToMove(), Black);
  EXPECT_TRUE(lineStartsLegally(*w.game, w.window->shownScore().line)) << w.window->shownScore().line;

  show->trigger();
  EXPECT_EQ(evaluationSettings.show, 0);
  EXPECT_FALSE(w.window->shownScore().found);
}

TEST(EvaluationInTheWindow, AnEndedGameShowsItsResultInsteadOfALine) {
  Window w;
  commandAction(w.window.get(), CmdEvaluation)->trigger();
  ASSERT_TRUE(scoreShown(w));
  // White to move without a man: the game is over, Black has won.
  readPosition("W:......../......../......../......../......../......../......../b.......", American, *w.game);
  w.game->plyCount = 0;
  resetListing(w.listing);
  w.window->refresh();
  ASSERT_TRUE(scoreShown(w));
  EXPECT_EQ(w.window->shownScore().score, "0-1");
  EXPECT_EQ(w.window->shownScore().line, "Black wins");
  w.window->grab().save("screenshots/evaluation-game-over.png");
}

TEST(EvaluationInTheWindow, TheResultStandsBesideTheBoardWhileTheGameOverBoxIsOpen) {
  Window w;
  commandAction(w.window.get(), CmdEvaluation)->trigger();
  ASSERT_TRUE(scoreShown(w));
  // White takes Black's last man: c3:e5.
  readPosition("W:......../......../......../......../...b..../..w...../......../........", American, *w.game);
  w.game->plyCount = 0;
  w.game->gameRunning = 1;
  resetListing(w.listing);
  w.window->refresh();
  static std::string underTheBox;
  static MainWindow* window = nullptr;
  window = w.window.get();
  underTheBox.clear();
  host.messageBox = [](const std::string& text, MessageIcon, MessageButtons) {
    if (text.rfind("Game over", 0) == 0) underTheBox = window->shownScore().score;
    return true;
  };
  w.click(2, 2);
  w.click(4, 4);
  EXPECT_EQ(underTheBox, "1-0");
}

TEST(EvaluationInTheWindow, TheLineBreaksBetweenMovesNeverInsideOne) {
  QFont font;
  font.setPixelSize(15);
  const QFontMetrics metrics(font);
  const QString line = "c7-b6 d2-c3 b6-a5 e3-d4 a5:c3:e1 f2-g3";
  for (int width = metrics.horizontalAdvance("c7-b6"); width < 200; width += 7) {
    const QStringList lines = wrapBetweenWords(line, metrics, width);
    EXPECT_EQ(lines.join(' '), line) << width;
    for (const QString& l : lines) {
      EXPECT_FALSE(l.endsWith('-') || l.startsWith('-')) << width << " " << l.toStdString();
      if (l.contains(' ')) {
        EXPECT_LE(metrics.horizontalAdvance(l), width) << width;
      }
    }
  }
}

TEST(EvaluationInTheWindow, AScoreArrivingUnderAModalWindowWaitsForItToClose) {
  Window w;
  commandAction(w.window.get(), CmdEvaluation)->trigger();
  ASSERT_TRUE(scoreShown(w));
  w.play("c3-d4");
  bool foundUnderTheDialog = true;
  int waited = 0;
  QTimer::singleShot(0, [&] {
    QDialog dialog(w.window.get());
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      // The search's answer and its end wait behind the dialog.
      if (w.window->turn().waitingEvents() < 2) return;
      waited = w.window->turn().waitingEvents();
      foundUnderTheDialog = w.window->shownScore().found;
      dialog.reject();
    });
    poll.start(10);
    QTimer::singleShot(30000, &dialog, &QDialog::reject);
    dialog.exec();
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return waited > 0; }, 40000));
  EXPECT_FALSE(foundUnderTheDialog);
  EXPECT_TRUE(scoreShown(w));
}

TEST(EvaluationInTheWindow, ApplyInTheAppearanceDialogStartsNoSearchUntilTheDialogCloses) {
  Window w;
  commandAction(w.window.get(), CmdEvaluation)->trigger();
  ASSERT_TRUE(scoreShown(w));
  // A move the window has not followed yet: its next refresh searches anew.
  ASSERT_TRUE(playMoveText(*w.game, "c3-d4"));
  refreshListing(w.listing, *w.game, w.game->plyCount);
  const QStringList linesBefore = w.lines();
  bool applied = false, scoreUnderTheDialog = false;
  QStringList linesUnderTheDialog;
  QTimer::singleShot(100, [&] {
    auto* dialog = qobject_cast<AppearanceDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialog->findChild<QPushButton*>("id6")->click();  // Apply
    applied = true;
    scoreUnderTheDialog = w.window->shownScore().found;
    linesUnderTheDialog = w.lines();
    dialog->reject();
  });
  w.window->dispatch(CmdAppearance);
  ASSERT_TRUE(applied);
  EXPECT_TRUE(scoreUnderTheDialog);  // the old score still stands: no search began
  EXPECT_EQ(linesUnderTheDialog, linesBefore);
  settle();
  EXPECT_EQ(w.lines().size(), linesBefore.size() + 1);
  ASSERT_TRUE(scoreShown(w));
  EXPECT_EQ(w.game->sideToMove(), Black);
}

TEST(EvaluationInTheWindow, ClosingTheWindowAbandonsTheSearch) {
  Window w;
  commandAction(w.window.get(), CmdEvaluation)->trigger();
  ASSERT_TRUE(scoreShown(w));
  w.play("c3-d4");
  w.window->close();
  EXPECT_FALSE(w.window->isVisible());
  QTest::qWait(600);  // longer than the search would have taken
  EXPECT_FALSE(w.window->shownScore().found);
}

// An American game in which Black's eighth move, h4-g3, gives a man away.
void playTheBlunderGame(Window& w) {
  for (const char* text : {"c3-d4", "f6-g5", "b2-c3", "g5-h4", "d4-e5", "d6:f4", "g3:e5", "h4-g3", "h2:f4"})
    w.play(text);
}

TEST(AnalysisInTheWindow, MarksTheBlunderInTheListingBoxAndNotInTheGamesText) {
  Window w;
  playTheBlunderGame(w);
  const std::vector<std::string> text = w.listing.lines;
  QAction* analyse = commandAction(w.window.get(), CmdAnalyse);
  ASSERT_TRUE(analyse && analyse->isEnabled());
  analyse->trigger();
  EXPECT_TRUE(w.window->analysing());
  EXPECT_TRUE(w.window->windowTitle().startsWith("Velmora [Analysing "));
  EXPECT_FALSE(w.window->gameCommandsEnabled());
  // Meanwhile what would change the game waits; help, the view and copying
  // the position do not.
  for (Command c : {CmdNew, CmdLoad, CmdSave, CmdTakeBack, CmdHint, CmdSetUp, CmdPasteFen})
    EXPECT_FALSE(commandAction(w.window.get(), c)->isEnabled()) << c;
  for (Command c : {CmdRules, CmdUserManual, CmdAbout, CmdAppearance, CmdEvaluation, CmdCopyFen})
    EXPECT_TRUE(commandAction(w.window.get(), c)->isEnabled()) << c;
  QGuiApplication::clipboard()->clear();
  commandAction(w.window.get(), CmdCopyFen)->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
            writeFen(*w.game, w.listing.sideToMoveAt(w.listing.shownMoves())));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !w.window->analysing(); }, 60000));
  EXPECT_EQ(w.window->windowTitle(), "Velmora");
  EXPECT_TRUE(w.window->gameCommandsEnabled());

  const QStringList lines = w.lines();
  ASSERT_EQ(lines.size(), 10);
  EXPECT_EQ(lines[8], QString::fromStdString(text[8]) + "??");
  EXPECT_EQ(w.listing.lines, text);  // what is saved and printed has no marks
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("Black: "), std::string::npos);
  EXPECT_NE(messages[0].find("1 blunders (?\?)"), std::string::npos);
  w.window->grab().save("screenshots/analysis-marks.png");

  // A game that is no longer the one analysed loses the marks from where it changed.
  w.game->plyCount = 7;
  refreshListing(w.listing, *w.game, 7);
  w.window->refresh();
  w.play("e7-f6");
  EXPECT_FALSE(w.lines().join("").contains("??"));
}

TEST(AnalysisInTheWindow, EscapeCancelsAndKeepsWhatWasDone) {
  Window w;
  playTheBlunderGame(w);
  commandAction(w.window.get(), CmdAnalyse)->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.window->windowTitle().contains("[Analysing 2/"); }, 20000));
  QTest::keyPress(w.window.get(), Qt::Key_Escape);
  QTest::keyRelease(w.window.get(), Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !w.window->analysing(); }, 20000));
  EXPECT_EQ(w.window->windowTitle(), "Velmora");
  EXPECT_TRUE(messages.empty());  // cancelled: no summary
  EXPECT_TRUE(w.window->gameCommandsEnabled());
  EXPECT_EQ(w.lines().size(), 10);
}

}  // namespace
}  // namespace velmora
