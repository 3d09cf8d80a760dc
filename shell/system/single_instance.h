#pragma once
// One copy of the program at a time: a second start asks the first to bring
// its window back and ends.

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

namespace velmora {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // `name` is the socket's path; a lock file beside it decides which of two
  // copies started at the same moment goes on.
  explicit SingleInstance(const QString& name);

  // True when another copy runs (or is starting); it has been asked to show
  // itself. False when this copy is the one.
  bool askRunningCopy();
  // Starts listening for later copies.
  void listen();

 signals:
  void activationRequested();

 private:
  QString name_;
  QLocalServer* server_ = nullptr;
  std::unique_ptr<QLockFile> lock_;
};

// Where the copies of one user meet: in $XDG_RUNTIME_DIR when set, else in
// the temporary folder, named with the user id.
QString defaultInstanceName();

}  // namespace velmora
