#pragma once
// The network game in the window: the session of the core, its connection,
// and each send or receive on a worker thread. The window goes on painting
// meanwhile; its menu and board take no input, and Escape offers to break
// the transfer off. The end of a transfer is handed to `deliver`, which runs
// it once no modal window and no break question is up.

#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
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
    std::function<void(std::function<void()>)> deliver;
  };
  NetworkGame(GameState& game, MoveListing& listing, Window window, QObject* parent = nullptr);
  ~NetworkGame() override;

  // Takes over a connected socket; the game has been prepared for it.
  void start(int fd, bool server, const std::string& name, int serverSide);
  // The local move is to go out now (the turn controller decides when).
  bool wantsExchange() const { return session_ && !transferring() && session_->shouldExchange(); }
  void exchange();
  // Escape was pressed during a transfer: asks whether to break it off.
  void askBreak();
  // Ends the network game at once: the transfer is stopped, the socket
  // closed, both players become local humans.
  void end();
  bool active() const { return session_ && !session_->over(); }
  bool transferring() const { return worker_.joinable(); }
  // Waiting for the opponent's message: what Escape would break off.
  bool receiving() const { return session_ && transferring() && !session_->sending(); }

 private:
  void perform(NetAction action);
  void transferEnded(std::uint64_t generation);
  void stopWorker();
  void closeConnection();
  // While the local player is to move nothing is read, so a peer that
  // leaves would be noticed only at the next send: the socket is watched.
  void watchWhileIdle();
  void stopIdleWatch();

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
  int boardSize_ = 0;
  QPointer<QSocketNotifier> idleWatch_;
};

}  // namespace velmora
