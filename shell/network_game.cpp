#include "shell/network_game.h"

#include <QMetaObject>
#include <QPointer>

#include "core/platform/host.h"
#include "core/records/listing.h"
#include "core/rules/game_state.h"

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
            this, [this, generation] { transferEnded(generation); }, Qt::QueuedConnection);
      });
      return;
    }
    case NetAction::Idle:
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
  if (asking_) {
    endedMeanwhile_ = true;
    return;
  }
  worker_.join();
  if (!session_) return;
  perform(session_->transferred(result_, received_));
}

void NetworkGame::tick() {
  if (!session_ || asking_) return;
  if (transferring()) {
    asking_ = true;
    const bool breakOff = askBreakTransfer(session_->sending());
    asking_ = false;
    if (breakOff) {
      stopWorker();
      perform(session_->breakOff());
    } else if (endedMeanwhile_) {
      endedMeanwhile_ = false;
      transferEnded(generation_);
    }
    return;
  }
  if (session_->shouldExchange()) perform(session_->exchangeTurn());
}

void NetworkGame::end() {
  stopWorker();
  if (session_ && !session_->over()) {
    session_->breakOff();
    window_.setBusy(false);
  }
  closeConnection();
}

void NetworkGame::stopWorker() {
  ++generation_;
  endedMeanwhile_ = false;
  if (cancel_) cancel_->raise();
  if (worker_.joinable()) worker_.join();
}

void NetworkGame::closeConnection() {
  closeSocket(link_.fd);
  host.updateCursor();
}

}  // namespace velmora
