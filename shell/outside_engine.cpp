#include "shell/outside_engine.h"

#include <QPointer>

#include "core/platform/translation.h"
#include "core/rules/game_record.h"

namespace velmora {

namespace {

// A line longer than this is not a Hub line: the engine is lost rather
// than the window's memory.
constexpr qint64 kLongestLine = 64 * 1024;

}  // namespace

OutsideEngine::OutsideEngine(Deliver deliver, QObject* parent)
    : ForeignEngine(parent),
      deliver_(std::move(deliver)),
      client_(std::make_unique<HubClient>([](const std::string&) {})) {
  deadline_.setSingleShot(true);
  connect(&deadline_, &QTimer::timeout, this, [this] { lose(say("The engine did not answer in time.")); });
}

OutsideEngine::~OutsideEngine() {
  stop();
  close();
  // Programs asked to leave are not left behind running.
  for (QProcess* process : findChildren<QProcess*>()) {
    process->kill();
    process->waitForFinished(1000);
  }
}

void OutsideEngine::setCommand(const std::string& command, GameType type) {
  if (command == command_ && type == type_) return;
  stop();
  close();
  command_ = command;
  type_ = type;
}

void OutsideEngine::launch() {
  close();
  const QStringList words = QProcess::splitCommand(QString::fromStdString(command_));
  client_ = std::make_unique<HubClient>([this](const std::string& line) { send(line); });
  if (words.isEmpty()) {
    lose(say("No engine program is set."));
    return;
  }
  process_ = new QProcess(this);
  // What the engine says about itself goes where ours goes.
  process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  connect(process_, &QProcess::started, this, [this] { client_->begin(type_); });
  connect(process_, &QProcess::readyReadStandardOutput, this, &OutsideEngine::readLines);
  connect(process_, &QProcess::errorOccurred, this, [this, program = words.first()](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) lose(say("The engine could not be started:") + " " + program.toStdString());
  });
  connect(process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
    lose(status == QProcess::CrashExit ? say("The engine crashed.")
                                       : say("The engine ended, with exit code") + " " + std::to_string(code) + ".");
  });
  process_->start(words.first(), words.mid(1));
}

void OutsideEngine::send(const std::string& line) {
  if (process_) process_->write(QByteArray::fromStdString(line + "\n"));
}

void OutsideEngine::readLines() {
  while (process_ && process_->canReadLine()) {
    QByteArray line = process_->readLine(kLongestLine + 1);
    while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
    heard(client_->line(line.toStdString()));
  }
  if (process_ && process_->bytesAvailable() > kLongestLine) lose(say("The engine sent a line too long."));
}

void OutsideEngine::heard(HubClient::Heard what) {
  switch (what) {
    case HubClient::Heard::Progress:
      if (progress_ && !broken_)
        post([progress = progress_, p = client_->progress(), line = client_->lineText()] { progress(p, line); });
      return;
    case HubClient::Heard::Done: {
      deadline_.stop();
      auto finished = std::move(finished_);
      progress_ = nullptr;
      finished_ = nullptr;
      failed_ = nullptr;
      if (!finished) return;
      ComputerChoice choice;
      if (!broken_ && client_->chosenIndex() >= 0) {
        choice.result = 1;
        choice.bestRootIndex = client_->chosenIndex();
      }
      post([finished, choice] { finished(choice); });
      return;
    }
    case HubClient::Heard::Failed: lose(client_->failure()); return;
    case HubClient::Heard::Ready:
    case HubClient::Heard::Nothing: return;
  }
}

void OutsideEngine::lose(std::string why) {
  deadline_.stop();
  close();
  auto failed = std::move(failed_);
  progress_ = nullptr;
  finished_ = nullptr;
  failed_ = nullptr;
  if (failed) post([failed, why] { failed(why); });
}

void OutsideEngine::start(const RecordedPosition& state, int moveTimeMs, Progress progress, Finished finished,
                          Failed failed) {
  stop();
  broken_ = false;
  progress_ = std::move(progress);
  finished_ = std::move(finished);
  failed_ = std::move(failed);
  const bool fresh = !process_ || client_->stage() == HubClient::Stage::Failed;
  if (fresh) launch();
  if (!process_) return;  // lost already, and told
  client_->think(state, moveTimeMs);
  deadline_.start(moveTimeMs + graceMs_ * (fresh ? 2 : 1));
}

void OutsideEngine::breakOff() {
  if (!running()) return;
  broken_ = true;
  if (client_->stage() == HubClient::Stage::Thinking) {
    client_->stop();
    return;
  }
  // Not yet searching: the program is still starting, and nothing is lost
  // by starting it again for the next search.
  auto finished = std::move(finished_);
  stop();
  close();
  // After stop(), so that it counts.
  post([finished] { finished(ComputerChoice{}); });
}

void OutsideEngine::post(std::function<void()> call) {
  QPointer<OutsideEngine> self(this);
  deliver_([self, generation = generation_, call = std::move(call)] {
    if (self && self->generation_ == generation) call();
  });
}

void OutsideEngine::stop() {
  ++generation_;
  deadline_.stop();
  progress_ = nullptr;
  finished_ = nullptr;
  failed_ = nullptr;
  client_->stop();
}

void OutsideEngine::close() {
  deadline_.stop();
  if (!process_) return;
  QProcess* process = process_;
  process_ = nullptr;
  process->disconnect(this);
  if (process->state() != QProcess::NotRunning) {
    process->write("quit\n");
    process->closeWriteChannel();
    // An engine that does not leave when asked is ended.
    QTimer::singleShot(2000, process, [process] { process->kill(); });
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
  } else {
    process->deleteLater();
  }
  client_ = std::make_unique<HubClient>([](const std::string&) {});
}

}  // namespace velmora
