#include "shell/computer_thinker.h"

#include <QMetaObject>
#include <QPointer>

#include "core/rules/game_state.h"

namespace velmora {

namespace {

struct WorkerContext {
  GameState* game;
  std::atomic<bool>* broken;
  std::function<void(int)> post;
};

// At each root move: a break asked for ends the search here.
void workerProgress(void* context, int percent) {
  auto& c = *static_cast<WorkerContext*>(context);
  if (c.broken->load()) {
    c.game->thinking = 0;  // the search gives up here
    return;
  }
  c.post(percent);
}

}  // namespace

ComputerThinker::ComputerThinker(Deliver deliver, QObject* parent) : QObject(parent), deliver_(std::move(deliver)) {}

ComputerThinker::~ComputerThinker() { stop(); }

void ComputerThinker::start(const GameState& game, std::function<void(int)> progress,
                            std::function<void(ComputerChoice)> finished) {
  stop();
  abandoned_ = false;
  broken_ = false;
  progress_ = std::move(progress);
  finished_ = std::move(finished);
  copy_ = std::make_unique<GameState>(game);
  const std::uint64_t generation = ++generation_;
  QPointer<ComputerThinker> self(this);
  worker_ = std::thread([this, self, generation, game = copy_.get()] {
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
    WorkerContext context{
        game, &broken_, [&post](int percent) { post([percent](ComputerThinker* t) { t->progressArrived(percent); }); }};
    const ComputerChoice choice = searchComputerMove(*game, workerProgress, &context, &abandoned_, &broken_);
    post([choice](ComputerThinker* t) { t->searchEnded(choice); });
  });
}

void ComputerThinker::progressArrived(int percent) {
  if (abandoned_ || broken_ || !progress_) return;
  progress_(percent);
}

void ComputerThinker::searchEnded(ComputerChoice choice) {
  if (worker_.joinable()) worker_.join();
  if (abandoned_ || broken_) choice.result = 0;
  auto finished = std::move(finished_);
  finished_ = nullptr;
  progress_ = nullptr;
  if (finished) finished(choice);
}

void ComputerThinker::stop() {
  abandoned_ = true;
  if (worker_.joinable()) worker_.join();
  ++generation_;
  finished_ = nullptr;
  progress_ = nullptr;
}

}  // namespace velmora
