// The window on Qt's offscreen platform: playing by clicks and drags,
// stepping through the listing, painted pixels, and the single instance.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QTimer>
#include <QToolBar>
#include <cstdint>
#include <memory>

#include "core/game/game_state.h"
#include "core/game/help.h"
#include "core/game/mouse_entry.h"
#include "core/game/settings.h"
#include "core/platform/host.h"
#include "core/records/listing.h"
#include "core/records/saved_game.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "core/view/appearance.h"
#include "core/view/layout.h"
#include "shell/board_widget.h"
#include "shell/dialogs/load_game_dialog.h"
#include "shell/dialogs/new_game_dialog.h"
#include "shell/dialogs/save_game_dialog.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/paint/manual_diagram.h"
#include "shell/paint/renderer.h"
#include "shell/paint/skins.h"
#include "shell/system/host_qt.h"
#include "shell/system/single_instance.h"
#include "shell/window_placement.h"
#include "tests/shell/window_test_support.h"

namespace velmora {
namespace {

using test::answerYes;
using test::messages;
using test::settle;
using test::whenOpen;
using test::Window;

TEST(Shell, WindowHasTheWholeMenu) {
  Window w(American);
  QStringList titles;
  for (QAction* a : w.window->menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{"&Game", "&Customize", "&Help"}));
  for (Command id : {CmdNew, CmdLoad, CmdSave, CmdNetwork, CmdPrintListing, CmdPrintBoard, CmdPrintMiniBoard, CmdExit,
                     CmdAppearance, CmdSound, CmdRules, CmdUserManual, CmdAbout, CmdHomePage})
    EXPECT_NE(test::commandAction(w.window.get(), id), nullptr) << id;
  EXPECT_EQ(w.window->windowTitle(), "Velmora");
}

TEST(Shell, GamePlayedByClicksAndDrags) {
  Window w(American);
  w.click(2, 2);  // c3
  w.click(3, 3);  // d4
  EXPECT_EQ(w.lines(), (QStringList{" 0.", " 1. c3-d4"}));
  w.drag(5, 5, 4, 4);  // f6-e5
  EXPECT_EQ(w.lines(), (QStringList{" 0.", " 1. c3-d4", "        f6-e5"}));
  w.click(3, 3);  // d4 must take e5
  w.click(5, 5);
  EXPECT_EQ(w.lines().last(), " 2. d4:f6");
  EXPECT_EQ(w.game->board[5][5].kind, Man);
  EXPECT_EQ(w.game->board[4][4].kind, Empty);
  w.save("american-after-capture");
}

TEST(Shell, ArrowKeysStepBackAndPlayingCutsTheGame) {
  Window w(American);
  w.click(2, 2);
  w.click(3, 3);
  w.click(5, 5);
  w.click(4, 4);
  ASSERT_EQ(w.lines().size(), 3);
  QTest::keyClick(w.window.get(), Qt::Key_Up);
  QTest::keyClick(w.window.get(), Qt::Key_Up);
  settle();
  EXPECT_EQ(w.listing.selected, 0);
  EXPECT_EQ(w.game->board[2][2].kind, Man);  // the start position again
  EXPECT_EQ(w.game->board[3][3].kind, Empty);
  w.click(0, 2);  // a3-b4 from the start
  w.click(1, 3);
  EXPECT_EQ(w.lines(), (QStringList{" 0.", " 1. a3-b4"}));
}

TEST(Shell, PaintedSquaresFollowTheSkin) {
  Window w(American);
  w.click(2, 2);  // pick up c3: its square highlighted, b4 and d4 marked
  const QImage picture = w.board()->grab().toImage();
  const QImage skin = w.board()->skins().full;
  const auto tilePixel = [&](int column, int row) { return skin.pixel(column * 64 + 2, row * 64 + 2); };
  const auto squarePixel = [&](int x, int y) {
    const QPoint c = w.centre(x, y);
    return picture.pixel(c.x() - 30, c.y() - 30);
  };
  EXPECT_EQ(squarePixel(0, 0), tilePixel(1, 1));  // a dark square with a white man
  EXPECT_EQ(squarePixel(1, 0), tilePixel(0, 4));  // an empty light square
  EXPECT_EQ(squarePixel(1, 3), tilePixel(0, 0));  // b4: destination marker on a dark square
  w.save("american-piece-picked-up");
}

TEST(Shell, EveryWayOfClosingAsksToSaveAChangedGame) {
  for (int route = 0; route < 2; ++route) {
    messages.clear();
    Window w(American);
    w.click(2, 2);
    w.click(3, 3);
    if (route == 0)
      w.window->close();
    else
      w.window->dispatch(CmdExit);  // Exit
    EXPECT_EQ(messages, (std::vector<std::string>{"Save current game?"}));
    EXPECT_FALSE(w.window->isVisible());  // answered No: the game is let go and the window closes
  }
  messages.clear();
  Window fresh(American);
  fresh.window->dispatch(CmdExit);
  EXPECT_TRUE(messages.empty());  // nothing played, nothing to ask
  // A game received over the network counts as changed before its first
  // move; with no move from the variant's start it holds nothing to save.
  Window received(American);
  received.game->gameModified = 1;
  messages.clear();
  received.window->dispatch(CmdExit);
  EXPECT_TRUE(messages.empty());
  // Alt+F4 belongs to the window manager: the menu shows it but binds nothing.
  QAction* exit = test::commandAction(fresh.window.get(), CmdExit);
  ASSERT_NE(exit, nullptr);
  EXPECT_TRUE(exit->shortcut().isEmpty());
  EXPECT_TRUE(exit->text().endsWith("Alt+F4"));
}

TEST(Shell, PrintingAnEmptyListingSaysSo) {
  messages.clear();
  Window w(American);
  w.window->dispatch(CmdPrintListing);
  EXPECT_EQ(messages, (std::vector<std::string>{"The listing is empty."}));
}

TEST(Shell, EveryMenuItemCanBeChosen) {
  Window w(American);
  for (Command id :
       {CmdNew,         CmdLoad,      CmdSave,      CmdNetwork,    CmdPrintListing, CmdPrintBoard, CmdPrintMiniBoard,
        CmdExportBoard, CmdExportPdn, CmdImportPdn, CmdCopyFen,    CmdPasteFen,     CmdOneClick,   CmdExit,
        CmdAppearance,  CmdSound,     CmdRules,     CmdUserManual, CmdAbout,        CmdHomePage})
    EXPECT_TRUE(test::commandAction(w.window.get(), id)->isEnabled()) << id;
  // Continue game only while a game is stopped.
  EXPECT_FALSE(test::commandAction(w.window.get(), CmdContinue)->isEnabled());
}

TEST(Shell, TakeBackAndPlayOnStepThroughTheGame) {
  Window w(American);
  QAction* back = test::commandAction(w.window.get(), CmdTakeBack);
  QAction* on = test::commandAction(w.window.get(), CmdPlayOn);
  EXPECT_FALSE(back->isEnabled());
  w.click(2, 2);  // c3-d4
  w.click(3, 3);
  w.click(5, 5);  // f6-e5
  w.click(4, 4);
  EXPECT_TRUE(back->isEnabled());
  EXPECT_FALSE(on->isEnabled());
  QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier);  // two humans: one move back
  EXPECT_EQ(w.listing.selected, 1);
  EXPECT_EQ(w.game->board[5][5].kind, Man);  // f6 back in its place
  EXPECT_TRUE(on->isEnabled());
  QTest::keyClick(w.window.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(w.listing.selected, 2);
  EXPECT_EQ(w.game->board[4][4].kind, Man);
  w.window->dispatch(CmdTakeBack);
  w.click(7, 5);  // h6-g5 replaces f6-e5
  w.click(6, 4);
  EXPECT_EQ(w.lines(), (QStringList{" 0.", " 1. c3-d4", "        h6-g5"}));
  EXPECT_FALSE(on->isEnabled());
}

TEST(Shell, OneClickMovesAndRefusedClicksSayWhy) {
  Window w(American);
  w.window->dispatch(CmdOneClick);  // on, as it is by default
  EXPECT_TRUE(test::commandAction(w.window.get(), CmdOneClick)->isChecked());
  w.click(0, 2);  // a3 has one move
  EXPECT_EQ(w.lines(), (QStringList{" 0.", " 1. a3-b4"}));
  w.click(2, 2);  // White's man, Black to move
  EXPECT_EQ(w.window->windowTitle(), "Velmora - Black is to move");
  w.click(7, 5);  // h6 has one move; the title is plain again
  EXPECT_EQ(w.lines().last(), "        h6-g5");
  EXPECT_EQ(w.window->windowTitle(), "Velmora");
  w.window->dispatch(CmdOneClick);
  EXPECT_EQ(entrySettings.oneClick, 0);
}

TEST(Shell, MultipleCaptureChosenByWaypoints) {
  Window w(International);
  // White king a3 takes the four men round the diamond either way round.
  readPosition(
      "W:........../........../........../........../........../........../.b.b....../W........./.b.b....../..........",
      International, *w.game);
  w.game->plyCount = 0;
  resetListing(w.listing);
  w.window->refresh();
  w.click(0, 2);
  w.click(2, 4);  // c5: a waypoint of the first way round
  QTest::mouseMove(w.board(), w.centre(1, 5));
  settle();
  w.save("international-capture-path-being-chosen");
  EXPECT_NE(w.game->marks[4][2].selected, 0);
  w.click(4, 2);
  w.click(2, 0);
  w.click(0, 2);
  // Both ways round pass the same squares: the order of the clicks says
  // which way the player meant.
  EXPECT_EQ(w.lines().last(), " 1. a3:c5:e3:c1:a3");
}

TEST(Shell, CircuitsAndShorterCapturesOnALongerPathAreEnteredByClicks) {
  Window gothic(Gothic);
  readPosition("W:......../......../......../......../......../......../bb....../Wb......", Gothic, *gothic.game);
  gothic.game->plyCount = 0;
  resetListing(gothic.listing);
  gothic.window->refresh();
  gothic.click(0, 0);
  gothic.click(0, 2);  // a3, then c1: the way round by a3 first
  gothic.click(2, 0);
  gothic.save("gothic-circuit-being-entered");
  gothic.click(0, 0);  // the king itself ends the circuit
  EXPECT_EQ(gothic.lines().last(), " 1. a1:a3:c1:a1");

  // Russian: c3 ends a capture and lies on longer ones; the first click
  // marks it, the second plays the capture that ends there.
  Window russian(Russian);
  readPosition("W:......../......../.b.b..../......../.b.b..../......../.b....../w.......", Russian, *russian.game);
  russian.game->plyCount = 0;
  resetListing(russian.listing);
  russian.window->refresh();
  russian.click(0, 0);
  russian.click(2, 2);
  EXPECT_EQ(russian.lines().size(), 1);
  EXPECT_NE(russian.game->marks[2][2].selected, 0);
  russian.save("russian-shorter-capture-marked");
  russian.click(2, 2);
  EXPECT_EQ(russian.lines().last(), " 1. a1:c3");
}

TEST(Shell, NewGameDialogStartsTheChosenGame) {
  Window w(American);
  messages.clear();
  whenOpen<NewGameDialog>([](NewGameDialog* d) {
    d->findChild<QComboBox*>("id1011")->setCurrentIndex(ChooseHuman);
    d->findChild<QComboBox*>("id1014")->setCurrentIndex(ChooseHuman);
    EXPECT_FALSE(d->findChild<QGroupBox*>("id1016")->isEnabled());
    d->findChild<QLineEdit*>("id1012")->setText("Computer");
    d->findChild<QPushButton*>("id1")->click();  // refused: the dialog stays
    d->findChild<QLineEdit*>("id1012")->setText("Anna");
    d->findChild<QLineEdit*>("id1015")->setText("Bert");
    d->findChild<QComboBox*>("id1019")->setCurrentIndex(Frisian);
    d->findChild<QCheckBox*>("id1033")->setChecked(true);
    d->grab().save("screenshots/new-game-dialog.png");
    d->findChild<QPushButton*>("id1")->click();
  });
  w.window->dispatch(CmdNew);
  EXPECT_EQ(messages, (std::vector<std::string>{"Please enter any other name (WHITE SIDE)"}));
  EXPECT_EQ(w.game->gameType, Frisian);
  EXPECT_EQ(w.game->giveAway, 1);
  EXPECT_STREQ(w.game->players[White].name, "Anna");
  EXPECT_EQ(w.lines(), (QStringList{" 0."}));
  const int cell = w.board()->cell();  // the test screen may not hold 64-pixel squares
  EXPECT_EQ(w.board()->minimumSize(), QSize(10 * cell + 220, 10 * cell + 40));
  w.save("frisian-give-away-new-game");

  // Cancel changes nothing.
  whenOpen<NewGameDialog>([](NewGameDialog* d) { d->reject(); });
  w.window->dispatch(CmdNew);
  EXPECT_EQ(w.game->gameType, Frisian);
}

TEST(Shell, NewGameDialogOffersTheFederationsRulesWhereAVariantHasThem) {
  Window w(American);
  whenOpen<NewGameDialog>([](NewGameDialog* d) {
    d->findChild<QComboBox*>("id1011")->setCurrentIndex(ChooseHuman);
    d->findChild<QComboBox*>("id1014")->setCurrentIndex(ChooseHuman);
    d->findChild<QLineEdit*>("id1012")->setText("Anna");
    d->findChild<QLineEdit*>("id1015")->setText("Bert");
    QCheckBox* official = d->findChild<QCheckBox*>("officialRules");
    EXPECT_FALSE(official->isChecked());  // off by default
    d->findChild<QComboBox*>("id1019")->setCurrentIndex(Turkish);
    EXPECT_FALSE(official->isEnabled());
    d->findChild<QComboBox*>("id1019")->setCurrentIndex(Russian);
    EXPECT_TRUE(official->isEnabled());
    official->setChecked(true);
    d->findChild<QPushButton*>("id1")->click();
  });
  w.window->dispatch(CmdNew);
  EXPECT_EQ(w.game->gameType, Russian);
  EXPECT_EQ(w.game->officialRules, 1);
  EXPECT_EQ(w.window->windowTitle(), "Velmora - Official rules");
  w.save("russian-official-rules-new-game");

  // The next game by the classic rules: the title is the plain one again.
  whenOpen<NewGameDialog>([](NewGameDialog* d) {
    EXPECT_TRUE(d->findChild<QCheckBox*>("officialRules")->isChecked());  // remembered
    d->findChild<QCheckBox*>("officialRules")->setChecked(false);
    d->findChild<QPushButton*>("id1")->click();
  });
  w.window->dispatch(CmdNew);
  EXPECT_EQ(w.game->officialRules, 0);
  EXPECT_EQ(w.window->windowTitle(), "Velmora");
}

TEST(Shell, ComputerAgainstComputerInTheWindow) {
  Window w(American);
  whenOpen<NewGameDialog>([](NewGameDialog* d) {
    d->findChild<QComboBox*>("id1011")->setCurrentIndex(ChooseComputer);
    d->findChild<QComboBox*>("id1014")->setCurrentIndex(ChooseComputer);
    d->findChild<QComboBox*>("id1017")->setCurrentIndex(0);
    d->findChild<QComboBox*>("id1019")->setCurrentIndex(Russian);
    d->findChild<QPushButton*>("id1")->click();
  });
  w.window->dispatch(CmdNew);
  ASSERT_EQ(w.game->gameRunning, 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.game->gameRunning == 0; }, 120000));
  EXPECT_GT(w.lines().size(), 10);
  EXPECT_FALSE(messages.empty());  // the result was announced
  EXPECT_EQ(w.window->windowTitle(), "Velmora");
  EXPECT_TRUE(w.window->isEnabled());
  w.save("russian-computer-against-computer");
}

TEST(Shell, TheSaveNamesDateKeepsItsMonthInEveryLocale) {
  const QDate day(2026, 12, 7);
  // The C locale writes month names, which became underscores.
  EXPECT_EQ(proposedSaveName(GameState{}, numericShortDate(QLocale::c(), day).toStdString()),
            "[Player 1]-[Player 2]-[7_12_2026]-[RULES-American]");
  for (const char* name : {"de_DE", "en_US", "ru_RU", "fr_FR", "nl_NL"}) {
    const std::string date = numericShortDate(QLocale(name), day).toStdString();
    EXPECT_NE(date.find("12"), std::string::npos) << name << " " << date;
  }
}

TEST(Shell, ALongMoveInAWideFontScrollsRatherThanBeingCut) {
  appearance.fontFace = "DejaVu Sans Mono";
  Window w(International);
  w.window->refresh();  // the box takes the font
  // Enough lines for the vertical scroll bar, which narrows the lines'
  // room; Black's moves stand eight spaces in.
  w.listing.lines = {" 0."};
  for (int i = 1; i <= 20; ++i) {
    w.listing.lines.push_back(" " + std::to_string(i) + ". h10-a3");
    w.listing.lines.push_back("        h10-a3");
  }
  w.listing.selected = 40;
  w.window->refresh();
  settle();
  QListWidget* box = w.board()->listingBox();
  const QFontMetrics metrics(boardFont(appearance));
  for (int i = 0; i < box->count(); ++i) {
    const QString text = box->item(i)->text();
    EXPECT_GE(box->visualItemRect(box->item(i)).width(), metrics.horizontalAdvance(text)) << text.toStdString();
  }
  EXPECT_GT(box->horizontalScrollBar()->maximum(), 0);
  w.save("listing-wide-font");
  appearance = defaultAppearance;
}

TEST(Shell, ALargerBoardKeepsTheWindowOnItsScreenAndASmallerOneShrinksIt) {
  Window w(American);
  const QRect screen = w.window->screen()->availableGeometry();
  QSize international;
  // The 8 x 8 window low on the screen, its bottom at the screen's.
  w.window->move(screen.left(), screen.bottom() + 1 - w.window->frameGeometry().height());
  settle();
  for (GameType type : {Canadian, International, American}) {
    whenOpen<NewGameDialog>([type](NewGameDialog* d) {
      d->findChild<QComboBox*>("id1011")->setCurrentIndex(ChooseHuman);
      d->findChild<QComboBox*>("id1014")->setCurrentIndex(ChooseHuman);
      d->findChild<QLineEdit*>("id1012")->setText("Ann");
      d->findChild<QLineEdit*>("id1015")->setText("Bob");
      d->findChild<QComboBox*>("id1019")->setCurrentIndex(type);
      d->findChild<QPushButton*>("id1")->click();
    });
    w.window->dispatch(CmdNew);
    settle();
    EXPECT_EQ(w.game->gameType, type);
    EXPECT_TRUE(screen.contains(w.window->frameGeometry()))
        << gameTypeName(type) << " " << w.window->frameGeometry().y() << "+" << w.window->frameGeometry().height()
        << " on " << screen.height();
    if (type == International) international = w.window->size();
  }
  // Back to 8 x 8, the window is the 8 x 8 layout's again, not the 10 x 10 one's.
  EXPECT_LT(w.window->size().width(), international.width());
  EXPECT_EQ(w.window->size(), w.board()->layoutSize() + windowChrome(*w.window));
}

TEST(Shell, PauseHoldsAGameOfTwoComputersAfterTheMove) {
  Window w(American);
  QAction* pause = test::commandAction(w.window.get(), CmdPause);
  EXPECT_FALSE(pause->isEnabled());  // two humans: nothing runs by itself
  whenOpen<NewGameDialog>([](NewGameDialog* d) {
    d->findChild<QComboBox*>("id1011")->setCurrentIndex(ChooseComputer);
    d->findChild<QComboBox*>("id1014")->setCurrentIndex(ChooseComputer);
    d->findChild<QComboBox*>("id1017")->setCurrentIndex(0);
    d->findChild<QPushButton*>("id1")->click();
  });
  w.window->dispatch(CmdNew);
  ASSERT_TRUE(pause->isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.listing.moveCount() >= 2 && w.game->thinking; }, 60000));
  // While the computer thinks the menu is greyed, but the key is taken.
  EXPECT_FALSE(w.window->gameCommandsEnabled());
  QTest::keyClick(w.window.get(), Qt::Key_P);
  EXPECT_TRUE(pause->isChecked());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !w.game->thinking && !w.game->showingMove; }, 60000));
  const int held = w.listing.moveCount();
  QTest::qWait(600);
  EXPECT_EQ(w.listing.moveCount(), held);
  EXPECT_TRUE(pause->isChecked());
  EXPECT_EQ(w.window->windowTitle(), "Velmora - Paused");
  w.window->dispatch(CmdPause);
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.listing.moveCount() > held || !w.game->gameRunning; }, 60000));
  EXPECT_FALSE(pause->isChecked());
}

TEST(Shell, EscapeHeldWhileTheComputerThinksAsksToBreak) {
  Window w(American);
  w.game->players[Black].type = ComputerPlayer;
  w.game->searchDepth = 2;
  w.click(2, 2);
  w.click(3, 3);
  messages.clear();
  QTest::keyPress(w.window.get(), Qt::Key_Escape);  // held down, not yet released
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.lines().size() == 3; }, 20000));
  QTest::keyRelease(w.window.get(), Qt::Key_Escape);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.front(), "Break AI move. Are you sure?");  // answered No: the move was still made
  EXPECT_EQ(w.game->gameRunning, 1);
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST(Shell, CaptureIsShownStepByStepWhileTheWindowPaints) {
  Window w(American);
  host.after = [](int ms, std::function<void()> then) { QTimer::singleShot(ms / 5, std::move(then)); };
  // c1 takes d2, f4 and f6, landing on e3, g5 and e7.
  readPosition("W:......../......../.....b../......../.....b../......../...b..../..w.....", American, *w.game);
  w.game->plyCount = 0;
  resetListing(w.listing);
  w.window->refresh();
  PaintCounter counter;
  w.board()->installEventFilter(&counter);
  w.click(2, 0);
  w.click(4, 6);
  ASSERT_EQ(w.game->showingMove, 1);  // the click returned with the capture under way
  w.click(4, 6);                      // input to the board is ignored meanwhile
  EXPECT_FALSE(findSelectedPiece(*w.game).has_value());
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.game->showingMove == 0; }, 20000));
  EXPECT_GE(counter.paints, 3);
  EXPECT_EQ(w.lines().last(), " 1. c1:e3:g5:e7");
  EXPECT_EQ(writePosition(*w.game), "B:......../....w.../......../......../......../......../......../........");
}

TEST(Shell, ClosingDuringACaptureShowsItWhole) {
  Window w(American);
  host.after = [](int, std::function<void()> then) { QTimer::singleShot(60000, std::move(then)); };
  readPosition("W:......../......../.....b../......../.....b../......../...b..../..w.....", American, *w.game);
  w.game->plyCount = 0;
  resetListing(w.listing);
  w.click(2, 0);
  w.click(4, 6);
  ASSERT_EQ(w.game->showingMove, 1);
  w.window->close();
  EXPECT_FALSE(w.window->isVisible());
  EXPECT_EQ(w.game->showingMove, 0);
  EXPECT_EQ(writePosition(*w.game), "B:......../....w.../......../......../......../......../......../........");
}

TEST(Shell, AMovedPieceGlidesToItsSquareUnlessTheSettingsSayNo) {
  Window w(American);
  appearance.slideMoves = 1;
  w.board()->repaint();
  w.play("c3-d4");
  w.board()->repaint();
  ASSERT_TRUE(w.board()->sliding());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !w.board()->sliding(); }, 20000));
  // The game did not wait for the picture: the move is played, the listing has it.
  EXPECT_EQ(w.listing.moveCount(), 1);
  // A loaded position changes the whole board: nothing glides.
  readPosition("W:......../......../......../......../......../......../......../b.......", American, *w.game);
  w.board()->repaint();
  EXPECT_FALSE(w.board()->sliding());
  w.start(American, ChooseHuman, ChooseHuman);
  w.board()->repaint();
  appearance.slideMoves = 0;
  w.play("c3-d4");
  w.board()->repaint();
  EXPECT_FALSE(w.board()->sliding());
}

TEST(Shell, SquareNumbersAreDrawnForTheVariantsThatNumberTheirSquares) {
  for (const GameType type : {American, International, Russian}) {
    Window w(type);
    const QImage plain = w.board()->grab().toImage();
    appearance.showSquareNumbers = 1;
    const QImage numbered = w.board()->grab().toImage();
    if (type == Russian) {
      EXPECT_EQ(numbered, plain) << "Russian names its squares a1 to h8";
    } else {
      EXPECT_NE(numbered, plain) << gameTypeName(type);
    }
    if (type == International) numbered.save("screenshots/international-square-numbers.png");
  }
}

TEST(Shell, TheToolbarHoldsTheCommonCommandsWithTheirKeysAndTheStatusLineFollowsTheGame) {
  Window w(American);
  auto* bar = w.window->findChild<QToolBar*>("toolBar");
  ASSERT_NE(bar, nullptr);
  QStringList tips;
  for (QAction* a : bar->actions()) tips << a->toolTip();
  EXPECT_EQ(tips, (QStringList{"New (Ctrl+N)", "Take back (Ctrl+Z)", "Hint (Ctrl+H)", "Flip board (Ctrl+F)",
                               "Save (Ctrl+S)", "Load (Ctrl+L)", "Pause (P)"}));
  // The toolbar's buttons are the menu's commands: greyed as they are.
  EXPECT_EQ(bar->actions()[1], test::commandAction(w.window.get(), CmdTakeBack));
  EXPECT_FALSE(bar->actions()[1]->isEnabled());

  EXPECT_EQ(w.board()->status(), "White to move");
  w.play("c3-d4");
  w.play("f6-e5");
  EXPECT_EQ(w.board()->status(), "White must capture");
  // Flip turns the board round and back.
  test::commandAction(w.window.get(), CmdFlip)->trigger();
  EXPECT_EQ(appearance.whiteOnTop, 1);
  test::commandAction(w.window.get(), CmdFlip)->trigger();
  EXPECT_EQ(appearance.whiteOnTop, 0);
}

TEST(Shell, ComputerThinksOnAWorkerWhileTheWindowPaints) {
  Window w(Canadian);  // 12 x 12 at "Above normal", six flying kings a side: a long think
  readPosition(
      std::string("B:.B.B.B.B.B.B/") +
          [] {
            std::string rows;
            for (int r = 0; r < 10; ++r) rows += "............/";
            return rows;
          }() +
          "W.W.W.W.W.W.",
      Canadian, *w.game);
  refreshListing(w.listing, *w.game, 0);
  w.game->players[Black].type = ComputerPlayer;
  w.game->searchDepth = 4;
  w.game->gameRunning = 1;
  w.window->refresh();
  PaintCounter counter;
  w.board()->installEventFilter(&counter);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.game->thinking == 1; }, 20000));
  EXPECT_FALSE(w.window->gameCommandsEnabled());
  EXPECT_FALSE(w.board()->isEnabled());
  const int before = counter.paints;
  w.window->dispatch(CmdNew);  // New game: refused while the computer thinks, no dialog opens
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.window->windowTitle().startsWith("Velmora ["); }, 20000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > before; }, 20000));  // the progress repaints the window
  ASSERT_EQ(w.game->thinking, 1);
  // Closing abandons the search at once: no move is played.
  w.window->close();
  EXPECT_EQ(w.game->thinking, 0);
  EXPECT_EQ(w.listing.moveCount(), 0);
  EXPECT_FALSE(w.window->isVisible());
  EXPECT_EQ(w.window->windowTitle(), "Velmora");
}

TEST(Shell, BreakQuestionIsCaptionedPlainlyAndEscapeDoesNotAnswerIt) {
  Window w(International, test::Boxes::Real);
  w.game->players[Black].type = ComputerPlayer;
  w.game->searchDepth = 4;
  w.playLegal(0);
  QString caption;
  bool stillOpenAfterEscape = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll.stop();
    caption = box->windowTitle();
    QTest::keyClick(box, Qt::Key_Escape);  // the held key repeating
    stillOpenAfterEscape = box->isVisible();
    box->button(QMessageBox::Yes)->click();
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.game->thinking == 1; }, 20000));
  poll.start(10);
  QTest::keyPress(w.window.get(), Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.game->thinking == 0; }, 20000));
  QTest::keyRelease(w.window.get(), Qt::Key_Escape);
  EXPECT_EQ(caption, "Velmora");
  EXPECT_TRUE(stillOpenAfterEscape);
  EXPECT_EQ(w.game->gameRunning, 0);  // broken off: no move, the game stopped
  EXPECT_EQ(w.lines().size(), 2);
  EXPECT_EQ(w.window->windowTitle(), "Velmora");
  EXPECT_TRUE(w.window->gameCommandsEnabled());
}

TEST(Shell, NewGameDialogOffersTheExpertWithATimeAMove) {
  NewGameChoice initial;
  initial.level = 1;
  initial.expert = true;
  initial.moveTimeMs = 5000;
  NewGameDialog dialog(initial, builtInSkin(0), nullptr);
  auto* level = dialog.findChild<QComboBox*>("id1017");
  auto* time = dialog.findChild<QComboBox*>("expertMoveTime");
  ASSERT_TRUE(level && time);
  EXPECT_EQ(level->count(), 4);
  EXPECT_EQ(level->currentText(), "Expert");
  QStringList times;
  for (int i = 0; i < time->count(); ++i) times << time->itemText(i);
  EXPECT_EQ(times, (QStringList{"0.2 s", "1 s", "5 s", "15 s"}));
  EXPECT_EQ(time->currentText(), "5 s");
  EXPECT_TRUE(time->isEnabled());
  dialog.grab().save("screenshots/new-game-dialog-expert.png");
  NewGameChoice c = dialog.choice();
  EXPECT_TRUE(c.expert);
  EXPECT_EQ(c.level, 1);  // the level stays as it was, for the saved game
  EXPECT_EQ(c.moveTimeMs, 5000);

  level->setCurrentIndex(2);
  EXPECT_FALSE(time->isEnabled());
  c = dialog.choice();
  EXPECT_FALSE(c.expert);
  EXPECT_EQ(c.level, 2);

  // A time the dialog does not offer shows as the default, one second.
  initial.moveTimeMs = 3000;
  NewGameDialog other(initial, builtInSkin(0), nullptr);
  EXPECT_EQ(other.findChild<QComboBox*>("expertMoveTime")->currentText(), "1 s");
}

TEST(Shell, FixedSizeDialogsHaveNoMaximiseButton) {
  NewGameDialog dialog(NewGameChoice{}, builtInSkin(0), nullptr);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(dialog.layout()->sizeConstraint(), QLayout::SetFixedSize);
}

TEST(Shell, UserSkinOfTheWrongSizeFallsBackToTheDefault) {
  QDir().mkpath("SKIN");
  QImage(100, 100, QImage::Format_RGB32).save("SKIN/tiny.bmp");
  appearance.skinName = "tiny";
  appearance.inkColour = 0x123456;
  const QImage skin = loadSkin("tiny", 3);
  EXPECT_EQ(skin.size(), QSize(384, 448));
  EXPECT_TRUE(appearance.skinName.empty());
  EXPECT_EQ(appearance.inkColour, defaultAppearance.inkColour);
  QFile::remove("SKIN/tiny.bmp");
  appearance = defaultAppearance;
}

TEST(Shell, WindowHasAnIcon) {
  Window w(American);
  EXPECT_FALSE(w.window->windowIcon().isNull());
  EXPECT_FALSE(w.window->windowIcon().pixmap(32).isNull());
}

TEST(Shell, HelpOpensThePageOfEachTopic) {
  Window w(American);
  static std::vector<std::string> opened;
  opened.clear();
  host.openDocument = [](const std::string& path) { opened.push_back(path); };
  setManualDirectory("manual");
  w.window->dispatch(CmdUserManual);
  w.window->dispatch(CmdRules);
  EXPECT_EQ(opened, (std::vector<std::string>{"manual/index.html", "manual/rules.html"}));
  EXPECT_EQ(helpPage(HelpAppearance), "manual/appearance.html");
  EXPECT_EQ(helpPage(HelpNetwork), "manual/network.html");
}

TEST(Shell, HelpIsShownInAWindowOfItsOwnWithoutABrowser) {
  Window w(American);
  installQtHost(w.window->hostWindow());  // the real way pages open
  setManualDirectory(QDir(VELMORA_MEDIA_DIR "/../manual").absolutePath().toStdString());
  w.window->dispatch(CmdRules);
  settle();
  HelpWindow* help = w.window->helpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_TRUE(help->currentPage().endsWith("/rules.html")) << help->currentPage().toStdString();
  auto* browser = help->findChild<QTextBrowser*>();
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->toPlainText().contains("Frisian"));
  w.save("help-window-rules");
  browser->scrollToAnchor("international");  // the diagrams of the larger boards, their captions under them
  help->grab().save("screenshots/help-window-rules.png");
  w.window->dispatch(CmdUserManual);
  settle();
  EXPECT_TRUE(help->currentPage().endsWith("/index.html"));
  setManualDirectory("manual");
}

// Each picture of the rules page, as the help window lays it out: alone in a
// table cell with its caption in the cell under it, drawn at the size the
// page shows it rather than shrunk from the picture file; and the window's
// Back, Forward and Home follow the pages read.
TEST(Shell, HelpWindowShowsEachDiagramWithItsCaptionUnderIt) {
  Window w(American);
  installQtHost(w.window->hostWindow());
  const QString folder = QDir(VELMORA_MEDIA_DIR "/../manual").absolutePath();
  setManualDirectory(folder.toStdString());
  w.window->dispatch(CmdRules);
  settle();
  HelpWindow* help = w.window->helpWindow();
  ASSERT_NE(help, nullptr);
  auto* browser = help->findChild<QTextBrowser*>();
  QTextDocument* page = browser->document();
  QFile list(folder + "/diagrams.txt");
  ASSERT_TRUE(list.open(QIODevice::ReadOnly));
  const std::string diagrams = list.readAll().toStdString();
  int pictures = 0;
  for (QTextBlock block = page->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      if (!it.fragment().charFormat().isImageFormat()) continue;
      const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
      SCOPED_TRACE(image.name().toStdString());
      ++pictures;
      QTextCursor at(page);
      at.setPosition(it.fragment().position());
      QTextTable* table = at.currentTable();
      ASSERT_NE(table, nullptr);
      const QTextTableCell cell = table->cellAt(at);
      ASSERT_LT(cell.row() + 1, table->rows());
      const QTextTableCell below = table->cellAt(cell.row() + 1, cell.column());
      QTextCursor caption = below.firstCursorPosition();
      caption.setPosition(below.lastCursorPosition().position(), QTextCursor::KeepAnchor);
      EXPECT_EQ(caption.selectedText().simplified(), image.property(QTextFormat::ImageAltText).toString().simplified());
      EXPECT_FALSE(caption.selectedText().isEmpty());
      const QImage shown = page->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
      ASSERT_EQ(shown.size(), QSize(240, 240) * browser->devicePixelRatioF());
      const std::string name = QFileInfo(image.name()).completeBaseName().toStdString();
      EXPECT_EQ(shown, manualDiagram(diagramLine(diagrams, name), shown.width()).convertToFormat(shown.format()));
    }
  EXPECT_GE(pictures, 30);
  auto* back = help->findChild<QAction*>("helpBack");
  auto* forward = help->findChild<QAction*>("helpForward");
  auto* home = help->findChild<QAction*>("helpHome");
  ASSERT_TRUE(back && forward && home);
  EXPECT_FALSE(back->isEnabled());
  home->trigger();
  settle();
  EXPECT_TRUE(help->currentPage().endsWith("/index.html"));
  ASSERT_TRUE(back->isEnabled());
  back->trigger();
  settle();
  EXPECT_TRUE(help->currentPage().endsWith("/rules.html"));
  ASSERT_TRUE(forward->isEnabled());
  forward->trigger();
  settle();
  EXPECT_TRUE(help->currentPage().endsWith("/index.html"));
  EXPECT_FALSE(forward->isEnabled());
  setManualDirectory("manual");
}

// The game's working folder for one test: a fresh, empty one.
struct InFreshWorkDir {
  QTemporaryDir dir;
  QString previous = QDir::currentPath();
  InFreshWorkDir() { QDir::setCurrent(dir.path()); }
  ~InFreshWorkDir() { QDir::setCurrent(previous); }
};

// Picks `path` in an open file dialog, as a user typing it would.
// selectFile leaves the name field alone while the field has the focus,
// which a second dialog may well have; the choice is made again until the
// dialog has closed.
void chooseFile(QFileDialog* files, const QString& path, int tries = 100) {
  if (auto* name = files->findChild<QLineEdit*>("fileNameEdit"))
    name->setText(path);
  else
    files->selectFile(path);
  QMetaObject::invokeMethod(files, "accept");
  QTimer::singleShot(50, [still = QPointer<QFileDialog>(files), path, tries] {
    if (still && still->isVisible() && tries > 0) chooseFile(still, path, tries - 1);
  });
}

void saveScreenshot(QWidget* widget, const QString& name) {
  QDir().mkpath(QDir::temp().filePath("velmora-screenshots"));
  widget->grab().save(QDir::temp().filePath("velmora-screenshots/" + name + ".png"));
}

const char kRussianGame[] =
    "[HEADER]\r\nAI LEVEL = 1\r\nGAME TYPE = Russian\r\nGIVE AWAY = NO\r\nPLAYER 1 NAME = Guest\r\n"
    "PLAYER 1 TIME = 37\r\nPLAYER 2 NAME = Computer\r\nPLAYER 2 TIME = 0\r\n\r\n[MOVEMENTS]\r\n"
    "NUMBER 0 = c3-d4\r\nNUMBER 1 = f6-e5\r\nNUMBER 2 = d4:f6\r\nNUMBER 3 = g7:e5\r\n";

void writeSavedGame(const QString& name, const QByteArray& text) {
  QDir().mkpath("Save");
  QFile file("Save/" + name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

// Exchange with other programs: a game out to PDN and back in, positions
// through the clipboard, and a bad one that leaves the game as it was.
TEST(Shell, PdnOutAndInAndFenThroughTheClipboard) {
  InFreshWorkDir work;
  Window w(Russian);
  w.click(2, 2);  // c3-d4
  w.click(3, 3);
  w.click(5, 5);  // f6-e5
  w.click(4, 4);
  const QString pdn = QDir::current().absoluteFilePath("game.pdn");
  const auto choose = [pdn](QFileDialog* files) { chooseFile(files, pdn); };
  whenOpen<QFileDialog>(choose);
  w.window->dispatch(CmdExportPdn);
  QFile written(pdn);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  const QByteArray text = written.readAll();
  EXPECT_TRUE(text.contains("[GameType \"25")) << text.toStdString();
  EXPECT_TRUE(text.contains("1. c3-d4 f6-e5")) << text.toStdString();

  w.window->dispatch(CmdCopyFen);
  EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("W:"))
      << QGuiApplication::clipboard()->text().toStdString();

  // Two humans by name, Black to move from a position of its own.
  lastGame.player1Name = "Ann";
  lastGame.player2Name = "Bob";
  QGuiApplication::clipboard()->setText("B:Wc3,e3:Bd6,Kh8");
  messages.clear();
  w.window->dispatch(CmdPasteFen);
  EXPECT_EQ(messages, (std::vector<std::string>{"Save current game?"}));  // answered No
  EXPECT_EQ(w.lines(), (QStringList{" 0."}));
  EXPECT_EQ(w.listing.sideToMove(), Black);
  EXPECT_EQ(w.game->board[7][7].kind, King);
  EXPECT_EQ(w.game->board[2][2].kind, Man);
  EXPECT_EQ(w.game->gameRunning, 1);

  QGuiApplication::clipboard()->setText("not a position");
  messages.clear();
  w.window->dispatch(CmdPasteFen);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("The clipboard holds no Russian position.", 0), 0u) << messages[0];
  EXPECT_EQ(w.game->board[7][7].kind, King);  // the game stays

  // Read, but no game can start from it: a white man on its crowning row.
  QGuiApplication::clipboard()->setText("W:Wc3,b8:Bd6");
  messages.clear();
  w.window->dispatch(CmdPasteFen);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("A white man stands on its crowning row, on b8."), std::string::npos) << messages[0];
  EXPECT_EQ(w.game->board[7][7].kind, King);

  whenOpen<QFileDialog>(choose);
  w.window->dispatch(CmdImportPdn);
  EXPECT_EQ(w.lines(), (QStringList{" 0.", " 1. c3-d4", "        f6-e5"}));
  EXPECT_EQ(w.game->board[2][2].kind, Empty);  // the start position replayed
  lastGame = {};
}

// A database of more games than a list can hold: the first thousand are
// listed, and the dialog says that there are more.
TEST(Shell, PdnImportListsAThousandGamesAtMost) {
  InFreshWorkDir work;
  Window w(Russian);
  const QString pdn = QDir::current().absoluteFilePath("many.pdn");
  QFile file(pdn);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  for (int i = 1; i <= 1001; ++i) file.write(QString("[White \"P%1\"] *\n").arg(i).toUtf8());
  file.close();
  QString label;
  QStringList items;
  whenOpen<QFileDialog>([pdn](QFileDialog* files) { chooseFile(files, pdn); });
  whenOpen<QInputDialog>([&](QInputDialog* list) {
    label = list->labelText();
    items = list->comboBoxItems();
    list->reject();
  });
  w.window->dispatch(32807);
  EXPECT_EQ(label, "The file holds more than 1000 games; the first 1000 are listed:");
  ASSERT_EQ(items.size(), 1000);
  EXPECT_EQ(items.back(), "1000. P1000 \u2013 ?");
  EXPECT_EQ(w.lines(), (QStringList{" 0."}));  // nothing chosen: the game stays
}

TEST(Shell, SaveDialogProposesAName) {
  InFreshWorkDir work;
  Window w(Russian);
  std::snprintf(w.game->players[White].name, sizeof w.game->players[White].name, "Guest");
  std::snprintf(w.game->players[Black].name, sizeof w.game->players[Black].name, "Anna");
  w.click(2, 2);
  w.click(3, 3);
  messages.clear();
  whenOpen<SaveGameDialog>([](SaveGameDialog* d) {
    auto* edit = d->findChild<QLineEdit*>("id1013");
    const QString proposal = edit->text();
    EXPECT_TRUE(proposal.startsWith("[Guest]-[Anna]-[")) << proposal.toStdString();
    EXPECT_TRUE(proposal.endsWith("]-[RULES-Russian]")) << proposal.toStdString();
    EXPECT_EQ(edit->selectedText(), proposal);  // typing replaces it
    EXPECT_EQ(edit->maxLength(), 99);
    saveScreenshot(d, "save-game-dialog");
    edit->clear();
    d->findChild<QPushButton*>("id1")->click();  // refused: empty
    edit->setText("../elsewhere");
    d->findChild<QPushButton*>("id1")->click();  // refused: a folder in the name
    edit->setText("first game");
    d->findChild<QPushButton*>("id1")->click();
  });
  w.window->dispatch(CmdSave);
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0], "Please enter name");
  EXPECT_NE(messages[1].find("cannot hold"), std::string::npos);
  EXPECT_EQ(messages[2], "Game saved.");
  EXPECT_TRUE(QFile::exists("SAVE/first game.vlm"));
  EXPECT_FALSE(QFile::exists("elsewhere.vlm"));
  EXPECT_EQ(w.game->gameModified, 0);
  // What velmora-cli load reads from it is the game on the board.
  auto back = std::make_unique<GameState>();
  loadGameFile(*back, "SAVE/first game.vlm");
  EXPECT_EQ(writePosition(*back), writePosition(*w.game));
  EXPECT_STREQ(back->players[Black].name, "Anna");

  // Cancel writes nothing.
  whenOpen<SaveGameDialog>([](SaveGameDialog* d) { d->reject(); });
  w.window->dispatch(CmdSave);
  EXPECT_EQ(QDir("SAVE").entryList(QDir::Files), QStringList{"first game.vlm"});
}

TEST(Shell, LoadDialogPreviewsAndDeletes) {
  InFreshWorkDir work;
  writeSavedGame("russian.vlm", kRussianGame);
  writeSavedGame("Damaged.VLM", QByteArray("\x01\x02[HEADER\n=\xff", 11));
  writeSavedGame("twelve.vlm", "[HEADER]\r\nGAME TYPE = Canadian\r\n");
  QDir().mkpath("Save/folder.vlm");
  Window w(American);
  messages.clear();
  whenOpen<LoadGameDialog>([](LoadGameDialog* d) {
    auto* list = d->findChild<QListWidget*>("id1014");
    auto* ok = d->findChild<QPushButton*>("id1");
    auto* remove = d->findChild<QPushButton*>("id3");
    auto* area = d->findChild<QWidget*>("id1011");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "Damaged.VLM");
    EXPECT_EQ(list->item(1)->text(), "russian.vlm");
    EXPECT_EQ(d->statusText(), "File not selected");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(remove->isEnabled());

    // The 8 x 8 preview sits in the middle of its square, framed.
    list->item(1)->setSelected(true);
    EXPECT_EQ(d->statusText(), "");
    EXPECT_TRUE(ok->isEnabled());
    d->show();
    saveScreenshot(d, "load-game-dialog-russian");
    const QImage russian = area->grab().toImage();
    EXPECT_EQ(russian.size(), QSize(386, 386));
    EXPECT_EQ(russian.pixel(64, 64), toQColor(appearance.backgroundColour).rgb());
    EXPECT_NE(russian.pixel(66, 66), toQColor(appearance.backgroundColour).rgb());
    EXPECT_NE(russian.pixel(319, 319), toQColor(appearance.backgroundColour).rgb());
    EXPECT_EQ(russian.pixel(322, 322), toQColor(appearance.backgroundColour).rgb());

    // The 12 x 12 board leaves a frame of one pixel.
    list->item(2)->setSelected(true);
    saveScreenshot(d, "load-game-dialog-canadian");
    const QImage canadian = area->grab().toImage();
    EXPECT_EQ(canadian.pixel(0, 0), toQColor(appearance.backgroundColour).rgb());
    EXPECT_NE(canadian.pixel(1, 1), toQColor(appearance.backgroundColour).rgb());

    // Asked first: No keeps the game.
    remove->click();
    EXPECT_EQ(messages, std::vector<std::string>{"Delete the saved game twelve.vlm?"});
    ASSERT_EQ(list->count(), 3);
    answerYes = true;
    remove->click();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(d->statusText(), "File not selected");
    EXPECT_FALSE(remove->isEnabled());
    for (int i = 0; i < 2; ++i) {
      list->item(0)->setSelected(true);
      remove->click();
    }
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(d->statusText(), "File not found");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    saveScreenshot(d, "load-game-dialog-empty");
    d->reject();
  });
  w.window->dispatch(CmdLoad);
  EXPECT_EQ(messages.size(), 4u);  // one question a delete
  EXPECT_EQ(QDir("Save").entryList(QDir::Files), QStringList{});
  EXPECT_EQ(w.game->gameType, American);  // nothing taken over
}

// Runs a set-up bar's action by its object name.
void setupAction(Window& w, const char* name) {
  QAction* action = w.window->findChild<QAction*>(name);
  ASSERT_NE(action, nullptr) << name;
  action->trigger();
  settle();
}

void rightClick(Window& w, int x, int y) {
  QTest::mouseClick(w.board(), Qt::RightButton, {}, w.centre(x, y));
  settle();
}

TEST(Shell, AFrisianEndingSetUpByClicksIsPlayedSavedAndLoaded) {
  InFreshWorkDir work;
  Window w(American);
  // The players of the New game dialog: Ann against the computer.
  lastGame.player1Name = "Ann";
  lastGame.player2Name = kComputerName;
  lastGame.level = 0;
  w.window->dispatch(CmdSetUp);
  ASSERT_TRUE(w.window->settingUp());
  EXPECT_EQ(w.window->windowTitle(), "Velmora - Set up position");
  w.window->findChild<QComboBox*>("setupVariant")->setCurrentIndex(Frisian);
  EXPECT_EQ(w.game->boardSize, 10);
  setupAction(w, "setupClear");
  w.window->findChild<QComboBox*>("setupSide")->setCurrentIndex(Black);  // the computer moves first
  w.click(0, 0);
  w.click(0, 0);                              // a white king on a1
  w.click(2, 2);                              // a white man on c3
  for (int i = 0; i < 3; ++i) w.click(5, 7);  // a black man on f8
  rightClick(w, 1, 9);
  rightClick(w, 1, 9);  // backwards: black king, then black man on b10
  w.click(1, 0);        // a light square takes no piece
  EXPECT_EQ(writePosition(*w.game),
            "B:.b......../........../.....b..../........../........../"
            "........../........../..w......./........../W.........");
  QDir().mkpath(QDir::temp().filePath("velmora-screenshots"));  // the work folder goes with the test
  w.window->grab().save(QDir::temp().filePath("velmora-screenshots/setup-frisian.png"));
  setupAction(w, "setupDone");
  EXPECT_FALSE(w.window->settingUp());
  EXPECT_EQ(w.game->gameType, Frisian);
  EXPECT_EQ(w.game->start.custom, 1);
  EXPECT_EQ(w.game->players[Black].type, ComputerPlayer);
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return w.listing.moveCount() >= 1 && !w.game->thinking && !w.game->showingMove; }, 60000));
  const std::string played = writePosition(*w.game);
  ASSERT_TRUE(saveGameFile(*w.game, w.listing, "Save/ending.vlm"));

  Window other(American);
  whenOpen<LoadGameDialog>([](LoadGameDialog* d) {
    d->findChild<QListWidget*>("id1014")->item(0)->setSelected(true);
    d->findChild<QPushButton*>("id1")->click();
  });
  other.window->dispatch(CmdLoad);
  EXPECT_EQ(other.game->gameType, Frisian);
  EXPECT_EQ(writePosition(*other.game), played);
  EXPECT_EQ(other.listing.lines, w.listing.lines);
  lastGame = LastGameSettings{};
}

TEST(Shell, AWrongSetUpIsSaidAndCancelLeavesTheGameAsItWas) {
  Window w(American);
  w.click(2, 2);  // c3-d4
  w.click(3, 3);
  const std::string before = writePosition(*w.game);
  const auto lines = w.listing.lines;
  messages.clear();
  w.window->dispatch(CmdSetUp);
  setupAction(w, "setupClear");
  w.click(2, 2);  // a lone white man
  setupAction(w, "setupDone");
  EXPECT_EQ(messages, std::vector<std::string>{"Black has no piece."});
  EXPECT_TRUE(w.window->settingUp());
  for (int i = 0; i < 3; ++i) w.click(4, 0);  // a black man on its crowning row
  messages.clear();
  setupAction(w, "setupDone");
  EXPECT_EQ(messages, std::vector<std::string>{"A black man stands on its crowning row, on e1."});
  w.window->dispatch(CmdNew);  // refused while setting up
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  setupAction(w, "setupCancel");
  EXPECT_FALSE(w.window->settingUp());
  EXPECT_EQ(writePosition(*w.game), before);
  EXPECT_EQ(w.listing.lines, lines);
  EXPECT_EQ(w.window->windowTitle(), "Velmora");
  EXPECT_TRUE(w.window->gameCommandsEnabled());
}

TEST(Shell, DoneAsksAboutTheGameBeforeWithTheSetUpPositionStillOnTheBoard) {
  Window w(American);
  w.click(2, 2);  // c3-d4: a changed game, which Done offers to save
  w.click(3, 3);
  w.window->dispatch(CmdSetUp);
  setupAction(w, "setupStart");
  const std::string setUp = writePosition(*w.game);
  answerYes = true;
  std::string underTheDialog;
  bool settingUpUnderTheDialog = false;
  whenOpen<SaveGameDialog>([&](SaveGameDialog* d) {
    underTheDialog = writePosition(*w.game);
    settingUpUnderTheDialog = w.window->settingUp();
    d->reject();
  });
  setupAction(w, "setupDone");
  EXPECT_EQ(messages, std::vector<std::string>{"Save current game?"});
  EXPECT_TRUE(settingUpUnderTheDialog);
  EXPECT_EQ(underTheDialog, setUp);
  // Not saved: the set-up goes on where it was.
  EXPECT_TRUE(w.window->settingUp());
  EXPECT_EQ(writePosition(*w.game), setUp);
}

std::uint32_t fakeNow = 0;

TEST(Shell, TheTimeSpentSettingUpIsNotChargedToTheGamePutBack) {
  Window w(American);
  fakeNow = host.tickCount();
  host.tickCount = [] { return fakeNow; };
  ASSERT_TRUE(w.clockTicked());  // on White's turn, at the still time
  const int before = w.game->players[White].clockSeconds;
  // However quickly the player comes back, the set-up's time is its own.
  w.window->dispatch(CmdSetUp);
  fakeNow += 30000;
  w.window->findChild<QAction*>("setupCancel")->trigger();
  ASSERT_TRUE(w.clockTicked());
  EXPECT_EQ(w.game->players[White].clockSeconds, before);
}

TEST(Shell, EscapeLeavesTheSetUpAsCancelDoes) {
  Window w(American);
  w.play("c3-d4");
  const std::string before = writePosition(*w.game);
  w.window->dispatch(CmdSetUp);
  ASSERT_TRUE(w.window->settingUp());
  EXPECT_NE(w.window->findChild<QAction*>("setupFlip")->toolTip(), "Flip");  // it says what Flip does
  w.click(4, 4);                                                             // a piece put on the set-up board
  QTest::keyClick(w.window.get(), Qt::Key_Escape);
  settle();
  EXPECT_FALSE(w.window->settingUp());
  EXPECT_EQ(writePosition(*w.game), before);
  EXPECT_EQ(w.listing.moveCount(), 1);
}

TEST(Shell, APositionIsSetUpByKeysInEverySkinAndEitherWayUp) {
  Window w(International);
  w.window->dispatch(CmdSetUp);
  setupAction(w, "setupClear");
  BoardWidget* board = w.board();
  board->setFocus(Qt::TabFocusReason);
  // From a1: two squares right and two up is c3 on the screen; Space puts a
  // white man there, Space again makes it a king, Shift+Space takes it back.
  for (auto key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Up}) QTest::keyClick(board, key);
  QTest::keyClick(board, Qt::Key_Space);
  QTest::keyClick(board, Qt::Key_Space);
  QTest::keyClick(board, Qt::Key_Space, Qt::ShiftModifier);
  settle();
  EXPECT_EQ(w.game->board[2][2].kind, Man);
  EXPECT_EQ(w.game->board[2][2].side, White);
  for (int i = 0; i < 4; ++i) w.click(3, 7);  // a black king on d8
  QDir().mkpath(QDir::temp().filePath("velmora-screenshots"));
  for (int skin : {0, 2, 5}) {
    appearance.whiteOnTop = skin == 5;
    board->setSkins(makeSkinSet(loadSkin("", skin)));
    w.window->refresh();
    settle();
    const QImage shot = w.window->grab().toImage();
    shot.save(QDir::temp().filePath(QString("velmora-screenshots/setup-skin%1.png").arg(skin)));
    // The man, the king and an empty square of the same colour all differ.
    const auto at = [&](int x, int y) { return shot.pixel(board->mapTo(w.window.get(), w.centre(x, y))); };
    EXPECT_NE(at(2, 2), at(4, 4)) << skin;
    EXPECT_NE(at(3, 7), at(7, 7)) << skin;
    EXPECT_NE(at(2, 2), at(3, 7)) << skin;
  }
  appearance.whiteOnTop = 0;
  setupAction(w, "setupCancel");
}

TEST(Shell, DoubleClickTakesTheGameOver) {
  InFreshWorkDir work;
  writeSavedGame("russian.vlm", kRussianGame);
  writeSavedGame("computer to move.vlm", QByteArray(kRussianGame).replace("NUMBER 3 = g7:e5\r\n", ""));
  Window w(International);
  whenOpen<LoadGameDialog>([](LoadGameDialog* d) {
    auto* list = d->findChild<QListWidget*>("id1014");
    list->item(1)->setSelected(true);
    emit list->itemDoubleClicked(list->item(1));
  });
  w.window->dispatch(CmdLoad);
  EXPECT_EQ(w.game->gameType, Russian);
  EXPECT_EQ(w.game->gameRunning, 1);
  EXPECT_EQ(w.lines(), (QStringList{" 0.", " 1. c3-d4", "        f6-e5", " 2. d4:f6", "        g7:e5"}));
  EXPECT_EQ(w.board()->listingBox()->currentRow(), 4);
  EXPECT_EQ(w.board()->minimumSize(), QSize(8 * 64 + 220, 8 * 64 + 40));
  EXPECT_EQ(w.game->players[White].clockSeconds, 37);
  w.save("russian-loaded");

  // The computer to move: loaded, but it waits.
  whenOpen<LoadGameDialog>([](LoadGameDialog* d) {
    d->findChild<QListWidget*>("id1014")->item(0)->setSelected(true);
    d->findChild<QPushButton*>("id1")->click();
  });
  w.window->dispatch(CmdLoad);
  EXPECT_EQ(w.lines().size(), 4);
  EXPECT_EQ(w.game->gameRunning, 0);
}

TEST(Shell, SavePromptSavesForRealAndACancelledSaveKeepsTheWindowOpen) {
  InFreshWorkDir work;
  Window w(American);
  w.click(2, 2);
  w.click(3, 3);
  answerYes = true;
  messages.clear();
  // Yes to the prompt before Load: the game is saved, then the Load dialog opens.
  whenOpen<SaveGameDialog>([](SaveGameDialog* d) {
    d->findChild<QLineEdit*>("id1013")->setText("before loading");
    whenOpen<LoadGameDialog>([](LoadGameDialog* load) {
      EXPECT_EQ(load->findChild<QListWidget*>("id1014")->count(), 1);
      load->reject();
    });
    d->findChild<QPushButton*>("id1")->click();
  });
  w.window->dispatch(CmdLoad);
  EXPECT_EQ(messages, (std::vector<std::string>{"Save current game?", "Game saved."}));
  EXPECT_EQ(w.game->gameModified, 0);

  // Closing: a cancelled Save dialog keeps the window and the game.
  w.click(5, 5);
  w.click(4, 4);
  whenOpen<SaveGameDialog>([](SaveGameDialog* d) { d->reject(); });
  EXPECT_FALSE(w.window->close());
  EXPECT_TRUE(w.window->isVisible());
  EXPECT_EQ(w.lines().size(), 3);
  EXPECT_EQ(w.game->gameRunning, 1);

  whenOpen<SaveGameDialog>([](SaveGameDialog* d) { d->findChild<QPushButton*>("id1")->click(); });
  EXPECT_TRUE(w.window->close());
  EXPECT_EQ(QDir("SAVE").entryList(QDir::Files).size(), 2);
}

// Every skin at every board size, both ways up: saved for a look, and the
// skins must differ from each other.
TEST(Shell, ScreenshotsOfEverySkinAndBoardSize) {
  std::vector<QImage> boards;
  for (int skin = 0; skin < kBuiltInSkinCount; ++skin) {
    Window w(skin % 3 == 0 ? American : skin % 3 == 1 ? International : Canadian);
    appearance.skinNumber = skin;
    appearance.whiteOnTop = skin == 4;
    appearance.cellSize = skin == 6 ? 48 : skin == 5 ? 56 : 64;
    w.board()->setSkins(makeSkinSet(builtInSkin(skin)));
    w.window->placeWindow();
    // A few moves, so that a piece is picked up with its hints.
    w.game->players[0].clockSeconds = 75;
    std::snprintf(w.game->players[0].name, sizeof w.game->players[0].name, "Anna");
    std::snprintf(w.game->players[1].name, sizeof w.game->players[1].name, "Computer");
    const int n = w.game->boardSize;
    for (int ply = 0; ply < 4; ++ply) w.playLegal(ply % 2 ? 0 : w.game->moveCount / 2);
    w.pickUp(w.game->moveCount - 1);
    const auto picked = findSelectedPiece(*w.game);
    ASSERT_TRUE(picked.has_value());
    QTest::mouseMove(w.board(),
                     w.centre(picked->x, picked->y) + QPoint(w.board()->view().cell / 2, -w.board()->view().cell / 3));
    settle();
    w.save(QString("skin-%1-%2x%2%3").arg(skin + 1).arg(n).arg(appearance.whiteOnTop ? "-white-on-top" : ""));
    boards.push_back(w.board()->skins().full);
    boards.back().save(QString("screenshots/skin-sheet-%1.png").arg(skin + 1));
  }
  for (size_t i = 0; i < boards.size(); ++i)
    for (size_t j = i + 1; j < boards.size(); ++j) EXPECT_NE(boards[i], boards[j]) << i << " " << j;
  appearance = defaultAppearance;
}

TEST(Shell, SecondInstanceActivatesTheFirst) {
  const QString name =
      QDir::temp().filePath(QString("velmora-test-instance-%1").arg(QCoreApplication::applicationPid()));
  SingleInstance first(name);
  ASSERT_TRUE(first.isFirstCopy());
  // The second copy starts before the first listens, as when both start at
  // the same moment: it waits for the first rather than running too, and
  // the window's thread goes on meanwhile.
  SingleInstance copy(name);
  ASSERT_FALSE(copy.isFirstCopy());
  bool secondDone = false;
  copy.activateRunningCopy([&] { secondDone = true; });
  QTest::qWait(300);
  EXPECT_FALSE(secondDone);
  int activations = 0;
  QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });
  first.listen();
  EXPECT_TRUE(QTest::qWaitFor([&] { return activations == 1 && secondDone; }, 20000));
  EXPECT_TRUE(defaultInstanceName().endsWith(QString("velmora-%1").arg(::getuid())));
}

}  // namespace
}  // namespace velmora
