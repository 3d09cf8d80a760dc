#include "shell/network_game.h"

#include <QMetaObject>
#include <QPointer>

#include "core/game/game_state.h"
#include "core/net/socket.h"
#include "core/platform/host.h"
#include "core/records/listing.h"

namespace velmora {

NetworkGame::NetworkGame(GameState& game, MoveListing& listing, Window window, QObject* parent)
    : QObject(parent), game_(game), listing_(listing), window_(std::move(window)) {}

NetworkGame::~NetworkGame() {
  stopWorker();
  closeSocket(link_.fd);
}

void NetworkGame::start(int fd, bool server, const std::string& name, int serverSide) {
  end();
  link_ = NetLink{};
  link_.fd = fd;
  boardSize_ = game_.boardSize;
  session_ = std::make_unique<NetSession>(game_, listing_, server, name, serverSide);
  perform(session_->start());
}

void NetworkGame::perform(NetAction action) {
  stopIdleWatch();
  if (game_.boardSize != boardSize_) {
    boardSize_ = game_.boardSize;
    window_.placeWindow();
  }
  switch (action.kind) {
    case NetAction::Send:
    case NetAction::Receive: {
      window_.setBusy(true);
      window_.refresh();
      cancel_ = std::make_unique<Cancel>();
      const std::uint64_t generation = ++generation_;
      const bool send = action.kind == NetAction::Send;
      worker_ = std::thread([this, send, text = std::move(action.text), generation] {
        if (send) {
          result_ = sendMessage(link_, text, *cancel_, kNoTimeLimit);
        } else {
          result_ = receiveMessage(link_, received_, *cancel_, kNoTimeLimit);
        }
        QMetaObject::invokeMethod(
            this, [this, generation] { window_.deliver([this, generation] { transferEnded(generation); }); },
            Qt::QueuedConnection);
      });
      return;
    }
    case NetAction::Idle:
      watchWhileIdle();
      window_.setBusy(false);
      window_.refresh();
      return;
    case NetAction::Over:
      closeConnection();
      window_.setBusy(false);
      window_.refresh();
      return;
  }
}

void NetworkGame::transferEnded(std::uint64_t generation) {
  if (generation != generation_ || !worker_.joinable()) return;
  worker_.join();
  if (!session_) return;
  perform(session_->transferred(result_, received_));
}

void NetworkGame::exchange() {
  if (wantsExchange()) perform(session_->exchangeTurn());
}

void NetworkGame::askBreak() {
  if (!session_ || !transferring()) return;
  // The end of the transfer, if it comes meanwhile, waits for the answer.
  if (!breakTransferQuestion(session_->sending())) return;
  stopWorker();
  perform(session_->breakOff());
}

void NetworkGame::end() {
  stopIdleWatch();
  stopWorker();
  if (session_ && !session_->over()) {
    session_->breakOff();
    window_.setBusy(false);
  }
  closeConnection();
}

void NetworkGame::stopWorker() {
  ++generation_;
  if (cancel_) cancel_->raise();
  if (worker_.joinable()) worker_.join();
}

void NetworkGame::watchWhileIdle() {
  if (link_.fd < 0) return;
  idleWatch_ = new QSocketNotifier(link_.fd, QSocketNotifier::Read, this);
  connect(idleWatch_, &QSocketNotifier::activated, this, [this] {
    // Deleted later: this runs inside the notifier's own signal.
    stopIdleWatch();
    // Bytes that came early stay for the next receive to judge.
    if (!peerClosed(link_.fd)) return;
    window_.deliver([this] {
      if (session_ && !session_->over() && !transferring()) perform(session_->peerLeft());
    });
  });
}

void NetworkGame::stopIdleWatch() {
  if (!idleWatch_) return;
  idleWatch_->setEnabled(false);
  idleWatch_->deleteLater();
  idleWatch_ = nullptr;
}

void NetworkGame::closeConnection() {
  closeSocket(link_.fd);
  host.updateCursor();
}

}  // namespace velmora
