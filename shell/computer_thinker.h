#pragma once
// The computer's search on an engine of its own, on the engine's thread.
// The engine holds a copy of the position; the window keeps the game
// itself, goes on painting, and hears of the progress and of the choice
// through queued calls on its own thread, each handed to `deliver`, which
// runs it at once or once no modal window and no break question is up.

#include <QObject>
#include <atomic>
#include <functional>

#include "core/ai/engine.h"
#include "core/game/computer_move.h"

namespace velmora {

struct EndgameSet;
struct GameState;

class ComputerThinker : public QObject {
  Q_OBJECT
 public:
  using Deliver = std::function<void(std::function<void()>)>;
  explicit ComputerThinker(Deliver deliver, QObject* parent = nullptr);
  ~ComputerThinker() override;

  // Searches the position of `game` (prepared by beginComputerMove).
  // `progress` runs as each root move begins; `finished` runs once with the
  // choice, also after breaking off (then with no choice). The Expert plays
  // by `endgames` where they hold the game's positions; they outlive the
  // search.
  void start(const GameState& game, std::function<void(int percent)> progress,
             std::function<void(ComputerChoice)> finished, const EndgameSet* endgames = nullptr);
  // The player broke the move off: the search stops, and a choice it
  // already made is not played.
  void breakOff();
  // Abandons and waits for the engine: nothing arrives afterwards.
  void stop();
  bool running() const { return running_; }
  // What the running search last told: for the Expert its depth and score.
  const EngineProgress& lastProgress() const { return lastProgress_; }

 private:
  void progressArrived(const EngineProgress& progress);
  void searchEnded(ComputerChoice choice);

  Deliver deliver_;
  Engine engine_;
  bool running_ = false;
  EngineProgress lastProgress_;
  std::atomic<bool> broken_{false};
  std::function<void(int)> progress_;
  std::function<void(ComputerChoice)> finished_;
  std::uint64_t generation_ = 0;  // calls from a stopped search are dropped
};

}  // namespace velmora
