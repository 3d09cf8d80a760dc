#include "shell/endgame_library.h"

#include <QMetaObject>
#include <algorithm>
#include <cstdio>

namespace velmora {

namespace {

template <class T>
bool holds(const std::vector<T>& list, const T& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

EndgameLibrary::EndgameLibrary(std::string folder, int pieces, QObject* parent)
    : QObject(parent), maker_(std::move(folder), pieces) {}

EndgameLibrary::~EndgameLibrary() { stop(); }

void EndgameLibrary::want(const Position& position, const std::string& name) {
  const Key key{rulesOf(position), position.boardSize};
  if (maker_.folder().empty() || position.giveAway || !endgamesServe(key.first, key.second) ||
      setFor(position) != nullptr || holds(failed_, key))
    return;
  for (const Wanted& w : queue_)
    if (w.key == key) return;
  queue_.push_back({key, name});
  if (queue_.size() == 1) startNext();
}

const EndgameSet* EndgameLibrary::setFor(const Position& position) const {
  for (const auto& set : sets_)
    if (set->serves(position)) return set.get();
  return nullptr;
}

void EndgameLibrary::stop() {
  maker_.stop();
  ++generation_;
  queue_.clear();
  if (!progress_.active) return;
  progress_ = Progress{};
  emit progressChanged();
}

void EndgameLibrary::startNext() {
  if (queue_.empty()) {
    progress_ = Progress{};
    emit progressChanged();
    return;
  }
  const Wanted& next = queue_.front();
  progress_ = {true, !endgameFilesPresent(next.key.first, next.key.second, maker_.folder(), maker_.pieces()), next.name,
               0};
  emit progressChanged();
  const std::uint64_t generation = ++generation_;
  // Each call reaches the window's thread; one from a making stopped since
  // is dropped there.
  const auto post = [this, generation](auto call) {
    QMetaObject::invokeMethod(
        this,
        [this, generation, call = std::move(call)] {
          if (generation == generation_) call();
        },
        Qt::QueuedConnection);
  };
  maker_.start(
      next.key.first, next.key.second,
      [this, post](const EndgameStep& step) {
        post([this, step] {
          progress_.making = step.making;
          progress_.percent = step.percent();
          emit progressChanged();
        });
      },
      [this, post](std::shared_ptr<const EndgameSet> set, const std::string& problem) {
        post([this, set, problem] { finished(set, problem); });
      });
}

void EndgameLibrary::finished(std::shared_ptr<const EndgameSet> set, const std::string& problem) {
  const Key key = queue_.front().key;
  queue_.erase(queue_.begin());
  const bool ready = set != nullptr;
  if (ready) {
    sets_.push_back(std::move(set));
  } else {
    // A folder that cannot be written is not tried again at every move;
    // the game goes on without the databases.
    failed_.push_back(key);
    std::fprintf(stderr, "velmora: no endgame databases: %s\n", problem.c_str());
  }
  startNext();
  if (ready) emit setReady();
}

}  // namespace velmora
