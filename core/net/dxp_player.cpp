#include "core/net/dxp_player.h"

#include <algorithm>
#include <memory>

#include "core/ai/engine.h"
#include "core/game/game_state.h"
#include "core/net/dxp.h"
#include "core/net/framing.h"
#include "core/net/socket.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

class DxpSession {
 public:
  DxpSession(int fd, const DxpSettings& settings, Engine& engine) : settings_(settings), engine_(engine) {
    link_.fd = fd;
  }

  std::string run(const std::function<void(const DxpGameReport&)>& report) {
    return settings_.initiator ? runInitiator(report) : runFollower(report);
  }

 private:
  bool send(const DxpMessage& m) {
    return sendMessage(link_, dxpText(m), cancel_, settings_.peerTimeoutMs) == Transfer::Done || fail("send failed");
  }

  // The next message that is not chat; nothing when the connection ends or
  // the message does not read (`error_` says which, empty for a clean close).
  std::optional<DxpMessage> receive() {
    for (;;) {
      std::string text;
      const Transfer t = receiveMessage(link_, text, cancel_, settings_.peerTimeoutMs);
      if (t == Transfer::Closed) return std::nullopt;
      if (t == Transfer::TimedOut) return failed("the other program has not answered for too long");
      if (t != Transfer::Done) return failed("the connection broke");
      std::string why;
      auto m = readDxp(text, why);
      if (!m) return failed("the other program sent " + why);
      if (std::holds_alternative<DxpChat>(*m)) continue;
      if (std::holds_alternative<DxpBackUp>(*m)) {
        // Taking moves back is not offered: the game goes on as played.
        if (!send(DxpBackUpAccept{1})) return std::nullopt;
        continue;
      }
      return m;
    }
  }

  bool fail(const std::string& why) {
    if (error_.empty()) error_ = why;
    return false;
  }
  std::optional<DxpMessage> failed(const std::string& why) {
    fail(why);
    return std::nullopt;
  }

  std::string runInitiator(const std::function<void(const DxpGameReport&)>& report) {
    for (int g = 1; g <= settings_.games; ++g) {
      const char ours = g % 2 == 1 ? 'W' : 'Z';
      DxpRequest r;
      r.name = settings_.name;
      r.followerColour = ours == 'W' ? 'Z' : 'W';
      r.minutes = settings_.minutes;
      r.moves = settings_.moves;
      r.fromStart = settings_.board.empty();
      r.sideToMove = settings_.sideToMove;
      r.board = settings_.board;
      if (!send(r)) return error_;
      const auto answer = receive();
      if (!answer) return error_.empty() ? "the other program left before answering" : error_;
      const auto* accept = std::get_if<DxpAccept>(&*answer);
      if (!accept) return "the other program did not answer the game request";
      if (accept->code != DxpAccepted)
        return "the other program refused the game (code " + std::to_string(accept->code) + ")";
      DxpGameReport done;
      if (!playGame(r, ours, g, g == settings_.games, done)) return error_;
      report(done);
    }
    return {};
  }

  std::string runFollower(const std::function<void(const DxpGameReport&)>& report) {
    for (int g = 1;; ++g) {
      const auto m = receive();
      if (!m) return error_;
      if (const auto* e = std::get_if<DxpEnd>(&*m)) {
        if (e->stop == 1) return {};
        continue;
      }
      const auto* r = std::get_if<DxpRequest>(&*m);
      if (!r) return "the other program sent a move or an answer where a game request belongs";
      auto probe = std::make_unique<GameState>();
      if (!r->fromStart && readDxpBoard(r->board, r->sideToMove, *probe)) {
        if (!send(DxpAccept{settings_.name, DxpNotThisPosition})) return error_;
        continue;
      }
      if (!send(DxpAccept{settings_.name, DxpAccepted})) return error_;
      DxpGameReport done;
      if (!playGame(*r, r->followerColour, g, false, done)) return error_;
      report(done);
      if (stopAfterGame_) return {};
    }
  }

  // One game from `r`'s position, our side `ours`. The initiator says the
  // end first; the follower answers it.
  bool playGame(const DxpRequest& r, char ours, int number, bool last, DxpGameReport& done) {
    auto game = std::make_unique<GameState>();
    if (r.fromStart) {
      setUpBoard(*game, International);
    } else if (const auto why = readDxpBoard(r.board, r.sideToMove, *game)) {
      return fail("the game's position: " + *why);
    }
    game->plyCount = 0;
    const int oursSide = ours == 'W' ? White : Black;
    const int timeMs =
        settings_.moveTimeMs > 0 ? settings_.moveTimeMs : std::max(50, r.minutes * 60'000 / std::max(1, r.moves));
    int secondsUsed = 0;
    done = DxpGameReport{number, ours, GameGoesOn, 0, "rules"};
    for (;;) {
      const int side = game->sideToMove();
      GameResult result = gameResult(*game, side, game->plyCount);
      if (result == GameGoesOn && game->plyCount >= kMaxGameMoves) {
        result = Draw;
        done.end = "limit";
      }
      if (result != GameGoesOn) {
        done.result = result;
        done.plies = game->plyCount;
        return endGame(result, oursSide, last);
      }
      if (side == oursSide) {
        engine_.setPosition(*game, *game);
        EngineLimits limits;
        limits.level = kExpertLevel;
        limits.moveTimeMs = timeMs;
        const EngineResult choice = engine_.think(limits);
        generateMoves(game->legalMoves, *game, side);
        if (choice.result != 1 || choice.rootIndex < 0 || choice.rootIndex >= game->moveCount)
          return fail("the Expert found no move");
        secondsUsed += std::max(1, timeMs / 1000);
        DxpMove m = dxpMoveOf(game->legalMoves[choice.rootIndex]);
        m.seconds = std::min(secondsUsed, 9999);
        applyMove(game->legalMoves[choice.rootIndex], game->gameRecord[game->plyCount], *game);
        ++game->plyCount;
        if (!send(m)) return false;
        continue;
      }
      const auto m = receive();
      if (!m) return fail("the other program left during the game");
      if (const auto* e = std::get_if<DxpEnd>(&*m)) {
        // The other side ended the game (a resignation, a draw agreed, its
        // own reading of the rules): its word stands, and is answered.
        done.end = "peer";
        done.plies = game->plyCount;
        const int senderSide = oursSide ^ 1;
        done.result = e->reason == DxpDraw          ? Draw
                      : e->reason == DxpSenderWins  ? (senderSide == White ? WhiteWins : BlackWins)
                      : e->reason == DxpSenderLoses ? (senderSide == White ? BlackWins : WhiteWins)
                                                    : Draw;
        stopAfterGame_ = e->stop == 1;
        return send(DxpEnd{viewOf(done.result, oursSide), e->stop});
      }
      const auto* move = std::get_if<DxpMove>(&*m);
      if (!move) return fail("the other program sent something other than a move during the game");
      const int index = legalDxpMove(*game, *move);
      if (index < 0) {
        send(DxpEnd{DxpUnknown, 1});
        return fail("the other program's move " + std::to_string(move->from) + "-" + std::to_string(move->to) +
                    " is not legal");
      }
      applyMove(game->legalMoves[index], game->gameRecord[game->plyCount], *game);
      ++game->plyCount;
    }
  }

  static int viewOf(GameResult result, int side) {
    if (result == Draw) return DxpDraw;
    const bool whiteWon = result == WhiteWins;
    return whiteWon == (side == White) ? DxpSenderWins : DxpSenderLoses;
  }

  // Both sides saw the end by the rules: the initiator says it, the
  // follower answers with its own view.
  bool endGame(GameResult result, int oursSide, bool last) {
    if (settings_.initiator) {
      if (!send(DxpEnd{viewOf(result, oursSide), last ? 1 : 0})) return false;
      const auto answer = receive();
      if (!answer) return error_.empty() || fail(error_);
      return std::holds_alternative<DxpEnd>(*answer) || fail("the other program did not answer the game's end");
    }
    const auto said = receive();
    if (!said) return fail("the other program left at the game's end");
    const auto* e = std::get_if<DxpEnd>(&*said);
    if (!e) return fail("the other program went on after the game's end");
    stopAfterGame_ = e->stop == 1;
    return send(DxpEnd{viewOf(result, oursSide), e->stop});
  }

  const DxpSettings& settings_;
  Engine& engine_;
  NetLink link_;
  Cancel cancel_;
  std::string error_;
  bool stopAfterGame_ = false;
};

}  // namespace

std::string playDxp(int fd, const DxpSettings& settings, Engine& engine,
                    const std::function<void(const DxpGameReport&)>& report) {
  DxpSession session(fd, settings, engine);
  return session.run(report);
}

}  // namespace velmora
