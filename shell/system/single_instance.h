#pragma once
// One copy of the program at a time: a second start asks the first to bring
// its window back and ends.

#include <QObject>
#include <QString>

class QLocalServer;

namespace velmora {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(const QString& name);

  // True when another copy answered and has been asked to show itself.
  bool askRunningCopy();
  // Starts listening for later copies.
  void listen();

 signals:
  void activationRequested();

 private:
  QString name_;
  QLocalServer* server_ = nullptr;
};

// The per-user name the copies meet under.
QString defaultInstanceName();

}  // namespace velmora
