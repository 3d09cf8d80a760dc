#include "shell/computer_thinker.h"

#include <QMetaObject>
#include <QPointer>

#include "core/ai/endgame_set.h"
#include "core/game/game_state.h"

namespace velmora {

ComputerThinker::ComputerThinker(Deliver deliver, QObject* parent) : QObject(parent), deliver_(std::move(deliver)) {}

ComputerThinker::~ComputerThinker() { stop(); }

void ComputerThinker::start(const GameState& game, std::function<void(int)> progress,
                            std::function<void(ComputerChoice)> finished, const EndgameSet* endgames) {
  stop();
  broken_ = false;
  running_ = true;
  lastProgress_ = EngineProgress{};
  progress_ = std::move(progress);
  finished_ = std::move(finished);
  const std::uint64_t generation = ++generation_;
  QPointer<ComputerThinker> self(this);
  // Each report reaches the window's thread, where it waits its turn.
  const auto post = [self, generation](auto call) {
    QMetaObject::invokeMethod(
        self.data(),
        [self, generation, call] {
          if (!self || self->generation_ != generation) return;
          self->deliver_([self, generation, call] {
            if (self && self->generation_ == generation) call(self.data());
          });
        },
        Qt::QueuedConnection);
  };
  engine_.setPosition(game, game);
  // Between searches: the one before has been stopped and joined.
  engine_.setEndgames(endgames ? endgames->board8.get() : nullptr, endgames ? endgames->board10.get() : nullptr);
  engine_.start(
      computerLimits(game),
      [this, post](const EngineProgress& p) {
        // A break asked for ends the search at its next report.
        if (broken_) return false;
        post([p](ComputerThinker* t) { t->progressArrived(p); });
        return true;
      },
      [post](const EngineResult& result) {
        post([choice = computerChoiceOf(result)](ComputerThinker* t) { t->searchEnded(choice); });
      });
}

void ComputerThinker::breakOff() {
  broken_ = true;
  engine_.requestStop();
}

void ComputerThinker::progressArrived(const EngineProgress& progress) {
  if (broken_ || !progress_) return;
  lastProgress_ = progress;
  progress_(progress.percent);
}

void ComputerThinker::searchEnded(ComputerChoice choice) {
  running_ = false;
  if (broken_) choice.result = 0;
  auto finished = std::move(finished_);
  finished_ = nullptr;
  progress_ = nullptr;
  if (finished) finished(choice);
}

void ComputerThinker::stop() {
  engine_.stop();
  running_ = false;
  ++generation_;
  finished_ = nullptr;
  progress_ = nullptr;
}

}  // namespace velmora
