#pragma once
// An outside engine, a program of its own that speaks the Hub protocol on
// its standard input and output, run for the window: as the computer
// opponent, for hints and for the score beside the board. The program is
// started on the first search and kept for the next ones. Its answers reach
// the window's thread through `deliver`, which runs them at once or once no
// modal window is up. A program that cannot be started, ends, keeps silent
// beyond its time, breaks the protocol or names an illegal move is closed,
// and `failed` says why.

#include <QProcess>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "core/net/hub_client.h"
#include "shell/foreign_engine.h"

namespace velmora {

struct RecordedPosition;

class OutsideEngine : public ForeignEngine {
  Q_OBJECT
 public:
  explicit OutsideEngine(Deliver deliver, QObject* parent = nullptr);
  ~OutsideEngine() override;

  // The program and its arguments as one command line, for games of `type`.
  // A change closes the program that runs.
  void setCommand(const std::string& command, GameType type);
  const std::string& command() const { return command_; }
  std::string engineName() const override { return client_->engineName(); }
  // How long past its time a search may stay silent before it counts as
  // lost; the program's start and greeting get the same.
  void setGraceMs(int ms) { graceMs_ = ms; }

  void start(const RecordedPosition& state, int moveTimeMs, Progress progress, Finished finished,
             Failed failed) override;
  void breakOff() override;
  // The program stays for the next search.
  void stop() override;
  void close() override;
  bool running() const override { return static_cast<bool>(finished_); }
  const EngineProgress& lastProgress() const override { return client_->progress(); }
  const std::string& lineText() const { return client_->lineText(); }

 private:
  void launch();
  void readLines();
  void heard(HubClient::Heard what);
  // By value: `why` may be the failure of the client this replaces.
  void lose(std::string why);
  void send(const std::string& line);
  // Runs `call` through deliver_, unless stop() came in between.
  void post(std::function<void()> call);

  Deliver deliver_;
  std::string command_;
  GameType type_ = International;
  int graceMs_ = 10'000;
  QProcess* process_ = nullptr;
  std::unique_ptr<HubClient> client_;
  QTimer deadline_;
  bool broken_ = false;
  Progress progress_;
  Finished finished_;
  Failed failed_;
  std::uint64_t generation_ = 0;
};

}  // namespace velmora
