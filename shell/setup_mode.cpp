#include "shell/setup_mode.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

#include "core/game/computer_move.h"
#include "core/game/game_state.h"
#include "core/game/new_game.h"
#include "core/game/position_setup.h"
#include "core/game/settings.h"
#include "core/game/turn_controller.h"
#include "core/platform/host.h"
#include "core/records/listing.h"
#include "core/view/appearance.h"
#include "shell/board_widget.h"
#include "shell/setup_bar.h"
#include "shell/system/language.h"

namespace velmora {

SetupMode::SetupMode(GameState& game, MoveListing& listing, GameState& scratch, TurnController& turn, Window window,
                     QObject* parent)
    : QObject(parent), game_(game), listing_(listing), scratch_(scratch), turn_(turn), window_(std::move(window)) {}

SetupMode::~SetupMode() = default;

void SetupMode::begin() {
  if (active()) return;
  window_.replaceGame([this] {
    backup_ = std::make_unique<GameState>(game_);
    listingBackup_ = std::make_unique<MoveListing>(listing_);
    turn_.setSettingUp(true);
    // The position shown is where the set-up starts; nothing runs meanwhile.
    const int side = listing_.sideToMove();
    game_.gameRunning = 0;
    game_.start.custom = 1;
    game_.start.side = side;
    game_.plyCount = 0;
    clearSelection(game_);
    resetListing(listing_);
    listing_.firstSide = side;
  });
  if (!bar_) connectBar();
  window_.board->setSetupClicks([this](int x, int y, bool backwards) {
    cycleSetupSquare(game_, x, y, backwards);
    show();
  });
  window_.widget->menuBar()->setEnabled(false);
  // The set-up bar takes the place of the game's toolbar meanwhile.
  if (auto* tools = window_.widget->findChild<QToolBar*>("toolBar")) tools->hide();
  window_.placeWindow();  // for the bar, shown now
  show();
}

void SetupMode::connectBar() {
  bar_ = new SetupBar(window_.widget);
  window_.widget->addToolBar(Qt::TopToolBarArea, bar_);
  connect(bar_, &SetupBar::clearRequested, this, [this] {
    clearSetup(game_, game_.gameType);
    show();
  });
  connect(bar_, &SetupBar::startRequested, this, [this] {
    startPositionSetup(game_, game_.gameType);
    show();
  });
  connect(bar_, &SetupBar::sideChosen, this, [this](int s) {
    game_.start.side = s;
    listing_.firstSide = s;
    show();
  });
  connect(bar_, &SetupBar::variantChosen, this, [this](GameType type) {
    // Another variant may have another board: its start position.
    startPositionSetup(game_, type);
    window_.placeWindow();
    show();
  });
  connect(bar_, &SetupBar::flipRequested, this, [this] {
    appearance.whiteOnTop = !appearance.whiteOnTop;
    show();
  });
  connect(bar_, &SetupBar::done, this, &SetupMode::finish);
  connect(bar_, &SetupBar::cancelled, this, &SetupMode::cancel);
}

void SetupMode::show() {
  bar_->show(game_.gameType, game_.start.side);
  window_.widget->setWindowTitle(QString::fromStdString(plainWindowTitle()) + " - " + ui("Set up position"));
  window_.refresh();
}

void SetupMode::leave() {
  backup_.reset();
  listingBackup_.reset();
  turn_.setSettingUp(false);
  window_.board->setSetupClicks(nullptr);
  bar_->hide();
  if (auto* tools = window_.widget->findChild<QToolBar*>("toolBar")) tools->show();
  window_.widget->menuBar()->setEnabled(true);
  window_.widget->setWindowTitle(QString::fromStdString(plainWindowTitle()));
}

void SetupMode::finish() {
  if (const auto problem = setupProblem(game_)) {
    host.messageBox(*problem, MessageIcon::Error, MessageButtons::Ok);
    return;
  }
  // The game before is offered for saving as it was put aside; the board
  // keeps the position, and set-up goes on when a save chosen did not happen.
  if (!window_.promptSave(*backup_, *listingBackup_)) return;
  const std::string fen = setupFen(game_);
  // The players and level of the New game dialog, as for a pasted position.
  NewGameChoice choice = rememberedChoice();
  choice.gameType = game_.gameType;
  choice.giveAway = game_.giveAway != 0;
  choice.official = game_.officialRules != 0;
  leave();
  window_.replaceGame([&] { startGameFromFen(game_, listing_, scratch_, choice, fen); });
}

void SetupMode::cancel() {
  if (!active()) return;
  const auto game = std::move(backup_);
  const auto listing = std::move(listingBackup_);
  leave();
  window_.replaceGame([&] {
    game_ = *game;
    listing_ = *listing;
  });
}

}  // namespace velmora
