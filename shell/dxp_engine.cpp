#include "shell/dxp_engine.h"

#include <QMetaObject>
#include <QPointer>
#include <algorithm>
#include <chrono>
#include <cstring>

#include "core/net/dxp.h"
#include "core/platform/translation.h"
#include "core/rules/game_record.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

bool sameMove(const MoveRecord& a, const MoveRecord& b) { return dxpText(dxpMoveOf(a)) == dxpText(dxpMoveOf(b)); }

// What is left until `deadline`, at least a millisecond.
int msLeft(std::chrono::steady_clock::time_point deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
  return static_cast<int>(std::clamp<long long>(left, 1, 24LL * 3600 * 1000));
}

bool sameStart(const StartPosition& a, const StartPosition& b) {
  if (a.custom != b.custom || a.side != b.side) return false;
  return !a.custom || std::memcmp(a.board, b.board, sizeof a.board) == 0;
}

}  // namespace

DxpEngine::DxpEngine(Deliver deliver, QObject* parent) : ForeignEngine(parent), deliver_(std::move(deliver)) {}

DxpEngine::~DxpEngine() {
  stop();
  close();
}

void DxpEngine::setAddress(const std::string& host, int port) {
  if (host == host_ && port == port_) return;
  stop();
  close();
  host_ = host;
  port_ = port;
}

void DxpEngine::post(std::uint64_t generation, std::function<void()> call) {
  QPointer<DxpEngine> self(this);
  // From the worker to the window's thread, where it waits its turn.
  QMetaObject::invokeMethod(
      this,
      [self, generation, call = std::move(call)] {
        if (!self || self->generation_ != generation) return;
        self->deliver_([self, generation, call] {
          if (self && self->generation_ == generation) call();
        });
      },
      Qt::QueuedConnection);
}

void DxpEngine::join() {
  if (cancel_) cancel_->raise();
  if (worker_.joinable()) worker_.join();
}

void DxpEngine::start(const RecordedPosition& state, int moveTimeMs, Progress, Finished finished, Failed failed) {
  stop();
  if (ending_) {
    join();
    ending_ = false;
  }
  running_ = true;
  broken_ = false;
  progress_ = EngineProgress{};
  cancel_ = std::make_unique<Cancel>();
  auto position = std::make_shared<RecordedPosition>(state);
  const std::uint64_t generation = generation_;
  worker_ =
      std::thread([this, position, moveTimeMs, generation, finished = std::move(finished), failed = std::move(failed)] {
        std::string why;
        const int index = askMove(*position, moveTimeMs, why);
        post(generation, [this, index, why, finished, failed] {
          running_ = false;
          if (worker_.joinable()) worker_.join();
          if (!why.empty()) {
            close();
            failed(why);
            return;
          }
          ComputerChoice choice;
          if (index >= 0 && !broken_) {
            choice.result = 1;
            choice.bestRootIndex = index;
          }
          // A program broken off still thinks about the old position: its
          // move would answer the wrong question, so the game is proposed
          // anew, the old one ended first.
          if (index < 0 || broken_) known_.reset();
          finished(choice);
        });
      });
}

void DxpEngine::breakOff() {
  broken_ = true;
  if (cancel_) cancel_->raise();
}

void DxpEngine::stop() {
  ++generation_;
  if (!running_) return;
  join();
  running_ = false;
  known_.reset();  // it is thinking about a position nobody waits for
}

void DxpEngine::finishGame(const RecordedPosition& state, GameResult result, int ourSide) {
  if (running_ || ending_ || !knowsGame(state)) return;
  ending_ = true;
  cancel_ = std::make_unique<Cancel>();
  auto position = std::make_shared<RecordedPosition>(state);
  const int reason = result == Draw                                ? DxpDraw
                     : (result == WhiteWins) == (ourSide == White) ? DxpSenderWins
                                                                   : DxpSenderLoses;
  worker_ = std::thread([this, position, reason] {
    // The moves it has not seen, then the end as we saw it, which it answers.
    bool told = true;
    for (int i = known_->plyCount; i < position->plyCount && told; ++i)
      told = sendMessage(link_, dxpText(dxpMoveOf(position->gameRecord[i])), *cancel_, graceMs_) == Transfer::Done;
    std::string why;
    if (!told || !endKnownGame(reason, why)) closeSocket(link_.fd);
    known_.reset();
  });
}

void DxpEngine::close() {
  join();
  ending_ = false;
  if (link_.fd >= 0) {
    // No more games: said briefly, for a program that still listens.
    Cancel never;
    sendMessage(link_, dxpText(DxpEnd{DxpUnknown, 1}), never, 500);
    closeSocket(link_.fd);
  }
  link_ = NetLink{};
  known_.reset();
}

bool DxpEngine::knowsGame(const RecordedPosition& state) const {
  if (!known_ || link_.fd < 0 || !sameStart(known_->start, state.start) || known_->plyCount > state.plyCount)
    return false;
  for (int i = 0; i < known_->plyCount; ++i)
    if (!sameMove(known_->gameRecord[i], state.gameRecord[i])) return false;
  return true;
}

bool DxpEngine::endKnownGame(int reason, std::string& why) {
  // Its own end answers ours; a move it was still sending is let go.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(graceMs_);
  if (sendMessage(link_, dxpText(DxpEnd{reason, 0}), *cancel_, graceMs_) != Transfer::Done) {
    if (!cancel_->raised()) why = say("The connection to the DamExchange program broke.");
    return false;
  }
  for (;;) {
    std::string text;
    if (receiveMessage(link_, text, *cancel_, msLeft(deadline)) != Transfer::Done) {
      if (!cancel_->raised()) why = say("The DamExchange program did not answer the game request.");
      return false;
    }
    std::string unread;
    const auto message = readDxp(text, unread);
    if (message && std::holds_alternative<DxpEnd>(*message)) return true;
  }
}

bool DxpEngine::propose(const RecordedPosition& state, int moveTimeMs, std::string& why) {
  if (link_.fd >= 0 && !endKnownGame(DxpUnknown, why)) return false;
  if (link_.fd < 0) {
    WaitResult result;
    link_ = NetLink{};
    link_.fd = connectTo(host_, port_, *cancel_, graceMs_, result);
    if (link_.fd < 0) {
      if (result != WaitResult::Canceled)
        why = say("Could not connect to the DamExchange program at") + " " + host_ + ":" + std::to_string(port_);
      return false;
    }
  }
  DxpRequest r;
  r.name = "Velmora";
  r.followerColour = state.sideToMove() == White ? 'W' : 'Z';
  // The program's time a move as DamExchange gives time: minutes for 60 moves.
  r.minutes = std::clamp((moveTimeMs + 999) / 1000, 1, 999);
  r.moves = 60;
  r.fromStart = state.plyCount == 0 && !state.start.custom;
  if (!r.fromStart) {
    r.sideToMove = state.sideToMove() == White ? 'W' : 'Z';
    r.board = dxpBoard(state);
  }
  if (sendMessage(link_, dxpText(r), *cancel_, graceMs_) != Transfer::Done) {
    if (!cancel_->raised()) why = say("The connection to the DamExchange program broke.");
    return false;
  }
  std::string text;
  const Transfer t = receiveMessage(link_, text, *cancel_, graceMs_);
  if (t != Transfer::Done) {
    if (!cancel_->raised()) why = say("The DamExchange program did not answer the game request.");
    return false;
  }
  std::string unread;
  const auto answer = readDxp(text, unread);
  const auto* accept = answer ? std::get_if<DxpAccept>(&*answer) : nullptr;
  if (!accept) {
    why = say("The DamExchange program did not answer the game request.");
    return false;
  }
  if (accept->code != DxpAccepted) {
    why = say("The DamExchange program refused the game, with code") + " " + std::to_string(accept->code) + ".";
    return false;
  }
  // Padded with spaces to its width on the wire.
  name_ = accept->name.substr(0, accept->name.find_last_not_of(' ') + 1);
  // The program knows the game as far as its board: every move before it.
  known_ = std::make_unique<RecordedPosition>(state);
  return true;
}

int DxpEngine::askMove(const RecordedPosition& state, int moveTimeMs, std::string& why) {
  // A game the program does not know, and the moves of one it knows that
  // it has not seen: the start of a move is their reply.
  int firstUnsent = known_ ? known_->plyCount : 0;
  if (!knowsGame(state)) {
    if (!propose(state, moveTimeMs, why)) return -1;
    firstUnsent = state.plyCount;
  }
  for (int i = firstUnsent; i < state.plyCount; ++i) {
    if (sendMessage(link_, dxpText(dxpMoveOf(state.gameRecord[i])), *cancel_, graceMs_) != Transfer::Done) {
      if (!cancel_->raised()) why = say("The connection to the DamExchange program broke.");
      return -1;
    }
  }
  auto after = std::make_unique<RecordedPosition>(state);
  // One limit for the move, whatever chat comes before it.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(moveTimeMs + graceMs_);
  for (;;) {
    std::string text;
    const Transfer t = receiveMessage(link_, text, *cancel_, msLeft(deadline));
    if (t == Transfer::Canceled) return -1;
    if (t == Transfer::TimedOut) {
      why = say("The engine did not answer in time.");
      return -1;
    }
    if (t != Transfer::Done) {
      why = say("The connection to the DamExchange program broke.");
      return -1;
    }
    std::string unread;
    const auto message = readDxp(text, unread);
    if (!message) {
      why = say("The DamExchange program sent a message that does not read:") + " " + unread.substr(0, 40);
      return -1;
    }
    if (std::holds_alternative<DxpChat>(*message)) continue;
    if (std::holds_alternative<DxpBackUp>(*message)) {
      // Taking moves back is not offered: the game goes on as played.
      sendMessage(link_, dxpText(DxpBackUpAccept{1}), *cancel_, graceMs_);
      continue;
    }
    if (std::holds_alternative<DxpEnd>(*message)) {
      why = say("The DamExchange program ended the game.");
      return -1;
    }
    const auto* move = std::get_if<DxpMove>(&*message);
    if (!move) {
      why = say("The DamExchange program sent something other than a move.");
      return -1;
    }
    const int index = legalDxpMove(*after, *move);
    if (index < 0) {
      why = say("The engine played a move that is not legal here:") + " " + std::to_string(move->from) + "-" +
            std::to_string(move->to);
      return -1;
    }
    // The program knows the game up to its own move.
    const MoveRecord chosen = after->legalMoves[index];
    applyMove(chosen, after->gameRecord[after->plyCount], *after);
    ++after->plyCount;
    known_ = std::move(after);
    return index;
  }
}

}  // namespace velmora
