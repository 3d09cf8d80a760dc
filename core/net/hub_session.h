#pragma once
// The Expert as an engine hosted by another draughts program over the Hub
// protocol: one command a line in, one answer a line out. The search runs
// on the engine's own thread, so "ping" and "stop" are answered while it
// thinks.

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "core/ai/engine.h"
#include "core/net/hub_text.h"
#include "core/rules/board.h"

namespace velmora {

struct GameState;

class HubSession {
 public:
  // `out` gets each answer line, from the calling thread or the engine's.
  explicit HubSession(std::function<void(const std::string&)> out, std::size_t tableEntries = std::size_t{1} << 20);
  ~HubSession();
  HubSession(const HubSession&) = delete;
  HubSession& operator=(const HubSession&) = delete;

  // Takes one line; false once the program said "quit".
  bool line(const std::string& text);
  // From "go" until its "done" has been said.
  bool searching() const { return searching_; }
  // The host has closed our input: a move being thought about is still
  // answered, an analysis or a ponder is stopped and answered.
  void finish();

 private:
  void answer(const std::string& text);
  void error(const std::string& message);
  bool setPosition(const std::string& squares, const std::string& moves);
  void go(bool untilStopped, bool ponder);
  // A ponder search became the real one: it ends within the level's time.
  void ponderHit();
  void joinPonderClock();

  std::function<void(const std::string&)> out_;
  std::mutex outLock_;
  Engine engine_;
  GameType variant_ = International;
  std::unique_ptr<GameState> game_;
  EngineLimits limits_;
  std::atomic<bool> searching_{false};
  std::atomic<bool> untilStopped_{false};  // an analysis or a ponder: it ends at "stop"
  std::atomic<bool> pondering_{false};     // a ponder, which ponder-hit makes the real search
  std::mutex searchLock_;
  std::condition_variable searchEnded_;
  std::thread ponderClock_;  // stops a ponder that was hit once its time is up
};

}  // namespace velmora
