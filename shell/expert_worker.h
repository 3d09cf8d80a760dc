#pragma once
// A job for the Expert on an engine of its own, beside the computer
// player's: the score shown beside the board and the analysis of a game.
// The job runs on the engine's thread and gets a way to post calls back;
// each call reaches the window's thread through `deliver`, which runs it at
// once or once no modal window is up. A stopped job's calls never arrive.

#include <QObject>
#include <functional>
#include <memory>

#include "core/ai/engine.h"

namespace velmora {

class ExpertWorker : public QObject {
  Q_OBJECT
 public:
  using Deliver = std::function<void(std::function<void()>)>;
  // From the job: runs `call` on the window's thread, unless stopped since.
  using Post = std::function<void(std::function<void()>)>;
  using Job = std::function<void(Engine& engine, const Post& post)>;

  // The engine's Expert table has `tableEntries` entries; it lives as long
  // as this.
  ExpertWorker(Deliver deliver, std::size_t tableEntries, QObject* parent = nullptr);
  ~ExpertWorker() override;

  // Stops any job under way, then runs `job` on the engine's thread.
  void start(Job job);
  // The job's search stops at its next node; what the job posts still
  // arrives.
  void breakOff() { engine_.requestStop(); }
  // Stops the job at its next node and waits for it: nothing it posted
  // arrives afterwards.
  void stop();
  // From start until the job's last call has run, or until stopped.
  bool running() const { return running_; }

 private:
  Deliver deliver_;
  Engine engine_;
  bool running_ = false;
  std::shared_ptr<std::uint64_t> generation_ = std::make_shared<std::uint64_t>(0);
};

}  // namespace velmora
