#include "shell/computer_thinker.h"

#include <QMetaObject>
#include <QPointer>

#include "core/ai/fast_search.h"
#include "core/rules/game_state.h"

namespace velmora {

namespace {

struct WorkerContext {
  ComputerThinker* thinker;
  GameState* game;
  std::atomic<bool>* abandoned;
  std::uint64_t generation;
  std::function<void(int)> post;
};

void workerProgress(void* context, int percent) {
  auto& c = *static_cast<WorkerContext*>(context);
  if (c.abandoned->load()) {
    c.game->thinking = 0;  // the search gives up here
    return;
  }
  c.post(percent);
}

}  // namespace

ComputerThinker::ComputerThinker(QObject* parent) : QObject(parent) {}

ComputerThinker::~ComputerThinker() { stop(); }

void ComputerThinker::start(const GameState& game, std::function<bool(int)> progress,
                            std::function<void(ComputerChoice)> finished) {
  stop();
  abandoned_ = false;
  progress_ = std::move(progress);
  finished_ = std::move(finished);
  copy_ = std::make_unique<GameState>(game);
  const std::uint64_t generation = ++generation_;
  QPointer<ComputerThinker> self(this);
  worker_ = std::thread([this, self, generation, game = copy_.get()] {
    const auto post = [self, generation](auto call) {
      QMetaObject::invokeMethod(
          self.data(),
          [self, generation, call] {
            if (self && self->generation_ == generation) call(self.data());
          },
          Qt::QueuedConnection);
    };
    WorkerContext context{this, game, &abandoned_, generation, [&post](int percent) {
                            post([percent](ComputerThinker* t) { t->progressArrived(percent); });
                          }};
    Search search{*game, workerProgress, &context};
    search.stop = &abandoned_;
    ComputerChoice choice;
    choice.result = chooseComputerMoveFast(search);
    choice.bestRootIndex = game->bestRootIndex;
    post([choice](ComputerThinker* t) { t->searchEnded(choice); });
  });
}

void ComputerThinker::progressArrived(int percent) {
  if (abandoned_ || !progress_ || inProgress_) return;
  inProgress_ = true;
  const bool goOn = progress_(percent);
  inProgress_ = false;
  if (!goOn) abandon();
  if (endedMeanwhile_) {
    const ComputerChoice choice = *endedMeanwhile_;
    endedMeanwhile_.reset();
    searchEnded(choice);
  }
}

void ComputerThinker::searchEnded(ComputerChoice choice) {
  if (inProgress_) {
    endedMeanwhile_ = choice;
    return;
  }
  if (worker_.joinable()) worker_.join();
  if (abandoned_) choice.result = 0;
  auto finished = std::move(finished_);
  finished_ = nullptr;
  progress_ = nullptr;
  if (finished) finished(choice);
}

void ComputerThinker::abandon() { abandoned_ = true; }

void ComputerThinker::stop() {
  abandoned_ = true;
  if (worker_.joinable()) worker_.join();
  ++generation_;
  endedMeanwhile_.reset();
  finished_ = nullptr;
  progress_ = nullptr;
}

}  // namespace velmora
