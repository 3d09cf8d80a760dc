#include "shell/system/single_instance.h"

#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace velmora {

SingleInstance::SingleInstance(const QString& name) : name_(name) {}

bool SingleInstance::askRunningCopy() {
  // The lock goes to one copy only; a copy that died leaves a stale lock,
  // which QLockFile takes over.
  lock_ = std::make_unique<QLockFile>(name_ + ".lock");
  if (lock_->tryLock(0)) return false;
  // The other copy may still be starting: it listens within moments.
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 5000) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (socket.waitForConnected(250)) {
      socket.write("activate\n");
      socket.waitForBytesWritten(500);
      socket.disconnectFromServer();
      return true;
    }
    QThread::msleep(100);
  }
  return true;  // it holds the lock but does not answer: still, one copy only
}

void SingleInstance::listen() {
  server_ = new QLocalServer(this);
  // A copy that crashed leaves its socket file behind; nobody answers on it.
  QLocalServer::removeServer(name_);
  server_->listen(name_);
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* peer = server_->nextPendingConnection()) {
      connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
      emit activationRequested();
    }
  });
}

QString defaultInstanceName() {
  QString folder = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::tempPath();
  return QDir(folder).filePath(QString("velmora-%1").arg(::getuid()));
}

}  // namespace velmora
