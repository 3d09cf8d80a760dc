#pragma once
// The computer's search on a worker thread. The worker owns a copy of the
// game; the window keeps the game itself, goes on painting, and hears of
// the progress and of the choice through queued calls on its own thread,
// each handed to `deliver`, which runs it at once or once no modal window
// and no break question is up.

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "core/game/computer_move.h"

namespace velmora {

struct GameState;

class ComputerThinker : public QObject {
  Q_OBJECT
 public:
  using Deliver = std::function<void(std::function<void()>)>;
  explicit ComputerThinker(Deliver deliver, QObject* parent = nullptr);
  ~ComputerThinker() override;

  // Searches the position of `game` (prepared by beginComputerMove).
  // `progress` runs as each root move begins; `finished` runs once with the
  // choice, also after breaking off (then with no choice).
  void start(const GameState& game, std::function<void(int percent)> progress,
             std::function<void(ComputerChoice)> finished);
  // The player broke the move off: the search stops at its next root move,
  // and a choice it already made is not played.
  void breakOff() { broken_ = true; }
  // Abandons and waits for the worker: nothing arrives afterwards.
  void stop();
  bool running() const { return worker_.joinable(); }

 private:
  void progressArrived(int percent);
  void searchEnded(ComputerChoice choice);

  Deliver deliver_;
  std::thread worker_;
  std::unique_ptr<GameState> copy_;
  std::atomic<bool> abandoned_{false};  // stop at once: the game is going away
  std::atomic<bool> broken_{false};     // stop at the next root move
  std::function<void(int)> progress_;
  std::function<void(ComputerChoice)> finished_;
  std::uint64_t generation_ = 0;  // calls from a stopped search are dropped
};

}  // namespace velmora
