#include "shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <memory>

#include "core/game/commands.h"
#include "core/game/computer_move.h"
#include "core/game/game_state.h"
#include "core/game/help.h"
#include "core/game/hint.h"
#include "core/game/load_game.h"
#include "core/game/mouse_entry.h"
#include "core/game/play.h"
#include "core/game/settings.h"
#include "core/game/status_line.h"
#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "core/platform/user_name.h"
#include "core/records/listing.h"
#include "core/records/saved_game.h"
#include "core/rules/game_result.h"
#include "core/rules/position_text.h"
#include "core/view/appearance.h"
#include "shell/analysis_runner.h"
#include "shell/board_widget.h"
#include "shell/clocks.h"
#include "shell/computer_thinker.h"
#include "shell/dialogs/appearance_dialog.h"
#include "shell/dialogs/load_game_dialog.h"
#include "shell/dialogs/network_dialog.h"
#include "shell/dialogs/new_game_dialog.h"
#include "shell/dialogs/save_game_dialog.h"
#include "shell/dxp_engine.h"
#include "shell/endgame_library.h"
#include "shell/evaluation_panel.h"
#include "shell/help_window.h"
#include "shell/network_game.h"
#include "shell/outside_engine.h"
#include "shell/paint/app_icon.h"
#include "shell/paint/printing.h"
#include "shell/setup_mode.h"
#include "shell/system/language.h"
#include "shell/window_placement.h"

namespace velmora {

MainWindow::MainWindow(GameState& game, GameState& scratch, MoveListing& listing, std::string settingsPath,
                       std::string endgameFolder, int endgamePieces)
    : game_(game),
      scratch_(scratch),
      listing_(listing),
      turn_(game, listing),
      board_(new BoardWidget(game, listing, this)),
      thinker_(new ComputerThinker([this](std::function<void()> event) { deliver(std::move(event)); }, this)),
      outside_(new OutsideEngine([this](std::function<void()> event) { deliver(std::move(event)); }, this)),
      dxp_(new DxpEngine([this](std::function<void()> event) { deliver(std::move(event)); }, this)),
      network_(new NetworkGame(game, listing,
                               {[this](bool busy) { setBusy(busy); }, [this] { refresh(); }, [this] { placeWindow(); },
                                [this](std::function<void()> event) { deliver(std::move(event)); }},
                               this)),
      endgames_(new EndgameLibrary(std::move(endgameFolder), endgamePieces, this)),
      evaluation_(std::make_unique<EvaluationPanel>(
          game, listing, board_, *endgames_, [this](std::function<void()> event) { deliver(std::move(event)); })),
      analysis_(std::make_unique<AnalysisRunner>(
          game, listing, this, *endgames_, [this](std::function<void()> event) { deliver(std::move(event)); },
          [this](bool on) {
            turn_.setAnalysing(on);
            setBusy(on);
          },
          [this] { refresh(); })),
      setup_(new SetupMode(game, listing, scratch, turn_,
                           {this, board_, [this](const std::function<void()>& replace) { replaceGame(replace); },
                            [this](GameState& g, MoveListing& l) { return promptSaveGame(g, l); },
                            [this] { placeWindow(); }, [this] { refresh(); }},
                           this)),
      clocks_(new Clocks(
          game, listing, turn_, [this] { board_->update(); }, this)),
      settingsPath_(std::move(settingsPath)) {
  statusScratch_ = std::make_unique<GameState>();
  setWindowTitle("Velmora");
  setWindowIcon(appIcon());
  appearance = defaultAppearance;
  if (!settingsPath_.empty()) loadSettings(settingsPath_, loginName());
  applyLanguage(languageSettings.language);
  setCentralWidget(board_);
  // The keys go to the listing until the player tabs to the board.
  board_->listingBox()->setFocus();
  createMenus();
  reloadSkin();
  connect(board_->listingBox(), &QListWidget::currentRowChanged, this, &MainWindow::listingSelectionChanged);

  // The status bar is there only while the endgame databases are on their way.
  endgameLabel_ = new QLabel(this);
  endgameBar_ = new QProgressBar(this);
  endgameBar_->setRange(0, 100);
  endgameBar_->setMaximumWidth(160);
  statusBar()->addWidget(endgameLabel_, 1);
  statusBar()->addPermanentWidget(endgameBar_);
  statusBar()->setSizeGripEnabled(false);
  statusBar()->hide();
  connect(endgames_, &EndgameLibrary::progressChanged, this, &MainWindow::showEndgameProgress);
  // A set now whole: the score beside the board is judged again by it.
  connect(endgames_, &EndgameLibrary::setReady, this, [this] {
    evaluation_->stop();
    refresh();
  });

  connect(&turnTimer_, &QTimer::timeout, this, &MainWindow::turnTick);
  turnTimer_.start(100);

  // No game until one is started: the remembered variant's start position.
  setUpBoard(game_, lastGame.gameType);
  game_.plyCount = 0;
  placeWindow();
  seedComputerRandom(static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
          .count()));
}

MainWindow::~MainWindow() {
  endgames_->stop();
  thinker_->stop();
  outside_->stop();
  dxp_->stop();
  dxp_->close();
  evaluation_->stop();
  analysis_->abandon();
  network_->end();
  // A sound or pause still to come must find the move over, not a game gone.
  finishShowingMove(game_);
  turn_.gameReplaced();
  shutdown(false);
}

HostWindow MainWindow::hostWindow() {
  HostWindow hooks;
  hooks.widget = this;
  hooks.refresh = [this] { scheduleRefresh(); };
  hooks.repaintNow = [this] { refresh(); };
  hooks.setBusy = [this](bool busy) { setBusy(busy); };
  hooks.updateCursor = [this] { updateCursor(); };
  hooks.deliver = [this](std::function<void()> event) { deliver(std::move(event)); };
  hooks.escapePressed = [this] { escapePressed(); };
  hooks.showManualPage = [this](const std::string& page) {
    if (!help_) help_ = new HelpWindow(this);
    help_->showPage(QString::fromStdString(page));
  };
  return hooks;
}

bool MainWindow::event(QEvent* event) {
  // A modal window over this one: nothing starts until it closes, and what
  // arrived meanwhile runs once its event loop has returned.
  if (event->type() == QEvent::WindowBlocked) turn_.modalOpened();
  if (event->type() == QEvent::WindowUnblocked) {
    turn_.modalClosed();
    QTimer::singleShot(0, this, [this] { turn_.runWaiting(); });
  }
  // Moved to a screen of another size or density: the board is placed for
  // that screen, and its skin is drawn there at the screen's density.
  if (event->type() == QEvent::Show && windowHandle() && !followingScreen_) {
    followingScreen_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this] {
      placeWindow();
      board_->update();
    });
  }
  return QMainWindow::event(event);
}

NetworkFacts MainWindow::networkFacts() const {
  return {network_->active(), network_->transferring(), network_->wantsExchange()};
}

void MainWindow::abandonThinking() {
  thinker_->stop();
  outside_->stop();
  dxp_->stop();
  if (!game_.thinking) return;
  game_.thinking = 0;
  setBusy(false);
  setWindowTitle(QString::fromStdString(plainWindowTitle()));
}

void MainWindow::replaceGame(const std::function<void()>& replace) {
  abandonThinking();
  evaluation_->stop();
  analysis_->abandon();
  analysis_->forget();
  network_->end();
  finishShowingMove(game_);
  turn_.gameReplaced();
  clocks_->gameReplaced();
  playing_ = nullptr;
  replace();
  // Unless the new game is one against it, a DamExchange program is let go;
  // a new one against it is proposed on the same connection.
  if (playing_ != dxp_) dxp_->close();
  placeWindow();
  refresh();
}

void MainWindow::reloadSkin() {
  const QImage skin = loadSkin(QString::fromStdString(appearance.skinName), appearance.skinNumber);
  // A skin that could not be read has fallen back to a built-in one.
  board_->setSkins(makeSkinSet(skin, appearance.skinName.empty() ? appearance.skinNumber : -1));
}

void MainWindow::showAppearance() {
  AppearanceDialog dialog(game_, listing_, this);
  connect(&dialog, &AppearanceDialog::applied, this, [this] {
    reloadSkin();
    placeWindow();
    deliver([this] { refresh(); });
  });
  dialog.exec();
}

void MainWindow::changeEvent(QEvent* event) {
  // The system's colours changed: skins are made again and the window re-placed.
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ThemeChange) {
    reloadSkin();
    placeWindow();
  }
  QMainWindow::changeEvent(event);
}

bool MainWindow::promptSaveGame(GameState& game, MoveListing& listing) {
  // A game of no moves from the variant's own start holds nothing to lose.
  if (!game.gameModified || (listing.moveCount() == 0 && !game.start.custom)) return true;
  if (!host.messageBox(say("Save current game?"), MessageIcon::Question, MessageButtons::YesNo)) {
    game.gameModified = 0;
    return true;
  }
  return saveGame(game, listing);
}

bool MainWindow::saveGame(GameState& game, MoveListing& listing) {
  const auto name = runSaveDialog(game, this);
  return name && saveGameFile(game, listing, savedGamePath(".", *name));
}

void MainWindow::exportBoard() {
  const QString folder = QString::fromStdString(exportSettings.folder);
  const QString path = QFileDialog::getSaveFileName(this, ui("Export board picture"), folder,
                                                    ui("PNG picture (*.png);;SVG picture (*.svg)"));
  if (path.isEmpty()) return;
  bool ok = false;
  const int size =
      QInputDialog::getInt(this, ui("Export board picture"), ui("Size in pixels:"), 512, 64, 8192, 64, &ok);
  if (!ok) return;
  exportSettings.folder = QFileInfo(path).absolutePath().toStdString();
  QString error;
  if (!exportBoardPicture(path, size, game_, board_->skins(), &error))
    host.messageBox(error.toStdString(), MessageIcon::Error, MessageButtons::Ok);
}

bool MainWindow::gameCommandsEnabled() const { return !busy_ && menuBar()->isEnabled(); }

void MainWindow::setBusy(bool busy) {
  // A disabled board loses the keys; whoever played by keys gets them back
  // with the next turn, not after a Tab.
  const QWidget* focus = QApplication::focusWidget();
  if (busy && focus && (focus == board_ || board_->isAncestorOf(focus))) keysOnBoard_ = focus == board_;
  busy_ = busy;
  updateCommands();
  board_->setEnabled(!busy);
  if (!busy && keysOnBoard_) board_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::loadGame() {
  if (!promptSaveGame(game_, listing_)) return;
  LoadGameDialog dialog(scratch_, board_->skins().full, this);
  if (dialog.exec() != QDialog::Accepted) return;
  // The preview is taken out of the scratch state at once: anything that
  // rebuilds a position on the way (ending a network game refreshes the
  // window) would otherwise replace it with the old game's.
  const auto loaded = std::make_unique<GameState>(scratch_);
  replaceGame([&] { takeOverLoadedGame(game_, listing_, *loaded); });
}

void MainWindow::newGame() {
  if (!promptSaveGame(game_, listing_)) return;
  NewGameDialog dialog(rememberedChoice(), board_->skins().full, this);
  connect(&dialog, &NewGameDialog::rulesRequested, this, [] { openHelp(HelpRules); });
  if (dialog.exec() != QDialog::Accepted) return;
  replaceGame([this, choice = dialog.choice()] { startNewGame(game_, listing_, choice); });
}

void MainWindow::syncListingBox() {
  QListWidget* box = board_->listingBox();
  syncing_ = true;
  const std::vector<std::string> lines = analysis_->shownLines();
  bool same = box->count() == static_cast<int>(lines.size());
  for (int i = 0; same && i < box->count(); ++i) same = box->item(i)->text().toStdString() == lines[i];
  if (!same) {
    box->clear();
    for (const auto& line : lines) box->addItem(QString::fromStdString(line));
  }
  if (box->currentRow() != listing_.selected) box->setCurrentRow(listing_.selected);
  syncing_ = false;
}

void MainWindow::scheduleRefresh() {
  if (refreshPosted_) return;
  refreshPosted_ = true;
  QTimer::singleShot(0, this, [this] {
    refreshPosted_ = false;
    refresh();
  });
}

void MainWindow::refresh() {
  syncListingBox();
  updateCommands();
  // The marks the board shows follow the selection and the listing; painting
  // only reads them.
  computeMoveHints(game_, listing_, appearance.showLegalMoves != 0);
  computeLastMoveMarks(game_, listing_, appearance.showLastMove != 0);
  board_->describeForScreenReaders();
  wantEndgames(false);
  // Not in a network game: the Expert's line would play for one side, as a
  // hint would.
  evaluation_->update(evaluationSettings.show && !settingUp() && !network_->active());
  updateStatus();
  board_->update();
  updateCursor();
  // A DamExchange program hears how the game it plays has ended.
  if (playing_ == dxp_ && !game_.gameRunning && !game_.thinking && listing_.atLastLine()) {
    // Judged on a copy: the game's own legal moves are left alone.
    *statusScratch_ = game_;
    if (const GameResult end = gameResult(*statusScratch_, listing_.sideToMove(), listing_.moveCount());
        end != GameGoesOn)
      dxp_->finishGame(game_, end, game_.players[White].type == HumanPlayer ? White : Black);
  }
}

void MainWindow::updateStatus() {
  StatusFacts facts;
  facts.settingUp = settingUp();
  facts.analysing = analysis_->running();
  facts.paused = turn_.paused();
  facts.awaitingPeer = network_->active() && game_.players[listing_.sideToMove()].type == RemotePlayer;
  if (game_.thinking && (thinker_->running() || (playing_ && playing_->running()))) {
    const EngineProgress& p = playing_ && playing_->running() ? playing_->lastProgress() : thinker_->lastProgress();
    facts.depth = p.depth;
    facts.whiteScore = listing_.sideToMove() == White ? p.score : -p.score;
  }
  if (!hintOutcome_.empty() && hintPosition_ == writePosition(game_) + " " + std::to_string(listing_.shownMoves()))
    facts.hint = hintOutcome_;
  board_->setStatus(QString::fromStdString(statusLine(game_, listing_, facts, *statusScratch_)));
}

void MainWindow::placeWindow() {
  placeMainWindow(*this, *board_, game_.boardSize, placedBoardSize_ != 0 && placedBoardSize_ != game_.boardSize);
  placedBoardSize_ = game_.boardSize;
}

void MainWindow::listingSelectionChanged(int row) {
  if (syncing_ || row < 0) return;
  if (game_.thinking || game_.showingMove) {  // the listing waits as the board does
    syncListingBox();
    return;
  }
  listing_.selected = row;
  showListedPosition(game_, scratch_, listing_);
  refresh();
}

bool MainWindow::settingUp() const { return setup_->active(); }
const PositionScore& MainWindow::shownScore() const { return evaluation_->score(); }
bool MainWindow::analysing() const { return analysis_->running(); }

void MainWindow::turnTick() {
  // Behind a modal window the game waits; an analysis has the title.
  if (turn_.holding() || turn_.activity(networkFacts()) == Activity::Analysing) return;
  updateCursor();
  if (turn_.paused()) showPause();
  switch (turn_.onTick(networkFacts())) {
    case TurnStart::NetworkExchange: network_->exchange(); return;
    case TurnStart::ComputerMove: startComputerMove(); return;
    case TurnStart::Nothing: return;
  }
}

void MainWindow::escapePressed() {
  // An analysis is cancelled without a question: what it did is kept.
  if (analysis_->running()) {
    analysis_->cancel();
    return;
  }
  // Escape leaves a set-up as Cancel does: the game before it comes back.
  if (setup_->active()) {
    setup_->cancel();
    return;
  }
  if (!turn_.escapeAsksBreak(networkFacts())) return;
  // From the press on, the worker's reports wait for the answer; the
  // question itself opens once the key event has been handled.
  turn_.breakQuestionOpened();
  QTimer::singleShot(0, this, &MainWindow::askBreak);
}

void MainWindow::askBreak() {
  if (game_.thinking) {
    if (askBreakComputerMove(game_)) {
      thinker_->breakOff();
      if (playing_) playing_->breakOff();
    }
  } else if (network_->transferring()) {
    network_->askBreak();
  }
  turn_.breakQuestionClosed();
  turn_.runWaiting();
}

void MainWindow::startNetworkGame() {
  // A new connection begins by dropping the one before.
  network_->end();
  NetworkDialog dialog(game_, listing_, board_->skins().full, this);
  connect(&dialog, &NetworkDialog::helpRequested, this, [] { openHelp(HelpNetwork); });
  if (dialog.exec() != QDialog::Accepted) return;
  const bool server = dialog.server();
  int serverSide = 0;
  replaceGame([&] {
    if (server) {
      serverSide = prepareServerGame(game_, listing_, dialog.choice(), dialog.name());
    } else {
      prepareClientGame(game_, listing_);
    }
  });
  network_->start(dialog.takeSocket(), server, dialog.name(), serverSide);
}

void MainWindow::startComputerMove() {
  if (playing_) {
    startEngineMove();
    return;
  }
  const auto done = [this] { refresh(); };
  if (!beginComputerMove(game_, listing_, done)) {
    refresh();
    return;
  }
  refresh();
  thinker_->start(
      game_,
      [this](int percent) {
        showComputerProgress(game_, percent, appearance.showAiProgress != 0);
        updateStatus();
        board_->update();
      },
      [this, done](ComputerChoice choice) { finishComputerMove(game_, listing_, choice, done); },
      endgames_->setFor(game_));
  // Escape already held down when the thinking begins counts as a press.
  if (host.escapeDown()) escapePressed();
}

void MainWindow::showHint() {
  if (!hintAvailable(game_, listing_) || thinker_->running() || outside_->running()) return;
  if (engineAdvises()) {
    showEngineHint();
    return;
  }
  // The Expert thinks for the person to move on the worker, within a
  // second; meanwhile the board takes no move.
  wantEndgames(true);
  auto search = std::make_unique<GameState>(game_);
  prepareHintSearch(*search, listing_);
  setBusy(true);
  thinker_->start(
      *search, [](int) {},
      [this](ComputerChoice choice) {
        setBusy(false);
        if (choice.result == 1) {
          markHint(game_, listing_, choice.bestRootIndex);
          tellHintOutcome(choice.bestRootIndex);
        }
        refresh();
      },
      endgames_->setFor(*search));
}

void MainWindow::tellHintOutcome(int index) {
  hintOutcome_.clear();
  const EndgameSet* endgames = endgames_->setFor(game_);
  if (!endgames) return;
  auto after = std::make_unique<GameState>(game_);
  after->plyCount = listing_.shownMoves();
  if (const auto known = outcomeAfterHint(*after, listing_.sideToMove(), index, *endgames)) {
    hintOutcome_ = endgameVerdict(*known);
    hintPosition_ = writePosition(game_) + " " + std::to_string(listing_.shownMoves());
  }
}

void MainWindow::wantEndgames(bool asked) {
  const bool expertPlays = game_.gameRunning && game_.expertMoveTimeMs > 0 &&
                           (game_.players[White].type == ComputerPlayer || game_.players[Black].type == ComputerPlayer);
  const bool scoreShown = evaluationSettings.show && !settingUp() && !network_->active();
  if (asked || expertPlays || scoreShown) endgames_->want(game_, say(gameTypeName(game_.gameType)));
}

void MainWindow::showEndgameProgress() {
  const EndgameLibrary::Progress& p = endgames_->progress();
  if (p.active) {
    endgameLabel_->setText(QString::fromStdString(fillIn(
        p.making ? say("Making the endgame databases for %1") : say("Reading the endgame databases for %1"), p.name)));
    endgameBar_->setValue(p.percent);
  }
  if (p.active == statusBar()->isVisible()) return;
  const int bar = statusBar()->sizeHint().height();
  const QSize before = size();
  statusBar()->setVisible(p.active);
  // The window grows by the bar while it is there and gives the room back
  // after, so the board keeps its size. The least size follows at once, and
  // may already have grown the window by itself.
  if (layout()) layout()->activate();
  if (isVisible() && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
    resize(before.width(), before.height() + (p.active ? bar : -bar));
}

void MainWindow::updateCursor() {
  const bool busy = game_.thinking || game_.showingMove || game_.players[listing_.sideToMove()].type == RemotePlayer;
  board_->setCursor(busy ? Qt::WaitCursor : Qt::ArrowCursor);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // The menu and its shortcuts are greyed while the computer thinks, which
  // is when a game of two computers is paused: the window takes the key.
  if ((event->key() == Qt::Key_P || event->key() == Qt::Key_Pause) && event->modifiers() == Qt::NoModifier &&
      game_.thinking) {
    dispatch(CmdPause);
    return;
  }
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
  // Closed while the computer thinks: its search is abandoned at once. A
  // capture being shown is shown whole. A network game ends.
  network_->end();
  if (game_.thinking) game_.gameRunning = 0;
  abandonThinking();
  evaluation_->stop();
  analysis_->abandon();
  finishShowingMove(game_);
  setup_->cancel();  // the save prompt is about the game, not the set-up
  if (!promptSaveGame(game_, listing_)) {
    event->ignore();
    return;
  }
  // A making broken off keeps the tables it finished; the next start goes on.
  endgames_->stop();
  shutdown(true);
  event->accept();
}

void MainWindow::keepNoSettings(const std::string& why) {
  settingsPath_.clear();
  QTimer::singleShot(0, this, [why] {
    host.messageBox(say("Velmora cannot keep its settings; it plays without them.") + "\n" + why, MessageIcon::Error,
                    MessageButtons::Ok);
  });
}

void MainWindow::shutdown(bool tell) {
  if (shutDown_) return;
  shutDown_ = true;
  clocks_->stop();
  turnTimer_.stop();
  std::string error;
  if (settingsPath_.empty() || saveSettings(settingsPath_, &error)) return;
  const std::string text = say("The settings were not saved:") + "\n" + error;
  std::fprintf(stderr, "velmora: %s\n", text.c_str());
  if (tell) host.messageBox(text, MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace velmora
