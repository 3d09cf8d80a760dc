#pragma once
// The one top-level window: menu, the board with its listing, the three
// timers, and the commands that reach the game.

#include <QMainWindow>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/game/position_score.h"
#include "core/game/turn_controller.h"
#include "core/rules/board.h"
#include "shell/system/host_qt.h"

namespace velmora {

class BoardWidget;
class SetupBar;
class HelpWindow;
class ComputerThinker;
class ExpertWorker;
class NetworkGame;
struct GameState;
struct MoveListing;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // Settings are read from and written to `settingsPath`; an empty path
  // keeps them in memory only.
  MainWindow(GameState& game, GameState& scratch, MoveListing& listing, std::string settingsPath);
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
  HelpWindow* helpWindow() const { return help_; }
  // A position is being set up on the board.
  bool settingUp() const { return setupBackup_ != nullptr; }

  // Window placement: at least the layout's size, centred when not yet shown.
  void placeWindow();

  BoardWidget* boardWidget() const { return board_; }
  // The Expert's score of the shown position, as the panel shows it.
  const PositionScore& shownScore() const { return shownScore_; }
  bool analysing() const;

  // While the computer thinks the board, the listing and the menu take no
  // input; the window itself still paints, notices Escape and can be closed.
  void setBusy(bool busy);

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void createMenus();
  // Every way of replacing the game: the search is stopped and joined, a
  // network transfer cancelled, a capture shown whole, what waited from the
  // old game dropped; then `replace` runs and the window follows the board.
  void replaceGame(const std::function<void()>& replace);
  void newGame();
  // Set-up mode (setup_mode.cpp): the game is kept aside while the board
  // takes the position; Done starts a game from it as from a pasted
  // position, Cancel puts the game back as it was.
  void beginSetup();
  void setupClicked(int x, int y, bool backwards);
  void finishSetup();
  void cancelSetup();
  void showSetup();
  // Asks whether to save a changed game before it is replaced or the window
  // closes; false when the player chose to save and the save did not happen.
  bool promptSaveGame();
  // Saves the game through the Save game dialog; false when not saved.
  bool saveGame();
  void startComputerMove();
  // Marks the move the Expert would play for the person to move.
  void showHint();
  // The shown position's score, searched on a worker when it changed.
  void updateEvaluation();
  void stopEvaluation();
  // Game > Analyse game: the Expert goes over every move on a worker, the
  // progress in the title; Escape cancels and keeps what was done.
  void startAnalysis();
  // Stops an analysis under way at once; nothing of it is kept.
  void abandonAnalysis();
  void analysisArrived(const std::vector<std::string>& marks, bool cancelled);
  // The listing's lines as the box shows them: a line of the game analysed
  // carries its move's mark, as long as the game up to it is the same.
  std::vector<std::string> shownLines() const;
  // The board as a PNG or SVG file, in the folder used last time.
  void exportBoard();
  void startNetworkGame();
  void loadGame();
  // PDN files and FEN positions (pdn_commands.cpp).
  void exportPdn();
  void importPdn();
  void copyFen();
  void pasteFen();
  void reloadSkin();
  // Customize > Language: the texts change at once, the window re-placed for them.
  void chooseLanguage(const std::string& code);
  void showAppearance();
  void syncListingBox();
  void listingSelectionChanged(int row);
  void blinkTick();
  void clockTick();
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
  // Enables the commands that make sense now and ticks the checkable ones.
  void updateCommands();
  QAction* action(int command) const;
  // "Paused" in the title while a game of two computers waits.
  void showPause();
  // Writes the settings; a failure is told to the player when `tell`.
  void shutdown(bool tell);

  GameState& game_;
  GameState& scratch_;
  MoveListing& listing_;
  BoardWidget* board_;
  ComputerThinker* thinker_;
  ExpertWorker* evaluator_;
  ExpertWorker* analyser_;
  PositionScore shownScore_;
  std::string evaluatedKey_;                // the position shownScore_ is for, or is being searched for
  std::vector<std::string> analysedLines_;  // the listing as it was analysed
  std::vector<std::string> analysisMarks_;  // "", "?" or "??" for each move analysed
  std::shared_ptr<std::atomic<bool>> analysisCancel_;
  NetworkGame* network_;
  HelpWindow* help_ = nullptr;  // made when help is first asked for
  SetupBar* setupBar_ = nullptr;
  std::unique_ptr<GameState> setupBackup_;  // the game while a position is set up
  std::unique_ptr<MoveListing> setupListingBackup_;
  QTimer blinkTimer_, clockTimer_, turnTimer_;
  TurnController turn_;
  // The turn the clock timer is counting: whose, at which line, since when.
  struct ClockTurn {
    int side = -1;
    int line = -1;
    std::uint32_t since = 0;
    int secondsBefore = 0;
  } clockTurn_;
  bool syncing_ = false;
  bool forwardingKey_ = false;
  bool followingScreen_ = false;  // the window's screen changes are followed
  bool shutDown_ = false;
  bool refreshPosted_ = false;
  std::string settingsPath_;
};

}  // namespace velmora
