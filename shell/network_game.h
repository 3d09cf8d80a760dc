#pragma once
// The network game in the window: the session of the core, its connection,
// and each send or receive on a worker thread. The window goes on painting
// meanwhile; its menu and board take no input, and Escape offers to break
// the transfer off.

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "core/net/protocol.h"

namespace velmora {

struct GameState;
struct MoveListing;

class NetworkGame : public QObject {
  Q_OBJECT
 public:
  struct Window {
    std::function<void(bool)> setBusy;
    std::function<void()> refresh;
    std::function<void()> placeWindow;  // the board's size may have changed
  };
  NetworkGame(GameState& game, MoveListing& listing, Window window, QObject* parent = nullptr);
  ~NetworkGame() override;

  // Takes over a connected socket; the game has been prepared for it.
  void start(int fd, bool server, const std::string& name, int serverSide);
  // From the turn timer: Escape during a transfer, or the local move to send.
  void tick();
  // Ends the network game at once: the transfer is stopped, the socket
  // closed, both players become local humans.
  void end();
  bool active() const { return session_ && !session_->over(); }
  bool transferring() const { return worker_.joinable(); }

 private:
  void perform(NetAction action);
  void transferEnded(std::uint64_t generation);
  void stopWorker();
  void closeConnection();

  GameState& game_;
  MoveListing& listing_;
  Window window_;
  std::unique_ptr<NetSession> session_;
  NetLink link_;
  std::thread worker_;
  std::unique_ptr<Cancel> cancel_;
  std::uint64_t generation_ = 0;  // results of a stopped transfer are dropped
  // Written by the worker, read after it has been joined.
  Transfer result_ = Transfer::Failed;
  std::string received_;
  // The break question's message box runs an event loop: a transfer that
  // ends meanwhile waits for the answer.
  bool asking_ = false;
  bool endedMeanwhile_ = false;
  int boardSize_ = 0;
};

}  // namespace velmora
