#include "shell/system/single_instance.h"

#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace velmora {

SingleInstance::SingleInstance(const QString& name) : name_(name) {}

bool SingleInstance::isFirstCopy() {
  // The lock goes to one copy only; a copy that died leaves a stale lock,
  // which QLockFile takes over.
  lock_ = std::make_unique<QLockFile>(name_ + ".lock");
  return lock_->tryLock(0);
}

void SingleInstance::activateRunningCopy(std::function<void()> done) {
  done_ = std::move(done);
  waited_.start();
  tryActivation();
}

void SingleInstance::tryActivation() {
  auto* socket = new QLocalSocket(this);
  connect(socket, &QLocalSocket::connected, this, [this, socket] {
    // From here on the end is the disconnection, whatever it reports.
    disconnect(socket, &QLocalSocket::errorOccurred, this, nullptr);
    socket->write("activate\n");
    socket->disconnectFromServer();
  });
  connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
    socket->deleteLater();
    finishActivation();
  });
  connect(socket, &QLocalSocket::errorOccurred, this, [this, socket] {
    socket->deleteLater();
    // It holds the lock but does not answer yet: it may still be starting.
    // Past the deadline, still one copy only.
    if (waited_.elapsed() >= 5000) return finishActivation();
    QTimer::singleShot(100, this, &SingleInstance::tryActivation);
  });
  socket->connectToServer(name_);
}

void SingleInstance::finishActivation() {
  // Once only: a closed connection may also report an error.
  if (auto done = std::move(done_)) {
    done_ = nullptr;
    done();
  }
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
