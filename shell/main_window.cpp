#include "shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <chrono>

#include "core/game/commands.h"
#include "core/game/computer_move.h"
#include "core/game/help.h"
#include "core/game/mouse_entry.h"
#include "core/game/settings.h"
#include "core/platform/host.h"
#include "core/platform/user_name.h"
#include "core/records/listing.h"
#include "core/rules/game_state.h"
#include "core/view/appearance.h"
#include "core/view/layout.h"
#include "shell/board_widget.h"
#include "shell/dialogs/about_dialog.h"
#include "shell/dialogs/new_game_dialog.h"

namespace velmora {

MainWindow::MainWindow(GameState& game, GameState& scratch, MoveListing& listing, std::string settingsPath)
    : game_(game),
      scratch_(scratch),
      listing_(listing),
      board_(new BoardWidget(game, listing, this)),
      settingsPath_(std::move(settingsPath)) {
  setWindowTitle("Velmora");
  appearance = defaultAppearance;
  if (!settingsPath_.empty()) loadSettings(settingsPath_, loginName());
  setCentralWidget(board_);
  createMenus();
  reloadSkin();
  connect(board_->listingBox(), &QListWidget::currentRowChanged, this, &MainWindow::listingSelectionChanged);

  connect(&blinkTimer_, &QTimer::timeout, this, &MainWindow::blinkTick);
  connect(&clockTimer_, &QTimer::timeout, this, &MainWindow::clockTick);
  connect(&turnTimer_, &QTimer::timeout, this, &MainWindow::turnTick);
  blinkTimer_.start(20);
  clockTimer_.start(1000);
  turnTimer_.start(100);

  // No game until one is started: the remembered variant's start position.
  setUpBoard(game_, lastGame.gameType);
  game_.plyCount = 0;
  placeWindow();
  seedComputerRandom(static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
          .count()));
}

MainWindow::~MainWindow() { shutdown(); }

void MainWindow::createMenus() {
  struct Item {
    const char* text;
    int command;
    QKeySequence keys;
  };
  const auto add = [this](QMenu* menu, const Item& item) {
    QAction* action = menu->addAction(QString::fromUtf8(item.text));
    action->setObjectName(QString("id%1").arg(item.command));
    action->setShortcut(item.keys);
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, [this, c = item.command] { dispatch(c); });
    return action;
  };
  QMenu* gameMenu = menuBar()->addMenu("Game");
  add(gameMenu, {"New...", CmdNew, QKeySequence("Ctrl+N")});
  gameMenu->addSeparator();
  add(gameMenu, {"Load...", CmdLoad, QKeySequence("Ctrl+L")});
  add(gameMenu, {"Save...", CmdSave, QKeySequence("Ctrl+S")});
  gameMenu->addSeparator();
  add(gameMenu, {"Network...", CmdNetwork, QKeySequence("Ctrl+K")});
  gameMenu->addSeparator();
  QMenu* print = gameMenu->addMenu("Print");
  add(print, {"Game listing...", CmdPrintListing, {}});
  add(print, {"Board...", CmdPrintBoard, {}});
  add(print, {"Mini board...", CmdPrintMiniBoard, {}});
  gameMenu->addSeparator();
  add(gameMenu, {"E&xit", CmdExit, QKeySequence("Alt+F4")});

  QMenu* customize = menuBar()->addMenu("Customize");
  add(customize, {"Appearance...", CmdAppearance, QKeySequence("Ctrl+A")});
  customize->addSeparator();
  add(customize, {"Sound...", CmdSound, QKeySequence("Ctrl+D")});

  QMenu* help = menuBar()->addMenu("Help");
  add(help, {"Rules", CmdRules, QKeySequence("Ctrl+R")});
  help->addSeparator();
  add(help, {"User manual", CmdUserManual, QKeySequence("F1")});
  help->addSeparator();
  QAction* about = add(help, {"&About ...", CmdAbout, QKeySequence("Alt+/")});
  about->setShortcuts({QKeySequence("Alt+/"), QKeySequence("Alt+?")});
  help->addSeparator();
  add(help, {"Velmora home page", CmdHomePage, {}});
}

void MainWindow::reloadSkin() {
  board_->setSkins(makeSkinSet(loadSkin(QString::fromStdString(appearance.skinName), appearance.skinNumber)));
}

void MainWindow::changeEvent(QEvent* event) {
  // The system's colours changed: skins are made again and the window re-placed.
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ThemeChange) {
    reloadSkin();
    placeWindow();
  }
  QMainWindow::changeEvent(event);
}

void MainWindow::dispatch(int command) {
  if (game_.thinking) return;  // the window is disabled while the computer thinks
  switch (command) {
    case CmdExit:
      shutdown();
      QApplication::quit();
      return;
    case CmdPrintListing:
      if (listing_.lines.size() < 2)
        host.messageBox("The listing is empty.", MessageIcon::Information, MessageButtons::Ok);
      return;  // printing arrives with its own dialog
    case CmdHomePage: host.openDocument("Quennet.url"); return;
    case CmdNew: newGame(); return;
    case CmdLoad: promptSaveGame(); return;  // the Load game dialog arrives with saved games
    case CmdRules: openHelp(HelpRules); return;
    case CmdUserManual: openHelp(HelpStart); return;
    case CmdAbout: AboutDialog(this).exec(); return;
    default: return;  // Save, Network, Appearance, Sound and printing arrive with their dialogs
  }
}

void MainWindow::promptSaveGame() {
  if (!game_.gameModified) return;
  if (host.messageBox("Save current game?", MessageIcon::Question, MessageButtons::YesNo))
    dispatch(CmdSave);
  else
    game_.gameModified = 0;
}

void MainWindow::newGame() {
  promptSaveGame();
  NewGameDialog dialog(rememberedChoice(), board_->skins().full, this);
  connect(&dialog, &NewGameDialog::rulesRequested, this, [] { openHelp(HelpRules); });
  if (dialog.exec() != QDialog::Accepted) return;
  startNewGame(game_, listing_, dialog.choice());
  placeWindow();
  refresh();
}

void MainWindow::syncListingBox() {
  QListWidget* box = board_->listingBox();
  syncing_ = true;
  bool same = box->count() == static_cast<int>(listing_.lines.size());
  for (int i = 0; same && i < box->count(); ++i) same = box->item(i)->text().toStdString() == listing_.lines[i];
  if (!same) {
    box->clear();
    for (const auto& line : listing_.lines) box->addItem(QString::fromStdString(line));
  }
  if (box->currentRow() != listing_.selected) box->setCurrentRow(listing_.selected);
  syncing_ = false;
}

void MainWindow::refresh() {
  syncListingBox();
  board_->update();
  updateCursor();
}

void MainWindow::repaintNow() {
  syncListingBox();
  board_->repaint();
  board_->listingBox()->repaint();
}

void MainWindow::listingSelectionChanged(int row) {
  if (syncing_ || row < 0) return;
  listing_.selected = row;
  showListedPosition(game_, scratch_, listing_);
  refresh();
}

void MainWindow::placeWindow() {
  board_->setMinimumSize(board_->layoutSize());
  const QSize wanted = board_->layoutSize();
  if (!isVisible()) {
    QSize screen(1920, 1080);
    if (QScreen* s = QGuiApplication::primaryScreen()) screen = s->availableSize();
    adjustSize();
    const QSize frame = size() - board_->size();
    const QSize whole = wanted + frame;
    setGeometry(std::max(0, screen.width() / 2 - whole.width() / 2),
                std::max(0, screen.height() / 2 - whole.height() / 2), whole.width(), whole.height());
  } else {
    resize(size().expandedTo(size() - board_->size() + wanted));
  }
  board_->placeListingBox();
}

void MainWindow::blinkTick() {
  if (tickBlinking(game_)) board_->update();
}

void MainWindow::clockTick() {
  if (!game_.gameRunning) return;
  PlayerRecord& player = game_.players[listing_.sideToMove()];
  if (player.type == ComputerPlayer) return;
  ++player.clockSeconds;
  board_->update();
}

void MainWindow::turnTick() {
  updateCursor();
  if (!game_.gameRunning) return;
  if (computerShouldMove(game_, listing_)) {
    computerMove(game_, listing_, appearance.showAiProgress != 0);
    refresh();
  }
  // The network exchange for a remote side arrives with network play.
}

void MainWindow::updateCursor() {
  const bool busy = game_.thinking || game_.players[listing_.sideToMove()].type == RemotePlayer;
  board_->setCursor(busy ? Qt::WaitCursor : Qt::ArrowCursor);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // The arrow keys move through the listing wherever the focus is. A key the
  // listing does not take comes back up to this window: it stops here.
  if (forwardingKey_) {
    event->ignore();
    return;
  }
  forwardingKey_ = true;
  QApplication::sendEvent(board_->listingBox(), event);
  forwardingKey_ = false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closed from the window manager while the computer thinks: the search
  // gives up at its next root move.
  game_.thinking = 0;
  game_.gameRunning = 0;
  if (game_.gameModified && host.messageBox("Save current game?", MessageIcon::Question, MessageButtons::YesNo))
    dispatch(CmdSave);
  shutdown();
  event->accept();
}

void MainWindow::shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  blinkTimer_.stop();
  clockTimer_.stop();
  turnTimer_.stop();
  if (!settingsPath_.empty()) saveSettings(settingsPath_);
}

}  // namespace velmora
