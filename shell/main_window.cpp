#include "shell/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

#include "core/ai/analysis.h"
#include "core/game/commands.h"
#include "core/game/computer_move.h"
#include "core/game/game_state.h"
#include "core/game/help.h"
#include "core/game/hint.h"
#include "core/game/load_game.h"
#include "core/game/mouse_entry.h"
#include "core/game/play.h"
#include "core/game/settings.h"
#include "core/game/sound.h"
#include "core/game/take_back.h"
#include "core/net/protocol.h"
#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "core/platform/user_name.h"
#include "core/records/listing.h"
#include "core/records/saved_game.h"
#include "core/rules/position_text.h"
#include "core/view/appearance.h"
#include "core/view/layout.h"
#include "shell/board_widget.h"
#include "shell/computer_thinker.h"
#include "shell/dialogs/about_dialog.h"
#include "shell/dialogs/appearance_dialog.h"
#include "shell/dialogs/load_game_dialog.h"
#include "shell/dialogs/network_dialog.h"
#include "shell/dialogs/new_game_dialog.h"
#include "shell/dialogs/save_game_dialog.h"
#include "shell/dialogs/sound_dialog.h"
#include "shell/expert_worker.h"
#include "shell/help_window.h"
#include "shell/network_game.h"
#include "shell/paint/app_icon.h"
#include "shell/paint/printing.h"
#include "shell/system/language.h"

namespace velmora {

MainWindow::MainWindow(GameState& game, GameState& scratch, MoveListing& listing, std::string settingsPath)
    : game_(game),
      scratch_(scratch),
      listing_(listing),
      board_(new BoardWidget(game, listing, this)),
      thinker_(new ComputerThinker([this](std::function<void()> event) { deliver(std::move(event)); }, this)),
      evaluator_(new ExpertWorker([this](std::function<void()> event) { deliver(std::move(event)); },
                                  std::size_t{1} << 18, this)),
      analyser_(new ExpertWorker([this](std::function<void()> event) { deliver(std::move(event)); },
                                 std::size_t{1} << 20, this)),
      network_(new NetworkGame(game, listing,
                               {[this](bool busy) { setBusy(busy); }, [this] { refresh(); }, [this] { placeWindow(); },
                                [this](std::function<void()> event) { deliver(std::move(event)); }},
                               this)),
      turn_(game, listing),
      settingsPath_(std::move(settingsPath)) {
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

  connect(&blinkTimer_, &QTimer::timeout, this, &MainWindow::blinkTick);
  connect(&clockTimer_, &QTimer::timeout, this, &MainWindow::clockTick);
  connect(&turnTimer_, &QTimer::timeout, this, &MainWindow::turnTick);
  blinkTimer_.start(20);
  clockTimer_.start(200);
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
  thinker_->stop();
  evaluator_->stop();
  analyser_->stop();
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
  if (!game_.thinking) return;
  game_.thinking = 0;
  setBusy(false);
  setWindowTitle(QString::fromStdString(plainWindowTitle()));
}

void MainWindow::replaceGame(const std::function<void()>& replace) {
  abandonThinking();
  stopEvaluation();
  abandonAnalysis();
  analysedLines_.clear();
  analysisMarks_.clear();
  network_->end();
  finishShowingMove(game_);
  turn_.gameReplaced();
  replace();
  placeWindow();
  refresh();
}

void MainWindow::createMenus() {
  struct Item {
    const char* text;
    int command;
    QKeySequence keys;
  };
  const auto add = [this](QMenu* menu, const Item& item) {
    QAction* action = menu->addAction(ui(item.text));
    action->setObjectName(QString("id%1").arg(item.command));
    // Alt+F4 is the window manager's: shown in the menu, it closes the window
    // like any other close, through the save prompt.
    if (item.command == CmdExit) {
      action->setText(action->text() + "\t" + item.keys.toString(QKeySequence::NativeText));
    } else {
      action->setShortcut(item.keys);
      action->setShortcutContext(Qt::ApplicationShortcut);
    }
    connect(action, &QAction::triggered, this, [this, c = item.command] { dispatch(c); });
    return action;
  };
  QMenu* gameMenu = menuBar()->addMenu(ui("Game"));
  add(gameMenu, {N_("New..."), CmdNew, QKeySequence("Ctrl+N")});
  add(gameMenu, {N_("Continue game"), CmdContinue, {}});
  add(gameMenu, {N_("Take back"), CmdTakeBack, QKeySequence("Ctrl+Z")});
  add(gameMenu, {N_("Play on"), CmdPlayOn, QKeySequence("Ctrl+Y")});
  add(gameMenu, {N_("Hint"), CmdHint, QKeySequence("H")});
  add(gameMenu, {N_("Analyse game"), CmdAnalyse, {}});
  QAction* pause = add(gameMenu, {N_("Pause"), CmdPause, QKeySequence("P")});
  pause->setShortcuts({QKeySequence("P"), QKeySequence(Qt::Key_Pause)});
  pause->setCheckable(true);

  gameMenu->addSeparator();
  add(gameMenu, {N_("Load..."), CmdLoad, QKeySequence("Ctrl+L")});
  add(gameMenu, {N_("Save..."), CmdSave, QKeySequence("Ctrl+S")});
  gameMenu->addSeparator();
  add(gameMenu, {N_("Export PDN..."), CmdExportPdn, {}});
  add(gameMenu, {N_("Import PDN..."), CmdImportPdn, {}});
  add(gameMenu, {N_("Copy position (FEN)"), CmdCopyFen, QKeySequence("Ctrl+Shift+C")});
  add(gameMenu, {N_("Paste position (FEN)"), CmdPasteFen, QKeySequence("Ctrl+Shift+V")});
  add(gameMenu, {N_("Set up position..."), CmdSetUp, QKeySequence("Ctrl+E")});
  gameMenu->addSeparator();
  add(gameMenu, {N_("Network..."), CmdNetwork, QKeySequence("Ctrl+K")});
  gameMenu->addSeparator();
  QMenu* print = gameMenu->addMenu(ui("Print"));
  add(print, {N_("Game listing..."), CmdPrintListing, {}});
  add(print, {N_("Board..."), CmdPrintBoard, {}});
  add(print, {N_("Mini board..."), CmdPrintMiniBoard, {}});
  add(gameMenu, {N_("Export board picture..."), CmdExportBoard, {}});
  gameMenu->addSeparator();
  add(gameMenu, {N_("E&xit"), CmdExit, QKeySequence("Alt+F4")});

  QMenu* customize = menuBar()->addMenu(ui("Customize"));
  add(customize, {N_("Appearance..."), CmdAppearance, QKeySequence("Ctrl+A")});
  customize->addSeparator();
  add(customize, {N_("Sound..."), CmdSound, QKeySequence("Ctrl+D")});
  customize->addSeparator();
  QAction* oneClick = add(customize, {N_("One-click moves"), CmdOneClick, {}});
  oneClick->setCheckable(true);
  oneClick->setChecked(entrySettings.oneClick != 0);
  QAction* evaluation = add(customize, {N_("Show evaluation"), CmdEvaluation, {}});
  evaluation->setCheckable(true);
  evaluation->setChecked(evaluationSettings.show != 0);
  customize->addSeparator();
  // Each language by its own name, so that a player lost in a foreign one finds theirs.
  QMenu* languages = customize->addMenu(ui("Language"));
  languages->setObjectName("languageMenu");
  auto* choice = new QActionGroup(languages);
  const auto offer = [&](const QString& name, const std::string& code) {
    QAction* a = languages->addAction(name);
    a->setObjectName(QString("language_%1").arg(code.empty() ? "system" : QString::fromStdString(code)));
    a->setCheckable(true);
    a->setChecked(languageSettings.language == code);
    choice->addAction(a);
    connect(a, &QAction::triggered, this, [this, code] { chooseLanguage(code); });
  };
  offer(ui("The system's language"), "");
  languages->addSeparator();
  for (const Language& l : kLanguages) offer(QString::fromUtf8(l.name), l.code);

  QMenu* help = menuBar()->addMenu(ui("Help"));
  add(help, {N_("Rules"), CmdRules, QKeySequence("Ctrl+R")});
  help->addSeparator();
  add(help, {N_("User manual"), CmdUserManual, QKeySequence("F1")});
  help->addSeparator();
  QAction* about = add(help, {N_("&About ..."), CmdAbout, QKeySequence("Alt+/")});
  about->setShortcuts({QKeySequence("Alt+/"), QKeySequence("Alt+?")});
  help->addSeparator();
  add(help, {N_("Velmora home page"), CmdHomePage, {}});
}

void MainWindow::chooseLanguage(const std::string& code) {
  languageSettings.language = code;
  if (!applyLanguage(code))
    host.messageBox("The translation could not be read; the texts stay English.", MessageIcon::Information,
                    MessageButtons::Ok);
  // The menus are made again in the new language; dialogs take it as they open.
  for (QMenu* menu : menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) delete menu;
  menuBar()->clear();
  createMenus();
  setWindowTitle(QString::fromStdString(plainWindowTitle()));
  refresh();
  placeWindow();
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
    refresh();
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

void MainWindow::dispatch(int command) {
  if (command == CmdExit) {
    close();  // through the save prompt, as every way of closing
    return;
  }
  // Pause is taken while the computer thinks: it acts after the move.
  if (command == CmdPause) {
    turn_.togglePause();
    showPause();
    refresh();
    return;
  }
  // The game is busy, or a position is being set up: its commands wait.
  if (!turn_.commandsAllowed(networkFacts()) || settingUp() || thinker_->running() || analyser_->running()) return;
  switch (command) {
    case CmdHomePage: host.openDocument(homePageTarget(kHomePageLinkFile)); return;
    case CmdNew: newGame(); return;
    case CmdContinue:
      continueGame(game_, scratch_, listing_);
      refresh();
      return;
    case CmdTakeBack:
      takeBack(game_, scratch_, listing_);
      refresh();
      return;
    case CmdPlayOn:
      playOn(game_, scratch_, listing_);
      refresh();
      return;
    case CmdOneClick:
      entrySettings.oneClick = !entrySettings.oneClick;
      refresh();
      return;
    case CmdEvaluation:
      evaluationSettings.show = !evaluationSettings.show;
      refresh();
      return;
    case CmdAnalyse: startAnalysis(); return;
    case CmdPrintListing:
      if (listing_.lines.size() < 2)
        host.messageBox(say("The listing is empty."), MessageIcon::Information, MessageButtons::Ok);
      else
        printGame(PrintListing, this, game_, listing_, board_->skins());
      return;
    case CmdPrintBoard: printGame(PrintBoard, this, game_, listing_, board_->skins()); return;
    case CmdPrintMiniBoard: printGame(PrintMiniBoard, this, game_, listing_, board_->skins()); return;
    case CmdExportBoard: exportBoard(); return;
    case CmdLoad: loadGame(); return;
    case CmdExportPdn: exportPdn(); return;
    case CmdImportPdn: importPdn(); return;
    case CmdCopyFen: copyFen(); return;
    case CmdPasteFen: pasteFen(); return;
    case CmdSetUp: beginSetup(); return;
    case CmdHint: showHint(); return;
    case CmdSave: saveGame(); return;
    case CmdNetwork: startNetworkGame(); return;
    case CmdRules: openHelp(HelpRules); return;
    case CmdUserManual: openHelp(HelpStart); return;
    case CmdAbout: AboutDialog(this).exec(); return;
    case CmdAppearance: showAppearance(); return;
    case CmdSound: SoundDialog(soundEvents, this).exec(); return;
    default:
      // Every item of the menu is handled above: another number is a fault
      // of the caller, said rather than swallowed.
      std::fprintf(stderr, "velmora: unknown command %d\n", command);
      return;
  }
}

bool MainWindow::promptSaveGame() {
  if (!game_.gameModified) return true;
  if (!host.messageBox(say("Save current game?"), MessageIcon::Question, MessageButtons::YesNo)) {
    game_.gameModified = 0;
    return true;
  }
  return saveGame();
}

bool MainWindow::saveGame() {
  const auto name = runSaveDialog(game_, this);
  return name && saveGameFile(game_, listing_, savedGamePath(".", *name));
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

void MainWindow::setBusy(bool busy) {
  menuBar()->setEnabled(!busy);
  board_->setEnabled(!busy);
}

void MainWindow::loadGame() {
  if (!promptSaveGame()) return;
  LoadGameDialog dialog(scratch_, board_->skins().full, this);
  if (dialog.exec() != QDialog::Accepted) return;
  // The preview is taken out of the scratch state at once: anything that
  // rebuilds a position on the way (ending a network game refreshes the
  // window) would otherwise replace it with the old game's.
  const auto loaded = std::make_unique<GameState>(scratch_);
  replaceGame([&] { takeOverLoadedGame(game_, listing_, *loaded); });
}

void MainWindow::newGame() {
  if (!promptSaveGame()) return;
  NewGameDialog dialog(rememberedChoice(), board_->skins().full, this);
  connect(&dialog, &NewGameDialog::rulesRequested, this, [] { openHelp(HelpRules); });
  if (dialog.exec() != QDialog::Accepted) return;
  replaceGame([this, choice = dialog.choice()] { startNewGame(game_, listing_, choice); });
}

std::vector<std::string> MainWindow::shownLines() const {
  std::vector<std::string> lines = listing_.lines;
  for (std::size_t i = 0; i < lines.size() && i < analysedLines_.size() && lines[i] == analysedLines_[i]; ++i)
    if (i >= 1 && i - 1 < analysisMarks_.size()) lines[i] += analysisMarks_[i - 1];
  return lines;
}

void MainWindow::syncListingBox() {
  QListWidget* box = board_->listingBox();
  syncing_ = true;
  const std::vector<std::string> lines = shownLines();
  bool same = box->count() == static_cast<int>(lines.size());
  for (int i = 0; same && i < box->count(); ++i) same = box->item(i)->text().toStdString() == lines[i];
  if (!same) {
    box->clear();
    for (const auto& line : lines) box->addItem(QString::fromStdString(line));
  }
  if (box->currentRow() != listing_.selected) box->setCurrentRow(listing_.selected);
  syncing_ = false;
}

QAction* MainWindow::action(int command) const { return findChild<QAction*>(QString("id%1").arg(command)); }

void MainWindow::updateCommands() {
  action(CmdContinue)->setEnabled(gameCanGoOn(game_, scratch_, listing_));
  action(CmdTakeBack)->setEnabled(takeBackLine(game_, listing_) >= 0);
  action(CmdPlayOn)->setEnabled(playOnLine(game_, listing_) >= 0);
  // Only a game of two computers runs on by itself to be paused; a new game
  // of any other kind ends the pause.
  if (turn_.paused() && !turn_.pauseOffered()) {
    turn_.dropPauseUnlessComputers();
    showPause();
  }
  action(CmdPause)->setEnabled(turn_.pauseOffered());
  action(CmdSetUp)->setEnabled(!network_->active());
  action(CmdHint)->setEnabled(hintAvailable(game_, listing_) && !thinker_->running());
  action(CmdPause)->setChecked(turn_.paused());
  action(CmdOneClick)->setChecked(entrySettings.oneClick != 0);
  action(CmdEvaluation)->setChecked(evaluationSettings.show != 0);
  // Not over the network: the exchange of moves would wait for the analysis.
  action(CmdAnalyse)
      ->setEnabled(listing_.moveCount() > 0 && !network_->active() && !thinker_->running() && !analyser_->running());
}

void MainWindow::showPause() {
  // The computer's progress has the title while it thinks; the pause takes
  // it when the move is over.
  if (game_.thinking) return;
  const QString title = QString::fromStdString(plainWindowTitle() + (turn_.paused() ? " - " + say("Paused") : ""));
  if (windowTitle() != title) setWindowTitle(title);
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
  updateEvaluation();
  board_->update();
  updateCursor();
}

bool MainWindow::analysing() const { return analyser_->running(); }

void MainWindow::abandonAnalysis() {
  if (!analyser_->running()) return;
  analyser_->stop();
  setBusy(false);
  setWindowTitle(QString::fromStdString(plainWindowTitle()));
}

void MainWindow::stopEvaluation() {
  evaluator_->stop();
  evaluatedKey_.clear();
  shownScore_ = PositionScore{};
}

void MainWindow::updateEvaluation() {
  if (!evaluationSettings.show || settingUp()) {
    stopEvaluation();
    board_->setEvaluation(nullptr);
    return;
  }
  board_->setEvaluation(&shownScore_);
  if (game_.showingMove) return;  // the position to score is the one the move ends in
  const std::string key = writePosition(game_) + " " + std::to_string(listing_.shownMoves());
  if (key == evaluatedKey_) return;
  evaluatedKey_ = key;
  shownScore_ = PositionScore{};
  auto search = std::make_shared<GameState>(game_);
  preparePositionScore(*search, listing_);
  evaluator_->start([this, key, search](Engine& engine, const ExpertWorker::Post& post) {
    EngineLimits limits;
    limits.moveTimeMs = kEvaluationTimeMs;
    engine.setPosition(*search, *search);
    const PositionScore score = scorePosition(engine, limits);
    post([this, key, score] {
      if (key != evaluatedKey_) return;
      shownScore_ = score;
      board_->update();
    });
  });
}

void MainWindow::startAnalysis() {
  const int plies = listing_.moveCount();
  if (plies == 0 || analyser_->running() || network_->active()) return;
  auto game = std::make_shared<GameState>(game_);
  analysedLines_ = listing_.lines;
  analysisMarks_.clear();
  analysisCancel_ = std::make_shared<std::atomic<bool>>(false);
  setBusy(true);
  const auto showProgress = [this](int done, int total) {
    setWindowTitle(QString::fromStdString(plainWindowTitle()) + " [" + ui("Analysing %1/%2").arg(done).arg(total) +
                   "]");
  };
  showProgress(0, plies + 1);
  analyser_->start(
      [this, game, plies, showProgress, cancel = analysisCancel_](Engine& engine, const ExpertWorker::Post& post) {
        EngineLimits limits;
        limits.moveTimeMs = kAnalysisTimeMs;
        struct Reporter {
          const ExpertWorker::Post& post;
          decltype(showProgress) show;
          static void report(void* context, int done, int total) {
            auto* self = static_cast<Reporter*>(context);
            self->post([show = self->show, done, total] { show(done, total); });
          }
        } reporter{post, showProgress};
        const std::vector<PlyAnalysis> moves = analyseGame(*game, plies, engine, limits, Reporter::report, &reporter);
        std::vector<std::string> marks;
        for (const PlyAnalysis& a : moves) marks.emplace_back(markText(a.mark));
        post([this, marks, cancelled = cancel->load()] { analysisArrived(marks, cancelled); });
      });
}

void MainWindow::analysisArrived(const std::vector<std::string>& marks, bool cancelled) {
  analysisMarks_ = marks;
  setBusy(false);
  setWindowTitle(QString::fromStdString(plainWindowTitle()));
  refresh();
  if (cancelled) return;
  int count[2][2] = {};  // [side][0 mistakes, 1 blunders]
  for (std::size_t k = 0; k < marks.size(); ++k)
    if (!marks[k].empty()) ++count[listing_.sideToMoveAt(static_cast<int>(k))][marks[k] == "??" ? 1 : 0];
  const auto side = [&](const std::string& text, int s) {
    return fillIn(text, std::to_string(count[s][0]), std::to_string(count[s][1]));
  };
  host.messageBox(say("Analysis done.") + "\n" + side(say("White: %1 mistakes (?), %2 blunders (?\?)"), White) + "\n" +
                      side(say("Black: %1 mistakes (?), %2 blunders (?\?)"), Black),
                  MessageIcon::Information, MessageButtons::Ok);
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

void MainWindow::placeWindow() {
  QRect screen(0, 0, 1920, 1080);
  if (QScreen* s = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) screen = s->availableGeometry();
  // Around the board: the menu bar, and once shown the window manager's frame.
  const QSize chrome(0, menuBar()->sizeHint().height());
  const QSize decoration = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
  const QSize room = screen.size() - chrome - decoration;
  const bool fit = appearance.boardScale == kFitToWindow;
  const int n = game_.boardSize;
  if (fit && isVisible()) {
    // The window stays as the player made it, and the board fills it.
    const Layout smallest = computeLayout(n, kSmallestCell, 0, 0);
    board_->setMinimumSize(QSize(smallest.width, smallest.height));
    board_->setCell(boardCellSize(n, appearance, board_->width(), board_->height()));
    board_->placeListingBox();
    board_->update();
    return;
  }
  // The largest scale at or below the chosen one that the screen holds, or
  // with "Fit to window" the largest board the screen holds; the chosen
  // scale stays in the settings.
  board_->setCell(boardCellSize(n, appearance, room.width(), room.height()));
  const QSize wanted = board_->layoutSize();
  const Layout smallest = computeLayout(n, kSmallestCell, 0, 0);
  board_->setMinimumSize(fit ? QSize(smallest.width, smallest.height) : wanted);
  if (!isVisible()) {
    const QSize whole = wanted + chrome;
    setGeometry(screen.x() + std::max(0, screen.width() / 2 - whole.width() / 2),
                screen.y() + std::max(0, screen.height() / 2 - whole.height() / 2), whole.width(), whole.height());
  } else {
    resize(size().expandedTo(wanted + chrome).boundedTo((screen.size() - decoration).expandedTo(wanted + chrome)));
    // A larger board grows the window down and right: it is moved back so
    // that the whole of it stays on the screen it is on.
    const QSize whole = size() + decoration;
    const int x = std::clamp(pos().x(), screen.left(), std::max(screen.left(), screen.right() + 1 - whole.width()));
    const int y = std::clamp(pos().y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - whole.height()));
    if (QPoint(x, y) != pos()) move(x, y);
  }
  board_->placeListingBox();
  board_->update();
}

void MainWindow::blinkTick() {
  if (tickBlinking(game_)) board_->update();
}

void MainWindow::clockTick() {
  // A clock counts from the moment its side came to move, to the second,
  // not in whole ticks of the timer: a move just before a tick charges
  // nothing for it.
  const int side = listing_.sideToMove();
  if (!game_.gameRunning || game_.players[side].type == ComputerPlayer) {
    clockTurn_ = ClockTurn{};
    return;
  }
  PlayerRecord& player = game_.players[side];
  const std::uint32_t now = host.tickCount();
  if (clockTurn_.side != side || clockTurn_.line != listing_.selected) {
    clockTurn_ = ClockTurn{side, listing_.selected, now, player.clockSeconds};
    return;
  }
  const int seconds = clockTurn_.secondsBefore + static_cast<int>((now - clockTurn_.since) / 1000);
  if (seconds == player.clockSeconds) return;
  player.clockSeconds = seconds;
  board_->update();
}

void MainWindow::turnTick() {
  // A native dialog may not block the window as Qt's own do.
  if (QApplication::activeModalWidget()) return;
  if (analyser_->running()) return;  // the game waits for its analysis
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
  if (analyser_->running()) {
    if (analysisCancel_) *analysisCancel_ = true;
    analyser_->breakOff();
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
    if (askBreakComputerMove(game_)) thinker_->breakOff();
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
        board_->update();
      },
      [this, done](ComputerChoice choice) { finishComputerMove(game_, listing_, choice, done); });
  // Escape already held down when the thinking begins counts as a press.
  if (host.escapeDown()) escapePressed();
}

void MainWindow::showHint() {
  if (!hintAvailable(game_, listing_) || thinker_->running()) return;
  // The Expert thinks for the person to move on the worker, within a
  // second; meanwhile the board takes no move.
  auto search = std::make_unique<GameState>(game_);
  prepareHintSearch(*search, listing_);
  setBusy(true);
  thinker_->start(
      *search, [](int) {},
      [this](ComputerChoice choice) {
        setBusy(false);
        if (choice.result == 1) markHint(game_, listing_, choice.bestRootIndex);
        refresh();
      });
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
  // A letter would otherwise go to the listing's search by first letter.
  if (event->key() == Qt::Key_H && event->modifiers() == Qt::NoModifier) {
    dispatch(CmdHint);
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
  stopEvaluation();
  abandonAnalysis();
  finishShowingMove(game_);
  if (settingUp()) cancelSetup();  // the save prompt is about the game, not the set-up
  if (!promptSaveGame()) {
    event->ignore();
    return;
  }
  shutdown(true);
  event->accept();
}

void MainWindow::shutdown(bool tell) {
  if (shutDown_) return;
  shutDown_ = true;
  blinkTimer_.stop();
  clockTimer_.stop();
  turnTimer_.stop();
  std::string error;
  if (settingsPath_.empty() || saveSettings(settingsPath_, &error)) return;
  const std::string text = say("The settings were not saved:") + "\n" + error;
  std::fprintf(stderr, "velmora: %s\n", text.c_str());
  if (tell) host.messageBox(text, MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace velmora
