#include "shell/expert_worker.h"

#include <QMetaObject>
#include <QPointer>

namespace velmora {

ExpertWorker::ExpertWorker(Deliver deliver, std::size_t tableEntries, QObject* parent)
    : QObject(parent), deliver_(std::move(deliver)), engine_(tableEntries) {}

ExpertWorker::~ExpertWorker() { stop(); }

void ExpertWorker::start(Job job) {
  stop();
  running_ = true;
  const std::uint64_t generation = ++*generation_;
  QPointer<ExpertWorker> self(this);
  // A call counts only while the job that posted it is the current one.
  const auto current = [self, generation] { return self && *self->generation_ == generation; };
  const Post post = [self, current](std::function<void()> call) {
    QMetaObject::invokeMethod(
        self.data(),
        [self, current, call = std::move(call)] {
          if (!current()) return;
          self->deliver_([current, call] {
            if (current()) call();
          });
        },
        Qt::QueuedConnection);
  };
  engine_.run([job = std::move(job), post, current, self](Engine& engine) {
    job(engine, post);
    // The job is over once its calls have run, in the order they were posted.
    post([self, current] {
      if (current()) self->running_ = false;
    });
  });
}

void ExpertWorker::stop() {
  engine_.stop();
  ++*generation_;
  running_ = false;
}

}  // namespace velmora
