#pragma once
// One copy of the program at a time: a second start asks the first to bring
// its window back and ends.

#include <QElapsedTimer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

namespace velmora {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // `name` is the socket's path; a lock file beside it decides which of two
  // copies started at the same moment goes on.
  explicit SingleInstance(const QString& name);

  // True when this copy is the one; false when another copy runs or is
  // starting.
  bool isFirstCopy();
  // Asks the running copy to show itself, from the event loop: a copy that
  // is still starting is tried again every tenth of a second for up to five
  // seconds, without the thread ever sleeping. `done` runs once at the end.
  void activateRunningCopy(std::function<void()> done);
  // Starts listening for later copies.
  void listen();

 signals:
  void activationRequested();

 private:
  void tryActivation();
  void finishActivation();

  QString name_;
  QElapsedTimer waited_;
  std::function<void()> done_;
  QLocalServer* server_ = nullptr;
  std::unique_ptr<QLockFile> lock_;
};

// Where the copies of one user meet: in $XDG_RUNTIME_DIR when set, else in
// the temporary folder, named with the user id.
QString defaultInstanceName();

}  // namespace velmora
