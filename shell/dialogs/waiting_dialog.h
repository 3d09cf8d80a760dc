#pragma once
// The small dialog that waits for the connection: the server accepting its
// one client, or the client connecting. The socket calls run on a worker
// thread; Cancel wakes it and joins it.

#include <QDialog>
#include <atomic>
#include <string>
#include <thread>

#include "core/net/socket.h"

namespace velmora {

class WaitingDialog : public QDialog {
  Q_OBJECT
 public:
  WaitingDialog(bool server, std::string ip, int port, QWidget* parent);
  ~WaitingDialog() override;

  // After Accepted: the connected socket, now the caller's.
  int takeSocket();
  // A server whose socket takes connections: a client may connect from now on.
  bool listening() const { return listening_.load(); }

 private:
  void connectionEnded();
  void reject() override;
  void stopWorker();

  std::thread worker_;
  Cancel cancel_;
  // Written by the worker, read here only after it has been joined.
  int socket_ = -1;
  std::string failure_;
  std::atomic<bool> listening_{false};
};

}  // namespace velmora
