#include "core/net/protocol.h"

#include <cstring>

#include "core/game/game_state.h"
#include "core/game/play.h"
#include "core/platform/host.h"
#include "core/platform/player_name.h"
#include "core/platform/text.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "core/records/notation.h"

namespace velmora {

namespace {

const char kLineEnd[] = "\r\n";

bool isNumber(const std::string& text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// Both players become local humans and the game stops; the game on the
// board stays as it is.
void endNetworkPlay(GameState& game) {
  game.players[0].type = HumanPlayer;
  game.players[1].type = HumanPlayer;
  game.gameRunning = 0;
  host.updateCursor();
}

}  // namespace

std::string headerText(const NetHeader& h) {
  std::string text;
  for (const std::string& line :
       {std::to_string(static_cast<int>(h.gameType)), std::to_string(h.serverSide), h.serverName,
        std::to_string(h.clocks[0]), std::to_string(h.clocks[1]), std::string(h.giveAway ? "1" : "0")})
    text += line + kLineEnd;
  return text;
}

std::vector<std::string> messageLines(const std::string& text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(kLineEnd, start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return lines;
    start = end + 2;
  }
}

std::optional<NetHeader> readHeader(const std::string& text) {
  const std::vector<std::string> lines = messageLines(text);
  if (lines.size() < 6) return std::nullopt;
  NetHeader h;
  // One digit, or the first two characters as two digits.
  const std::string type = lines[0].size() == 1 ? lines[0] : lines[0].substr(0, 2);
  if (!isNumber(type, 2) || std::stoi(type) >= kVariantCount) return std::nullopt;
  h.gameType = static_cast<GameType>(std::stoi(type));
  if (lines[1].empty()) return std::nullopt;
  h.serverSide = lines[1][0] == '0' ? 0 : 1;
  h.serverName = peerName(lines[2]);
  for (int side = 0; side < 2; ++side) {
    if (!isNumber(lines[3 + side], 9)) return std::nullopt;  // nine digits keep it an int
    h.clocks[side] = std::stoi(lines[3 + side]);
  }
  h.giveAway = !lines[5].empty() && lines[5][0] == '1';
  return h;
}

std::string buildListingText(const GameState& game, const MoveListing& listing) {
  std::string text;
  for (int i = 0; i < listing.moveCount(); ++i) {
    if (i > 0) text += kLineEnd;
    text += formatMove(game, i);
  }
  return text;
}

std::string peerName(const std::string& text) { return playerNameFrom(text); }

int prepareServerGame(GameState& game, MoveListing& listing, const NetChoice& choice, const std::string& name) {
  game.gameRunning = 0;
  for (PlayerRecord& player : game.players) {
    player.type = HumanPlayer;
    setPlayerName(player, "");
  }
  int serverSide = choice.serverSide;
  // The protocol has no room for the federations' rules: a network game is
  // classic, and a game by other rules is not continued.
  if (!choice.continueCurrent || game.start.custom || game.officialRules) {
    setUpBoard(game, choice.gameType);
    game.officialRules = 0;
    game.giveAway = choice.giveAway ? 1 : 0;
    game.plyCount = 0;
    resetListing(listing);
  } else {
    // The moves after the shown position are dropped; the side to move
    // there is the server's.
    serverSide = listing.sideToMove();
    game.plyCount = listing.shownMoves();
    refreshListing(listing, game, game.plyCount);
  }
  setPlayerName(game.players[serverSide], name);
  return serverSide;
}

void prepareClientGame(GameState& game, MoveListing& listing) {
  game.gameRunning = 0;
  for (PlayerRecord& player : game.players) {
    player.type = HumanPlayer;
    setPlayerName(player, "");
  }
  listing.lines.clear();
  listing.selected = -1;
}

const char* netEndWord(NetEnd end) {
  switch (end) {
    case NetEnd::None: return "none";
    case NetEnd::Win: return "win";
    case NetEnd::Loss: return "loss";
    case NetEnd::Draw: return "draw";
    case NetEnd::MoveLimit: return "move-limit";
    case NetEnd::Canceled: return "canceled";
    case NetEnd::ChangedRefused: return "changed-refused";
    case NetEnd::ConnectionLost: return "connection-lost";
    case NetEnd::BadHeader: return "bad-header";
    case NetEnd::IllegalMove: return "illegal-move";
    case NetEnd::Broken: return "broken";
    case NetEnd::TimedOut: return "timeout";
  }
  return "none";
}

bool endedByRules(NetEnd end) {
  return end == NetEnd::Win || end == NetEnd::Loss || end == NetEnd::Draw || end == NetEnd::MoveLimit;
}

NetSession::NetSession(GameState& game, MoveListing& listing, bool server, std::string ownName, int serverSide)
    : game_(game), listing_(listing), server_(server), ownName_(std::move(ownName)), localSide_(serverSide) {}

bool NetSession::sending() const {
  return phase_ == Phase::SendHeader || phase_ == Phase::SendName || phase_ == Phase::SendListing ||
         phase_ == Phase::SendTurn || phase_ == Phase::SendCancel;
}

NetAction NetSession::start() {
  busy_ = true;
  end_ = NetEnd::None;
  if (!server_) {
    phase_ = Phase::ReceiveHeader;
    return {NetAction::Receive, {}};
  }
  const int serverSide = localSide_;
  const int m = listing_.moveCount();
  if (m == 0) game_.players[0].clockSeconds = game_.players[1].clockSeconds = 0;
  game_.plyCount = m;
  game_.players[serverSide].type = HumanPlayer;
  game_.players[serverSide ^ 1].type = RemotePlayer;
  NetHeader h;
  h.gameType = game_.gameType;
  h.serverSide = serverSide;
  h.serverName = game_.players[serverSide].name;
  h.clocks[0] = game_.players[0].clockSeconds;
  h.clocks[1] = game_.players[1].clockSeconds;
  h.giveAway = game_.giveAway != 0;
  phase_ = Phase::SendHeader;
  return {NetAction::Send, headerText(h)};
}

NetAction NetSession::transferred(Transfer result, const std::string& received) {
  if (phase_ == Phase::Over || phase_ == Phase::Idle)
    return {phase_ == Phase::Over ? NetAction::Over : NetAction::Idle, {}};
  if (result == Transfer::Canceled) return breakOff();
  if (result == Transfer::TimedOut)
    return finish(NetEnd::TimedOut, N_("Your opponent has not answered for too long. Connection lost."));
  if (result == Transfer::Closed && !sending()) return peerLeft();
  if (result == Transfer::Failed || result == Transfer::Closed) {
    if (phase_ == Phase::SendCancel) return finish(NetEnd::IllegalMove);
    return finish(NetEnd::ConnectionLost,
                  sending() ? N_("Connection lost. Send data error.") : N_("Connection lost. Receive data error."));
  }
  switch (phase_) {
    case Phase::SendHeader: phase_ = Phase::ReceiveName; return {NetAction::Receive, {}};
    case Phase::ReceiveName:
      setPlayerName(game_.players[localSide_ ^ 1], peerName(received));
      phase_ = Phase::SendListing;
      return {NetAction::Send, buildListingText(game_, listing_)};
    case Phase::SendListing: return beginPlay();
    case Phase::ReceiveHeader: {
      const std::optional<NetHeader> h = readHeader(received);
      if (!h) return finish(NetEnd::BadHeader, N_("The server sent a game that cannot be read. Connection lost."));
      setUpBoard(game_, h->gameType);
      game_.officialRules = 0;
      localSide_ = h->serverSide ^ 1;
      setPlayerName(game_.players[h->serverSide], h->serverName);
      setPlayerName(game_.players[localSide_], ownName_);
      game_.players[h->serverSide].type = RemotePlayer;
      game_.players[localSide_].type = HumanPlayer;
      game_.players[0].clockSeconds = h->clocks[0];
      game_.players[1].clockSeconds = h->clocks[1];
      game_.giveAway = h->giveAway ? 1 : 0;
      phase_ = Phase::SendName;
      return {NetAction::Send, ownName_};
    }
    case Phase::SendName: phase_ = Phase::ReceiveListing; return {NetAction::Receive, {}};
    case Phase::ReceiveListing:
      // The server's game up to its first empty or unplayable line.
      game_.plyCount = 0;
      for (const std::string& line : messageLines(received))
        if (line.empty() || !playMoveText(game_, line)) break;
      refreshListing(listing_, game_, game_.plyCount);
      return beginPlay();
    case Phase::SendTurn: {
      // The local move has already shown its result.
      const NetEnd end = gameOver();
      if (end != NetEnd::None) return finish(end);
      phase_ = Phase::ReceiveTurn;
      return {NetAction::Receive, {}};
    }
    case Phase::ReceiveTurn: return handleReply(received);
    case Phase::SendCancel:
      return finish(NetEnd::IllegalMove, N_("Your opponent's move is not legal. The game was canceled."));
    case Phase::Idle:
    case Phase::Over: break;
  }
  return {NetAction::Over, {}};
}

NetAction NetSession::beginPlay() {
  game_.gameRunning = 1;
  host.requestRepaint();
  if (const NetEnd end = endOfListedGame(); end != NetEnd::None) return finish(end);
  if (game_.players[listing_.sideToMove()].type == RemotePlayer) {
    host.updateCursor();
    startUpReply_ = true;
    phase_ = Phase::ReceiveTurn;
    return {NetAction::Receive, {}};
  }
  busy_ = false;
  phase_ = Phase::Idle;
  host.updateCursor();
  return {NetAction::Idle, {}};
}

bool NetSession::shouldExchange() const {
  return phase_ == Phase::Idle && !busy_ && !game_.thinking && !game_.showingMove && listing_.atLastLine() &&
         game_.players[listing_.sideToMove()].type == RemotePlayer;
}

NetAction NetSession::exchangeTurn() {
  if (!shouldExchange()) return {phase_ == Phase::Over ? NetAction::Over : NetAction::Idle, {}};
  busy_ = true;
  startUpReply_ = false;
  host.updateCursor();
  phase_ = Phase::SendTurn;
  return {NetAction::Send, buildListingText(game_, listing_)};
}

NetAction NetSession::handleReply(const std::string& reply) {
  if (reply.empty()) return finish(NetEnd::Canceled, N_("The game was canceled"), MessageIcon::None);
  const std::vector<std::string> lines = messageLines(reply);
  const std::string& last = lines.back();
  std::string expected = buildListingText(game_, listing_);
  if (listing_.moveCount() >= 1) expected += kLineEnd;
  expected += last;
  if (reply == expected) {
    game_.plyCount = listing_.moveCount();
  } else {
    if (!host.messageBox(say("The game was changed by your opponent. Do you want to continue?"), MessageIcon::Question,
                         MessageButtons::YesNo))
      return finish(NetEnd::ChangedRefused);
    // The opponent's game, rebuilt from its listing: a line that is not a
    // legal move is passed over.
    const PlayerRecord players[2] = {game_.players[0], game_.players[1]};
    setUpBoard(game_, game_.gameType);
    game_.players[0] = players[0];
    game_.players[1] = players[1];
    game_.plyCount = 0;
    game_.gameRunning = 1;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
      if (lines[i].empty()) break;
      playMoveText(game_, lines[i]);
    }
    refreshListing(listing_, game_, game_.plyCount);
    if (const NetEnd end = endOfListedGame(); end != NetEnd::None) return finish(end);
  }
  // The new move must be the remote player's: a rebuilt game that leaves
  // the local side to move cannot take it.
  const bool played = game_.sideToMove() != localSide_ && !last.empty() && playMoveText(game_, last);
  refreshListing(listing_, game_, game_.plyCount);
  host.requestRepaint();
  if (!played) {
    // Sending the listing again asks for another move; with no move yet
    // that would be the empty listing, which means "canceled", so say so.
    if (game_.plyCount == 0) {
      phase_ = Phase::SendCancel;
      return {NetAction::Send, {}};
    }
    busy_ = false;
    phase_ = Phase::Idle;
    return {NetAction::Idle, {}};
  }
  game_.gameModified = 1;
  const bool showResult = !startUpReply_;
  startUpReply_ = false;
  checkGameEnd(game_, listing_, showResult);
  const NetEnd end = gameOver();
  if (end != NetEnd::None) return finish(end);
  busy_ = false;
  phase_ = Phase::Idle;
  host.updateCursor();
  return {NetAction::Idle, {}};
}

NetEnd NetSession::gameOver() {
  const GameResult result = checkGameEnd(game_, listing_, false);
  if (result == Draw) return NetEnd::Draw;
  if (result != GameGoesOn) return (result == WhiteWins) == (localSide_ == White) ? NetEnd::Win : NetEnd::Loss;
  // Neither side can make the 401st move, so both copies end here alike.
  if (listing_.moveCount() >= kMaxGameMoves) return NetEnd::MoveLimit;
  return NetEnd::None;
}

NetEnd NetSession::endOfListedGame() {
  const NetEnd end = gameOver();
  if (end == NetEnd::MoveLimit) {
    host.messageBox(say(kMoveLimitMessage), MessageIcon::Information, MessageButtons::Ok);
  } else if (end != NetEnd::None) {
    checkGameEnd(game_, listing_, true);  // for its message
  }
  return end;
}

NetAction NetSession::breakOff() { return finish(NetEnd::Broken); }

NetAction NetSession::peerLeft() {
  return finish(NetEnd::ConnectionLost, N_("Your opponent has left the game. Connection lost."));
}

NetAction NetSession::finish(NetEnd end, const char* message, MessageIcon icon) {
  endNetworkPlay(game_);
  phase_ = Phase::Over;
  busy_ = false;
  end_ = end;
  if (message) host.messageBox(say(message), icon, MessageButtons::Ok);
  return {NetAction::Over, {}};
}

bool breakTransferQuestion(bool sending) {
  return host.messageBox(sending ? say("Break send. Are you sure?") : say("Break receive. Are you sure?"),
                         MessageIcon::Question, MessageButtons::YesNoDefaultNo);
}

bool askBreakTransfer(bool sending) {
  return host.windowIsActive() && host.escapeDown() && breakTransferQuestion(sending);
}

}  // namespace velmora
