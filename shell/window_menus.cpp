// The window's menus, the commands they send and which of them can be
// chosen now; the language the menus speak.

#include <QActionGroup>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <cstdio>
#include <utility>

#include "core/game/commands.h"
#include "core/game/computer_move.h"
#include "core/game/game_state.h"
#include "core/game/help.h"
#include "core/game/hint.h"
#include "core/game/play.h"
#include "core/game/settings.h"
#include "core/game/take_back.h"
#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "shell/analysis_runner.h"
#include "shell/board_widget.h"
#include "shell/computer_thinker.h"
#include "shell/dialogs/about_dialog.h"
#include "shell/dialogs/sound_dialog.h"
#include "shell/main_window.h"
#include "shell/network_game.h"
#include "shell/outside_engine.h"
#include "shell/paint/printing.h"
#include "shell/setup_mode.h"
#include "shell/system/language.h"

namespace velmora {

namespace {

// What can be chosen while the computer thinks or a peer is awaited: it
// neither reads a half-made move nor changes the game.
bool availableWhileBusy(int command) {
  switch (command) {
    case CmdPause:
    case CmdCopyFen:
    case CmdAppearance:
    case CmdSound:
    case CmdOneClick:
    case CmdEvaluation:
    case CmdFlip:
    case CmdRules:
    case CmdUserManual:
    case CmdAbout:
    case CmdHomePage:
    case CmdExit: return true;
    default: return false;
  }
}

}  // namespace

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
    action->setData(item.command);
    connect(action, &QAction::triggered, this, [this, c = item.command] { dispatch(c); });
    return action;
  };
  QMenu* gameMenu = menuBar()->addMenu(ui("&Game"));
  add(gameMenu, {N_("&New..."), CmdNew, QKeySequence("Ctrl+N")});
  add(gameMenu, {N_("Continue &game"), CmdContinue, {}});
  add(gameMenu, {N_("&Take back"), CmdTakeBack, QKeySequence("Ctrl+Z")});
  add(gameMenu, {N_("Play &on"), CmdPlayOn, QKeySequence("Ctrl+Y")});
  // Not a letter: a letter from a to l is a column of a move being typed.
  add(gameMenu, {N_("&Hint"), CmdHint, QKeySequence("Ctrl+H")});
  add(gameMenu, {N_("&Analyse game"), CmdAnalyse, {}});
  QAction* pause = add(gameMenu, {N_("Pa&use"), CmdPause, QKeySequence("P")});
  pause->setShortcuts({QKeySequence("P"), QKeySequence(Qt::Key_Pause)});
  pause->setCheckable(true);

  gameMenu->addSeparator();
  add(gameMenu, {N_("&Load..."), CmdLoad, QKeySequence("Ctrl+L")});
  add(gameMenu, {N_("Sa&ve..."), CmdSave, QKeySequence("Ctrl+S")});
  gameMenu->addSeparator();
  add(gameMenu, {N_("&Export PDN..."), CmdExportPdn, {}});
  add(gameMenu, {N_("&Import PDN..."), CmdImportPdn, {}});
  add(gameMenu, {N_("&Copy position (FEN)"), CmdCopyFen, QKeySequence("Ctrl+Shift+C")});
  add(gameMenu, {N_("&Paste position (FEN)"), CmdPasteFen, QKeySequence("Ctrl+Shift+V")});
  add(gameMenu, {N_("&Set up position..."), CmdSetUp, QKeySequence("Ctrl+E")});
  gameMenu->addSeparator();
  add(gameMenu, {N_("Net&work..."), CmdNetwork, QKeySequence("Ctrl+K")});
  add(gameMenu, {N_("Pla&y an engine..."), CmdPlayEngine, {}});
  gameMenu->addSeparator();
  QMenu* print = gameMenu->addMenu(ui("P&rint"));
  print->setObjectName("printMenu");
  add(print, {N_("&Game listing..."), CmdPrintListing, {}});
  add(print, {N_("&Board..."), CmdPrintBoard, {}});
  add(print, {N_("&Mini board..."), CmdPrintMiniBoard, {}});
  add(gameMenu, {N_("Export &board picture..."), CmdExportBoard, {}});
  gameMenu->addSeparator();
  add(gameMenu, {N_("E&xit"), CmdExit, QKeySequence("Alt+F4")});

  QMenu* customize = menuBar()->addMenu(ui("&Customize"));
  add(customize, {N_("&Appearance..."), CmdAppearance, QKeySequence("Ctrl+A")});
  customize->addSeparator();
  add(customize, {N_("&Sound..."), CmdSound, QKeySequence("Ctrl+D")});
  customize->addSeparator();
  QAction* oneClick = add(customize, {N_("&One-click moves"), CmdOneClick, {}});
  oneClick->setCheckable(true);
  oneClick->setChecked(entrySettings.oneClick != 0);
  QAction* evaluation = add(customize, {N_("Show &evaluation"), CmdEvaluation, {}});
  evaluation->setCheckable(true);
  evaluation->setChecked(evaluationSettings.show != 0);
  QAction* flip = add(customize, {N_("&Flip board"), CmdFlip, QKeySequence("Ctrl+F")});
  flip->setCheckable(true);
  flip->setChecked(appearance.whiteOnTop != 0);
  customize->addSeparator();
  // Each language by its own name, so that a player lost in a foreign one finds theirs.
  QMenu* languages = customize->addMenu(ui("&Language"));
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
  offer(ui("The system's &language"), "");
  languages->addSeparator();
  for (const Language& l : kLanguages) offer(QString::fromUtf8(l.name), l.code);

  QMenu* help = menuBar()->addMenu(ui("&Help"));
  add(help, {N_("&Rules"), CmdRules, QKeySequence("Ctrl+R")});
  help->addSeparator();
  add(help, {N_("&User manual"), CmdUserManual, QKeySequence("F1")});
  help->addSeparator();
  QAction* about = add(help, {N_("&About ..."), CmdAbout, QKeySequence("Alt+/")});
  about->setShortcuts({QKeySequence("Alt+/"), QKeySequence("Alt+?")});
  help->addSeparator();
  add(help, {N_("&Velmora home page"), CmdHomePage, {}});
  createToolBar();
  updateCommands();
}

void MainWindow::createToolBar() {
  delete findChild<QToolBar*>("toolBar");
  auto* bar = new QToolBar(ui("Toolbar"), this);
  bar->setObjectName("toolBar");
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(20, 20));
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  // The commands players reach for most, each with the picture its kind of
  // command has on this desktop, and its keys in the tooltip.
  const std::pair<int, QStyle::StandardPixmap> tools[] = {
      {CmdNew, QStyle::SP_MediaPlay},           {CmdTakeBack, QStyle::SP_ArrowBack},
      {CmdHint, QStyle::SP_MessageBoxQuestion}, {CmdFlip, QStyle::SP_BrowserReload},
      {CmdSave, QStyle::SP_DialogSaveButton},   {CmdLoad, QStyle::SP_DialogOpenButton},
      {CmdPause, QStyle::SP_MediaPause},
  };
  for (const auto& [command, picture] : tools) {
    QAction* a = action(command);
    if (!a) continue;
    a->setIcon(style()->standardIcon(picture));
    QString tip = a->text().remove('&').remove("...");
    if (!a->shortcut().isEmpty()) tip += " (" + a->shortcut().toString(QKeySequence::NativeText) + ")";
    a->setToolTip(tip);
    bar->addAction(a);
  }
  addToolBar(Qt::TopToolBarArea, bar);
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
  // The game is busy, analysed or being set up: its commands wait.
  if ((!turn_.commandsAllowed(networkFacts()) || thinker_->running() || outside_->running()) &&
      !availableWhileBusy(command))
    return;
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
    case CmdFlip:
      appearance.whiteOnTop = !appearance.whiteOnTop;
      refresh();
      return;
    case CmdAnalyse:
      if (network_->active()) return;
      wantEndgames(true);  // for the next analysis, when they are not ready for this one
      analysis_->start();
      return;
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
    case CmdSetUp:
      // The other side of a network game keeps its own record of the game.
      if (!network_->active()) setup_->begin();
      return;
    case CmdHint: showHint(); return;
    case CmdSave: saveGame(game_, listing_); return;
    case CmdNetwork: startNetworkGame(); return;
    case CmdPlayEngine: playEngine(); return;
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

void MainWindow::updateCommands() {
  const auto enable = [this](int command, bool can) {
    if (QAction* a = action(command)) a->setEnabled(can && (!busy_ || availableWhileBusy(command)));
  };
  for (QAction* a : menuBar()->findChildren<QAction*>())
    if (a->data().isValid()) enable(a->data().toInt(), true);
  if (auto* print = menuBar()->findChild<QMenu*>("printMenu")) print->menuAction()->setEnabled(!busy_);
  if (!action(CmdContinue)) return;  // the menus are not made yet
  enable(CmdContinue, gameCanGoOn(game_, scratch_, listing_));
  enable(CmdTakeBack, takeBackLine(game_, listing_) >= 0);
  enable(CmdPlayOn, playOnLine(game_, listing_) >= 0);
  // The title follows the game's rules; the computer's or the analysis's
  // progress keeps it until they end.
  if (const std::string title = plainTitleOf(game_); title != plainWindowTitle()) {
    setPlainWindowTitle(title);
    if (!analysis_->running()) showPause();
  }
  // Only a game of two computers runs on by itself to be paused; a new game
  // of any other kind ends the pause.
  if (turn_.paused() && !turn_.pauseOffered()) {
    turn_.dropPauseUnlessComputers();
    showPause();
  }
  enable(CmdPause, turn_.pauseOffered());
  enable(CmdSetUp, !network_->active());
  enable(CmdHint, hintAvailable(game_, listing_) && !thinker_->running() && !outside_->running());
  action(CmdPause)->setChecked(turn_.paused());
  action(CmdOneClick)->setChecked(entrySettings.oneClick != 0);
  action(CmdEvaluation)->setChecked(evaluationSettings.show != 0);
  action(CmdFlip)->setChecked(appearance.whiteOnTop != 0);
  // Not over the network: the exchange of moves would wait for the analysis.
  enable(CmdAnalyse, listing_.moveCount() > 0 && !network_->active() && !thinker_->running() && !outside_->running() &&
                         !analysis_->running());
}

QAction* MainWindow::action(int command) const { return findChild<QAction*>(QString("id%1").arg(command)); }

void MainWindow::showPause() {
  // The computer's progress has the title while it thinks; the pause takes
  // it when the move is over.
  if (game_.thinking) return;
  const QString title = QString::fromStdString(plainWindowTitle() + (turn_.paused() ? " - " + say("Paused") : ""));
  if (windowTitle() != title) setWindowTitle(title);
}

}  // namespace velmora
