// Setting up a position on the board: the main window's set-up mode.

#include <QMenuBar>

#include "core/game/computer_move.h"
#include "core/game/game_state.h"
#include "core/game/new_game.h"
#include "core/game/position_setup.h"
#include "core/game/settings.h"
#include "core/platform/host.h"
#include "core/records/listing.h"
#include "core/view/appearance.h"
#include "shell/board_widget.h"
#include "shell/main_window.h"
#include "shell/network_game.h"
#include "shell/setup_bar.h"
#include "shell/system/language.h"

namespace velmora {

void MainWindow::beginSetup() {
  // The other side of a network game keeps its own record of the game.
  if (settingUp() || network_->active()) return;
  setupBackup_ = std::make_unique<GameState>(game_);
  setupListingBackup_ = std::make_unique<MoveListing>(listing_);
  // The position shown is where the set-up starts; nothing runs meanwhile.
  const int side = listing_.sideToMove();
  game_.gameRunning = 0;
  game_.start.custom = 1;
  game_.start.side = side;
  game_.plyCount = 0;
  clearSelection(game_);
  resetListing(listing_);
  listing_.firstSide = side;
  if (!setupBar_) {
    setupBar_ = new SetupBar(this);
    addToolBar(Qt::TopToolBarArea, setupBar_);
    connect(setupBar_, &SetupBar::clearRequested, this, [this] {
      clearSetup(game_, game_.gameType);
      showSetup();
    });
    connect(setupBar_, &SetupBar::startRequested, this, [this] {
      startPositionSetup(game_, game_.gameType);
      showSetup();
    });
    connect(setupBar_, &SetupBar::sideChosen, this, [this](int s) {
      game_.start.side = s;
      listing_.firstSide = s;
      showSetup();
    });
    connect(setupBar_, &SetupBar::variantChosen, this, [this](GameType type) {
      // Another variant may have another board: its start position.
      startPositionSetup(game_, type);
      placeWindow();
      showSetup();
    });
    connect(setupBar_, &SetupBar::flipRequested, this, [this] {
      appearance.whiteOnTop = !appearance.whiteOnTop;
      showSetup();
    });
    connect(setupBar_, &SetupBar::done, this, &MainWindow::finishSetup);
    connect(setupBar_, &SetupBar::cancelled, this, &MainWindow::cancelSetup);
  }
  board_->setSetupClicks([this](int x, int y, bool backwards) { setupClicked(x, y, backwards); });
  menuBar()->setEnabled(false);
  placeWindow();
  showSetup();
}

void MainWindow::setupClicked(int x, int y, bool backwards) {
  cycleSetupSquare(game_, x, y, backwards);
  showSetup();
}

void MainWindow::showSetup() {
  setupBar_->show(game_.gameType, game_.start.side);
  setWindowTitle(QString::fromStdString(plainWindowTitle()) + " - " + ui("Set up position"));
  refresh();
}

namespace {

// Leaves set-up mode: the board takes clicks for moves again.
void leaveSetupMode(BoardWidget* board, SetupBar* bar, QMenuBar* menu) {
  board->setSetupClicks(nullptr);
  bar->hide();
  menu->setEnabled(true);
}

}  // namespace

void MainWindow::finishSetup() {
  if (const auto problem = setupProblem(game_)) {
    host.messageBox(*problem, MessageIcon::Error, MessageButtons::Ok);
    return;
  }
  const std::string fen = setupFen(game_);
  const auto position = std::make_unique<GameState>(game_);
  // The game as it was, for the save prompt; kept in set-up when the
  // player chose to save and the save did not happen.
  game_ = *setupBackup_;
  listing_ = *setupListingBackup_;
  if (!promptSaveGame()) {
    game_ = *position;
    resetListing(listing_);
    listing_.firstSide = game_.start.side;
    showSetup();
    return;
  }
  setupBackup_.reset();
  setupListingBackup_.reset();
  leaveSetupMode(board_, setupBar_, menuBar());
  setWindowTitle(QString::fromStdString(plainWindowTitle()));
  // The players and level of the New game dialog, as for a pasted position.
  NewGameChoice choice = rememberedChoice();
  choice.gameType = position->gameType;
  choice.giveAway = position->giveAway != 0;
  replaceGame([&] { startGameFromFen(game_, listing_, scratch_, choice, fen); });
}

void MainWindow::cancelSetup() {
  if (!settingUp()) return;
  game_ = *setupBackup_;
  listing_ = *setupListingBackup_;
  setupBackup_.reset();
  setupListingBackup_.reset();
  leaveSetupMode(board_, setupBar_, menuBar());
  setWindowTitle(QString::fromStdString(plainWindowTitle()));
  placeWindow();
  refresh();
}

}  // namespace velmora
