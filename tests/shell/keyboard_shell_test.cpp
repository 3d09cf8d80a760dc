// Playing without a mouse in the window: Tab gives the board the keys, a
// typed move or the cursor keys play, the listing keeps its arrow keys while
// it has them, and every control of every dialog has a name a screen reader
// can say.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/game/game_state.h"
#include "core/game/new_game.h"
#include "core/game/sound.h"
#include "core/platform/host.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "shell/board_widget.h"
#include "shell/dialogs/about_dialog.h"
#include "shell/dialogs/appearance_dialog.h"
#include "shell/dialogs/font_dialog.h"
#include "shell/dialogs/load_game_dialog.h"
#include "shell/dialogs/network_dialog.h"
#include "shell/dialogs/new_game_dialog.h"
#include "shell/dialogs/save_game_dialog.h"
#include "shell/dialogs/sound_dialog.h"
#include "shell/main_window.h"
#include "shell/system/host_qt.h"
#include "tests/shell/window_test_support.h"

namespace velmora {
namespace {

using test::Window;

// The window over a game of a person as White against `black`, the window active.
struct KeyboardWindow : Window {
  explicit KeyboardWindow(TypeChoice black) {
    start(American, ChooseHuman, black);
    QApplication::setActiveWindow(window.get());
  }
  void keys(const char* text) {
    for (const char* c = text; *c; ++c) QTest::keyClick(QApplication::focusWidget(), *c);
  }
};

TEST(KeyboardPlay, TabGivesTheBoardTheKeysAndATypedMoveIsPlayed) {
  KeyboardWindow w(ChooseComputer);
  EXPECT_FALSE(w.board()->hasFocus());  // a mouse player's arrow keys go to the listing
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_TRUE(w.board()->hasFocus());
  // "g3-h4": the h is part of the move, not Hint.
  w.keys("g3-h4");
  EXPECT_EQ(w.board()->keyboardEntry().typed, "g3-h4");
  QTest::keyClick(w.board(), Qt::Key_Return);
  ASSERT_GE(w.game->plyCount, 1);
  EXPECT_EQ(formatMove(*w.game, 0), "g3-h4");
  // The computer answers, and the board says the last move to a screen reader.
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.listing.moveCount() == 2 && !w.game->thinking; }, 10000));
  test::settle();
  EXPECT_TRUE(
      w.board()->accessibleDescription().contains("Last move: " + QString::fromStdString(formatMove(*w.game, 1))))
      << w.board()->accessibleDescription().toStdString();
}

TEST(KeyboardPlay, AMoveTypedInTheListingIsPlayedAndTheBoardKeepsTheKeysThroughTheComputersMoves) {
  KeyboardWindow w(ChooseComputer);
  ASSERT_EQ(QApplication::focusWidget(), w.board()->listingBox());
  // Typed straight after the new game, with no Tab: the board takes it.
  w.keys("c3-d4");
  ASSERT_TRUE(w.board()->hasFocus());
  QTest::keyClick(w.board(), Qt::Key_Return);
  for (int reply = 2; reply <= 6; reply += 2) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.listing.moveCount() == reply && w.board()->isEnabled(); }, 60000));
    test::settle();
    EXPECT_TRUE(w.board()->hasFocus()) << "after the computer's move " << reply;
    if (!w.game->gameRunning) break;
    generateMoves(w.game->legalMoves, *w.game, w.listing.sideToMove());
    w.keys(moveText(w.game->legalMoves[0]).c_str());
    QTest::keyClick(w.board(), Qt::Key_Return);
  }
  // A click on the board gives it the keys too.
  w.board()->listingBox()->setFocus();
  QTest::mouseClick(w.board(), Qt::LeftButton, {}, w.centre(0, 0));
  EXPECT_TRUE(w.board()->hasFocus());
}

TEST(KeyboardPlay, CursorKeysPickUpAndPlayAndTheListingKeepsItsArrows) {
  KeyboardWindow w(ChooseHuman);
  w.board()->setFocus(Qt::TabFocusReason);
  // From a1 to c3: Right twice, Up twice; Space; to d4; Enter.
  for (auto key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Up}) QTest::keyClick(w.board(), key);
  QTest::keyClick(w.board(), Qt::Key_Space);
  EXPECT_TRUE(w.game->marks[2][2].selected);
  QTest::keyClick(w.board(), Qt::Key_Right);
  QTest::keyClick(w.board(), Qt::Key_Up);
  QTest::keyClick(w.board(), Qt::Key_Return);
  ASSERT_EQ(w.listing.moveCount(), 1);
  EXPECT_EQ(formatMove(*w.game, 0), "c3-d4");
  test::settle();

  // With the focus on the listing, Up goes back a move there.
  w.board()->listingBox()->setFocus();
  QTest::keyClick(w.board()->listingBox(), Qt::Key_Up);
  test::settle();
  EXPECT_EQ(w.listing.selected, 0);
}

// Every control a player can reach with Tab says what it is.
std::vector<std::string> unnamedControls(QWidget* dialog) {
  std::vector<std::string> unnamed;
  for (QWidget* w : dialog->findChildren<QWidget*>()) {
    const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                         qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                         qobject_cast<QAbstractSlider*>(w) || qobject_cast<QAbstractItemView*>(w);
    if (!control || w->focusPolicy() == Qt::NoFocus || qobject_cast<QLineEdit*>(w->parentWidget()) ||
        qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
      continue;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
      unnamed.push_back(std::string(w->metaObject()->className()) + " " + w->objectName().toStdString());
  }
  return unnamed;
}

TEST(ScreenReaders, EveryDialogControlHasAName) {
  KeyboardWindow w(ChooseHuman);
  const QImage skin(64 * 8, 64 * 3, QImage::Format_RGB32);
  auto preview = std::make_unique<GameState>();
  SoundEventTable sounds = soundEvents;
  std::vector<std::unique_ptr<QDialog>> dialogs;
  dialogs.push_back(std::make_unique<AboutDialog>(w.window.get()));
  dialogs.push_back(std::make_unique<AppearanceDialog>(*w.game, w.listing, w.window.get()));
  dialogs.push_back(std::make_unique<FontDialog>("DejaVu Sans", w.window.get()));
  dialogs.push_back(std::make_unique<LoadGameDialog>(*preview, skin, w.window.get()));
  dialogs.push_back(std::make_unique<NetworkDialog>(*w.game, w.listing, skin, w.window.get()));
  dialogs.push_back(std::make_unique<NewGameDialog>(NewGameChoice{}, skin, w.window.get()));
  dialogs.push_back(std::make_unique<SaveGameDialog>("game", w.window.get()));
  dialogs.push_back(std::make_unique<SoundDialog>(sounds, w.window.get()));
  for (auto& dialog : dialogs)
    EXPECT_EQ(unnamedControls(dialog.get()), std::vector<std::string>{}) << dialog->metaObject()->className();
  EXPECT_EQ(w.board()->accessibleName(), "Board");
  EXPECT_EQ(w.board()->listingBox()->accessibleName(), "Move listing");
  EXPECT_TRUE(w.board()->accessibleDescription().startsWith("White to move. White: men a1, c1"));
}

}  // namespace
}  // namespace velmora
