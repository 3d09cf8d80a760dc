#pragma once
// The one top-level window: menu, the board with its listing, the turn
// timer, and the commands that reach the game. Its rooms live beside it:
// the evaluation panel, the analysis, set-up mode and the clocks.

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/game/position_score.h"
#include "core/game/turn_controller.h"
#include "core/rules/board.h"
#include "shell/system/host_qt.h"

class QLabel;
class QProgressBar;

namespace velmora {

class AnalysisRunner;
class BoardWidget;
class Clocks;
class ComputerThinker;
class EndgameLibrary;
class EvaluationPanel;
class HelpWindow;
class NetworkGame;
class DxpEngine;
class ForeignEngine;
class OutsideEngine;
class SetupMode;
struct GameState;
struct MoveListing;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // Settings are read from and written to `settingsPath`; an empty path
  // keeps them in memory only. The Expert's endgame databases of
  // `endgamePieces` pieces are kept in `endgameFolder`; with none it plays
  // without them.
  MainWindow(GameState& game, GameState& scratch, MoveListing& listing, std::string settingsPath,
             std::string endgameFolder = {}, int endgamePieces = 0);
  ~MainWindow() override;

  // Runs a menu or accelerator command by its identifier.
  void dispatch(int command);

  // Brings the listing box up to date with the core listing and repaints.
  void refresh();
  // One refresh once the current event is handled, however often asked for.
  void scheduleRefresh();

  // The hooks through which the host table reaches this window.
  HostWindow hostWindow();
  const TurnController& turn() const { return turn_; }
  const Clocks& clocks() const { return *clocks_; }
  HelpWindow* helpWindow() const { return help_; }
  // A position is being set up on the board.
  bool settingUp() const;

  // Window placement: at least the layout's size, centred when not yet shown.
  void placeWindow();
  // The working folder could not be made or entered: the game is played
  // without writing settings, and the player is told why, once.
  void keepNoSettings(const std::string& why);

  BoardWidget* boardWidget() const { return board_; }
  const NetworkGame& networkGame() const { return *network_; }
  const EndgameLibrary& endgames() const { return *endgames_; }
  // The Expert's score of the shown position, as the panel shows it.
  const PositionScore& shownScore() const;
  bool analysing() const;

  // While the computer thinks or a network opponent is awaited the board
  // and the listing take no input, and of the menus only what leaves the
  // game alone (help, the view, copying the position); the window itself
  // still paints, notices Escape and can be closed.
  void setBusy(bool busy);
  // The commands that change the game can be chosen: nothing thinks, no
  // transfer runs, no position is being set up.
  bool gameCommandsEnabled() const;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The menus and the commands' state (window_menus.cpp).
  void createMenus();
  // The most used commands as buttons above the board, made with the menus.
  void createToolBar();
  // Enables the commands that make sense now and ticks the checkable ones.
  void updateCommands();
  QAction* action(int command) const;
  // Customize > Language: the texts change at once, the window re-placed for them.
  void chooseLanguage(const std::string& code);
  // "Paused" in the title while a game of two computers waits.
  void showPause();

  // Every way of replacing the game: the search is stopped and joined, a
  // network transfer cancelled, a capture shown whole, what waited from the
  // old game dropped; then `replace` runs and the window follows the board.
  void replaceGame(const std::function<void()>& replace);
  void newGame();
  // Asks whether to save a changed game before it is replaced or the window
  // closes; false when the player chose to save and the save did not happen.
  bool promptSaveGame(GameState& game, MoveListing& listing);
  // Saves the game through the Save game dialog; false when not saved.
  bool saveGame(GameState& game, MoveListing& listing);
  void startComputerMove();
  // Marks the move the Expert would play for the person to move.
  void showHint();
  // Where the databases hold the position the hinted move leads to, what
  // they know of it for the player, in the status line until the position
  // on the board changes.
  void tellHintOutcome(int index);
  // The Expert's endgame databases of the game's rules are read or made
  // once it is used in them: a game against it, its score beside the
  // board, or when `asked` (a hint, an analysis).
  void wantEndgames(bool asked);
  // The status bar holds the databases' progress while they are read or made.
  void showEndgameProgress();
  // The board as a PNG or SVG file, in the folder used last time.
  void exportBoard();
  void startNetworkGame();
  // An outside engine (engine_commands.cpp): Game > Play an engine, its
  // moves in a game against it, and hints from it.
  void playEngine();
  void startEngineMove();
  bool engineAdvises() const;
  void showEngineHint();
  // The engine was lost during its move: the game stops where it is, and
  // the player is told why.
  void engineLost(const std::string& why);
  // The computer side takes the name the program gave itself.
  void nameEnginePlayer();
  void loadGame();
  // PDN files and FEN positions (pdn_commands.cpp).
  void exportPdn();
  void importPdn();
  void copyFen();
  void pasteFen();
  void reloadSkin();
  // Customize > Appearance: Apply shows the look behind the dialog at once;
  // what the game makes of it waits for the dialog to close.
  void showAppearance();
  void syncListingBox();
  void listingSelectionChanged(int row);
  // The line under the panel follows the game, the search and the network.
  void updateStatus();
  void turnTick();
  NetworkFacts networkFacts() const;
  // Game code from a worker or a timer: now, or once no modal window is up.
  void deliver(std::function<void()> event) { turn_.deliver(std::move(event)); }
  // The search is abandoned and joined; the window as when nothing thinks.
  void abandonThinking();
  // Escape pressed: the break question, asked once the key event is over.
  void escapePressed();
  void askBreak();
  void updateCursor();
  // Writes the settings; a failure is told to the player when `tell`.
  void shutdown(bool tell);

  GameState& game_;
  GameState& scratch_;
  MoveListing& listing_;
  TurnController turn_;
  BoardWidget* board_;
  ComputerThinker* thinker_;
  OutsideEngine* outside_;  // a Hub engine: an opponent, and hints and scores
  DxpEngine* dxp_;
  ForeignEngine* playing_ = nullptr;  // the program that is the computer side of this game
  NetworkGame* network_;
  EndgameLibrary* endgames_;  // before the Expert's users, which read its sets
  QLabel* endgameLabel_ = nullptr;
  QProgressBar* endgameBar_ = nullptr;
  std::string hintOutcome_;   // what the databases know after the hinted move
  std::string hintPosition_;  // of the position it was given for
  std::unique_ptr<EvaluationPanel> evaluation_;
  std::unique_ptr<AnalysisRunner> analysis_;
  SetupMode* setup_;
  Clocks* clocks_;
  HelpWindow* help_ = nullptr;  // made when help is first asked for
  QTimer turnTimer_;
  bool syncing_ = false;
  bool forwardingKey_ = false;
  // The board size the window was last placed for; 0 before the first.
  int placedBoardSize_ = 0;
  // Whether the board had the keys when the computer's turn disabled it.
  bool keysOnBoard_ = false;
  bool busy_ = false;
  std::unique_ptr<GameState> statusScratch_;
  bool followingScreen_ = false;  // the window's screen changes are followed
  bool shutDown_ = false;
  bool refreshPosted_ = false;
  std::string settingsPath_;
};

}  // namespace velmora
