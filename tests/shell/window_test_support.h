#pragma once
// What the window tests share: the window over a game of its own with the
// host as a test wants it, the menu actions found by their command, and
// letting the window finish what a step posted.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QListWidget>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/game/commands.h"
#include "core/game/game_state.h"
#include "core/game/new_game.h"
#include "core/game/settings.h"
#include "core/platform/host.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/view/layout.h"
#include "shell/board_widget.h"
#include "shell/clocks.h"
#include "shell/main_window.h"
#include "shell/system/host_qt.h"

namespace velmora::test {

// The menu action of a command, as the window names it ("id" and the number).
inline QAction* commandAction(const QWidget* window, Command command) {
  return window->findChild<QAction*>(QString("id%1").arg(static_cast<int>(command)));
}

// A sound's end, then the one refresh it asks for.
inline void settle() {
  for (int i = 0; i < 4; ++i) QApplication::processEvents();
}

// Runs `act` on the modal dialog of type Dialog once it is open, waiting up
// to ten seconds: on a loaded machine a file dialog can take more than one
// to open. A dialog of another kind is rejected when the wait runs out, so
// that the test fails instead of waiting on it for ever.
template <class Dialog, class Act>
void whenOpen(Act act, int tries = 1000) {
  QTimer::singleShot(10, [act, tries] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr && tries > 0) return whenOpen<Dialog>(act, tries - 1);
    if (dialog == nullptr) {
      if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) other->reject();
      FAIL() << "the dialog did not open";
    }
    act(dialog);
  });
}

// The texts of the message boxes the window showed, and what every question
// is answered; both start over with each window.
inline std::vector<std::string> messages;
inline bool answerYes = false;

enum class Boxes {
  Recorded,  // recorded in `messages` and answered with `answerYes`
  Real,      // real modal windows, answered by the test
};

// The window, shown, over a game of two people, moves entered with two
// clicks and the score not shown. Captures are still shown
// from a timer, but without the pauses, and every sound is over as soon as
// the window is idle.
struct Window {
  std::unique_ptr<GameState> game = std::make_unique<GameState>();
  std::unique_ptr<GameState> scratch = std::make_unique<GameState>();
  MoveListing listing;
  std::unique_ptr<MainWindow> window;

  // The Expert's endgame databases, when a test gives a folder for them,
  // are of three pieces: made in a moment.
  explicit Window(GameType type = American, Boxes boxes = Boxes::Recorded, const std::string& endgameFolder = {}) {
    messages.clear();
    answerYes = false;
    evaluationSettings = {};
    entrySettings.oneClick = 0;  // two clicks a move, unless a test says otherwise
    window = std::make_unique<MainWindow>(*game, *scratch, listing, "", endgameFolder, 3);
    // Pieces where they stand, not on their way: pictures and pixels are
    // read at once. The test of sliding turns it on.
    appearance.slideMoves = 0;
    installQtHost(window->hostWindow());
    if (boxes == Boxes::Recorded) {
      host.messageBox = [](const std::string& text, MessageIcon, MessageButtons) {
        messages.push_back(text);
        return answerYes;
      };
    }
    host.after = [](int, std::function<void()> then) { QTimer::singleShot(0, std::move(then)); };
    host.playSound = [](SoundId, const std::string&, std::function<void()> finished) {
      if (finished) QTimer::singleShot(0, std::move(finished));
    };
    window->show();
    start(type, ChooseHuman, ChooseHuman);
  }
  ~Window() { evaluationSettings = {}; }

  // A new game of these players, as the New game dialog starts one.
  void start(GameType type, TypeChoice white, TypeChoice black, int level = 0) {
    NewGameChoice choice;
    choice.type[White] = white;
    choice.type[Black] = black;
    choice.gameType = type;
    choice.level = level;
    startNewGame(*game, listing, choice);
    window->placeWindow();
    window->refresh();
    settle();
  }

  BoardWidget* board() const { return window->boardWidget(); }

  // Returns once the clock has read the time `ticks` times more, on the turn
  // it counts: however busy the machine, the clock has then seen the time.
  bool clockTicked(int ticks = 1) const {
    const int counted = window->clocks().countedTicks() + ticks;
    return QTest::qWaitFor([&] { return window->clocks().countedTicks() >= counted; }, 20000);
  }

  // Centre of board square (x, y) in the board widget.
  QPoint centre(int x, int y) const {
    const BoardView v = board()->view();
    const int n = game->boardSize;
    const int sc = v.whiteOnTop ? n - 1 - x : x, sr = v.whiteOnTop ? y : n - 1 - y;
    return QPoint(v.x0 + 20 + sc * v.cell + v.cell / 2, v.y0 + 20 + sr * v.cell + v.cell / 2);
  }

  void click(int x, int y) {
    QTest::mouseClick(board(), Qt::LeftButton, {}, centre(x, y));
    settle();
  }

  void drag(int fromX, int fromY, int toX, int toY) {
    QTest::mousePress(board(), Qt::LeftButton, {}, centre(fromX, fromY));
    QTest::mouseMove(board(), centre(toX, toY));
    QTest::mouseRelease(board(), Qt::LeftButton, {}, centre(toX, toY));
    settle();
  }

  // Picks up the piece of legal move `index` of the side to move.
  void pickUp(int index) {
    generateMoves(game->legalMoves, *game, listing.sideToMove());
    const MoveRecord m = game->legalMoves[std::min(index, game->moveCount - 1)];
    click(m.fromX, m.fromY);
  }

  // Plays legal move `index` of the side to move with clicks.
  void playLegal(int index) {
    generateMoves(game->legalMoves, *game, listing.sideToMove());
    const MoveRecord m = game->legalMoves[std::min(index, game->moveCount - 1)];
    click(m.fromX, m.fromY);
    for (int k = 0; k + 1 < m.captureCount; ++k) click(m.steps[k].toX, m.steps[k].toY);
    click(m.finalStep().toX, m.finalStep().toY);
  }

  // Plays the move of this text as the game does, then lets the window follow.
  void play(const std::string& text) {
    ASSERT_TRUE(playMoveText(*game, text)) << text;
    refreshListing(listing, *game, game->plyCount);
    window->refresh();
    settle();
  }

  // The listing box's lines as shown.
  QStringList lines() const {
    QStringList out;
    for (int i = 0; i < board()->listingBox()->count(); ++i) out << board()->listingBox()->item(i)->text();
    return out;
  }

  void save(const QString& name) const {
    QDir().mkpath("screenshots");
    window->grab().save("screenshots/" + name + ".png");
  }
};

// Plays the longest capture, or the first move, of the side to move by
// clicks: a shorter capture could be the start of a longer one and wait for
// more clicks, so a capture is entered through its landing squares.
inline void playFirstLegal(Window& w) {
  generateMoves(w.game->legalMoves, *w.game, w.listing.sideToMove());
  int best = 0;
  for (int i = 1; i < w.game->moveCount; ++i)
    if (w.game->legalMoves[i].captureCount > w.game->legalMoves[best].captureCount) best = i;
  const MoveRecord m = w.game->legalMoves[best];
  QTest::mouseClick(w.board(), Qt::LeftButton, {}, w.centre(m.fromX, m.fromY));
  for (int k = 0; k < m.captureCount; ++k)
    QTest::mouseClick(w.board(), Qt::LeftButton, {}, w.centre(m.steps[k].toX, m.steps[k].toY));
  if (m.captureCount == 0)
    QTest::mouseClick(w.board(), Qt::LeftButton, {}, w.centre(m.finalStep().toX, m.finalStep().toY));
  settle();
}

}  // namespace velmora::test
