#pragma once
// A DamExchange program across the network as the window's opponent in
// International draughts. The window proposes the game (it is the
// initiator): from the start, or from the board when the game is already
// under way or was set up. Before each of the program's moves it is told
// the moves made since; its answer is checked by the rules. The connection
// is kept from move to move and talked to on a worker thread, so the window
// never waits on the network. A game the program no longer knows (moves
// taken back, a new game) is proposed again from its board.

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "core/net/framing.h"
#include "core/rules/game_result.h"
#include "shell/foreign_engine.h"

namespace velmora {

class DxpEngine : public ForeignEngine {
  Q_OBJECT
 public:
  explicit DxpEngine(Deliver deliver, QObject* parent = nullptr);
  ~DxpEngine() override;

  // The program's IPv4 address and port; a change lets the old one go.
  void setAddress(const std::string& host, int port);
  // How long past its time the program may stay silent.
  void setGraceMs(int ms) { graceMs_ = ms; }

  void start(const RecordedPosition& state, int moveTimeMs, Progress progress, Finished finished,
             Failed failed) override;
  void breakOff() override;
  void stop() override;
  // Ends the game for the program and closes the connection.
  void close() override;
  // The game it plays has ended by the rules: the program is told the moves
  // it has not seen and the result, from `ourSide`'s view, on the worker.
  void finishGame(const RecordedPosition& state, GameResult result, int ourSide);
  bool running() const override { return running_; }
  const EngineProgress& lastProgress() const override { return progress_; }
  // Written by the worker, read between searches.
  std::string engineName() const override { return name_; }

 private:
  // On the worker: the program's move in `state`, an index into its legal
  // moves; -1 and why in `why` when the program is lost, -1 and no reason
  // when the wait was broken off.
  int askMove(const RecordedPosition& state, int moveTimeMs, std::string& why);
  bool propose(const RecordedPosition& state, int moveTimeMs, std::string& why);
  bool knowsGame(const RecordedPosition& state) const;
  // Ends the game the program knows, with `reason`, and reads its answer.
  bool endKnownGame(int reason, std::string& why);
  // Waits for the worker to end.
  void join();
  // From the worker: runs `call` on the window's thread through deliver_,
  // unless stop() came since the search of `generation` began.
  void post(std::uint64_t generation, std::function<void()> call);

  Deliver deliver_;
  std::string host_ = "127.0.0.1";
  int port_ = 27531;
  int graceMs_ = 30'000;
  std::thread worker_;
  std::unique_ptr<Cancel> cancel_;
  // The worker's while it runs, the window thread's otherwise.
  NetLink link_;
  std::unique_ptr<RecordedPosition> known_;  // the game as the program knows it
  bool running_ = false;
  bool ending_ = false;  // the worker tells the program the game's end
  std::atomic<bool> broken_{false};
  EngineProgress progress_;
  std::string name_;  // from the program's game accept
  std::uint64_t generation_ = 0;
};

}  // namespace velmora
