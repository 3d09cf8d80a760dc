#include "shell/system/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <cstdlib>

namespace velmora {

SingleInstance::SingleInstance(const QString& name) : name_(name) {}

bool SingleInstance::askRunningCopy() {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(500)) return false;
  socket.write("activate\n");
  socket.waitForBytesWritten(500);
  socket.disconnectFromServer();
  return true;
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
  const char* user = std::getenv("USER");
  return QString("velmora-%1").arg(user ? user : "user");
}

}  // namespace velmora
