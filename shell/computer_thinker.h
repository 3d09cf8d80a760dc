#pragma once
// The computer's search on a worker thread. The worker owns a copy of the
// game; the window keeps the game itself, goes on painting, and hears of
// the progress and of the choice through queued calls on its own thread.

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "core/game/computer_move.h"

namespace velmora {

struct GameState;

class ComputerThinker : public QObject {
  Q_OBJECT
 public:
  explicit ComputerThinker(QObject* parent = nullptr);
  ~ComputerThinker() override;

  // Searches the position of `game` (prepared by beginComputerMove).
  // `progress` runs as each root move begins; it returns false to break
  // off. `finished` runs once with the choice, also after breaking off.
  void start(const GameState& game, std::function<bool(int percent)> progress,
             std::function<void(ComputerChoice)> finished);
  // The search stops at once; `finished` still runs, with no choice.
  void abandon();
  // Abandons and waits for the worker: nothing arrives afterwards.
  void stop();
  bool running() const { return worker_.joinable(); }

 private:
  void progressArrived(int percent);
  void searchEnded(ComputerChoice choice);

  std::thread worker_;
  std::unique_ptr<GameState> copy_;
  std::atomic<bool> abandoned_{false};
  std::function<bool(int)> progress_;
  std::function<void(ComputerChoice)> finished_;
  std::uint64_t generation_ = 0;  // calls from a stopped search are dropped
  // A progress call may open a message box, whose event loop delivers the
  // next calls: progress is then skipped and the end is kept until it closes.
  bool inProgress_ = false;
  std::optional<ComputerChoice> endedMeanwhile_;
};

}  // namespace velmora
