#pragma once
// Whose turn it is and what the program is doing, in one place. The window
// feeds it what happens (a modal window opens or closes, a tick, Escape, a
// worker's result arriving) and asks it what to do; it decides.
//
// Nothing starts while a modal window is up, and what arrives from a worker
// meanwhile waits: no game code runs inside a nested event loop.

#include <deque>
#include <functional>

namespace velmora {

struct GameState;
struct MoveListing;

enum class Activity {
  Idle,          // no game running: a stopped, finished or not yet started game
  HumanToMove,   // a person at this computer is to move
  Thinking,      // the computer's search runs on the worker
  ShowingMove,   // the steps of a move are being shown and heard
  Transferring,  // a network send or receive runs on the worker
  Paused,        // a game of two computers waits after its move
  GameOver,      // the game ended at its last line
  Analysing,     // the Expert goes over the game on its worker; the game waits
  SettingUp,     // a position is being set up on the board in the game's place
};

// What the turn tick starts.
enum class TurnStart { Nothing, ComputerMove, NetworkExchange };

// What the network game tells the controller; all false without one.
struct NetworkFacts {
  bool active = false;         // a network game runs
  bool transferring = false;   // a send or receive is under way
  bool wantsExchange = false;  // the local move is to go out
};

class TurnController {
 public:
  TurnController(GameState& game, const MoveListing& listing) : game_(game), listing_(listing) {}

  Activity activity(const NetworkFacts& network = {}) const;

  // The turn tick: what to start now. Nothing while a modal window is up,
  // the game is analysed or a position is set up.
  TurnStart onTick(const NetworkFacts& network = {});

  // Modal windows nest; while any is up nothing starts and events wait.
  void modalOpened() { ++modalDepth_; }
  // Runs the events that waited, in order, once the last modal window has
  // closed. Call it when the nested event loop has returned.
  void modalClosed();
  bool modalUp() const { return modalDepth_ > 0; }
  // Events wait: a modal window is up or the break question is pending.
  bool holding() const { return modalUp() || asking_; }

  // Runs `event` now, or once the last modal window has closed and the
  // break question is answered.
  void deliver(std::function<void()> event);
  // Runs what waited, if no modal window is up any more.
  void runWaiting();
  int waitingEvents() const { return static_cast<int>(waiting_.size()); }

  // The game is about to be replaced: what waited belonged to the old one.
  void gameReplaced();

  // Pause: a game of two computers stops after the current move. Toggling
  // in any other game clears it.
  void togglePause();
  bool paused() const { return paused_; }
  // A game that is not of two computers cannot stay paused.
  void dropPauseUnlessComputers();
  // Only a game of two computers runs on by itself to be paused.
  bool pauseOffered() const { return bothComputers(); }

  // Escape was pressed: whether to ask the break question now (the
  // computer thinks or a transfer runs, and the question is not up).
  bool escapeAsksBreak(const NetworkFacts& network = {}) const;
  // From the press until the answer, what the worker reports waits: the
  // answer decides whether its result counts. Call runWaiting after closing.
  void breakQuestionOpened() { asking_ = true; }
  void breakQuestionClosed() { asking_ = false; }
  bool breakQuestionUp() const { return asking_; }

  // Whether menu commands are taken: not while the computer thinks, a move
  // is shown, a transfer runs, the game is analysed or a position set up.
  bool commandsAllowed(const NetworkFacts& network = {}) const;

  // The window's own work beside the game; meanwhile no turn starts.
  void setAnalysing(bool on) { analysing_ = on; }
  void setSettingUp(bool on) { settingUp_ = on; }

  // Whether the blink and clock timers may write the game now: not while
  // events wait, so that nothing changes the game under a modal window.
  bool timersRun() const { return !holding(); }

 private:
  bool bothComputers() const;

  GameState& game_;
  const MoveListing& listing_;
  int modalDepth_ = 0;
  bool paused_ = false;
  bool asking_ = false;
  bool analysing_ = false;
  bool settingUp_ = false;
  bool running_ = false;  // waiting events are being run: no second run inside
  std::deque<std::function<void()>> waiting_;
};

}  // namespace velmora
