#pragma once
// The network game: what each copy sends, what a reply means and when the
// network game ends. The session decides; its driver (the window's worker
// threads, the command line, the tests) moves the bytes and reports back.

#include <optional>
#include <string>
#include <vector>

#include "core/net/framing.h"
#include "core/platform/host.h"
#include "core/rules/board.h"

namespace velmora {

struct GameState;
struct MoveListing;

// The first message, server to client: six lines, each ended by CR LF.
struct NetHeader {
  GameType gameType = American;
  int serverSide = 0;  // the player the server plays: 0 White, 1 Black
  std::string serverName;
  int clocks[2] = {0, 0};
  bool giveAway = false;
};

std::string headerText(const NetHeader& header);
// Nothing when a line is missing or does not read, or the variant is
// outside the table; names arrive as UTF-8 cut to the name field.
std::optional<NetHeader> readHeader(const std::string& text);

// The lines of a message, split at CR LF; none for the empty text.
std::vector<std::string> messageLines(const std::string& text);

// The move texts of the listing's moves, joined by CR LF.
std::string buildListingText(const GameState& game, const MoveListing& listing);

// A name received from a peer: UTF-8 (Windows-1252 read as such), no
// longer than a player's name field.
std::string peerName(const std::string& text);

// What the server chose in the Network game dialog.
struct NetChoice {
  bool continueCurrent = false;
  GameType gameType = American;
  int serverSide = 0;
  bool giveAway = false;
};

// The local game once the connection stands: no game running, both players
// human and unnamed; the server's new or continued game, or the client's
// empty listing awaiting the server's game. A game from a start position
// of its own cannot be continued: it is replaced by the new game chosen.
// The local name goes to the server's player. Returns the server's side.
int prepareServerGame(GameState& game, MoveListing& listing, const NetChoice& choice, const std::string& name);
void prepareClientGame(GameState& game, MoveListing& listing);

// How a network game ended. The first four are the game's own end.
enum class NetEnd {
  None,
  Win,
  Loss,
  Draw,
  MoveLimit,
  Canceled,        // the opponent sent the empty listing
  ChangedRefused,  // No to the changed-game question
  ConnectionLost,  // a transfer failed, the peer closed or sent too much
  BadHeader,
  IllegalMove,  // the opponent's first move was not legal
  Broken,       // the local player broke a transfer off
  TimedOut,
};

// One word for each end, as the command line prints it.
const char* netEndWord(NetEnd end);
bool endedByRules(NetEnd end);

struct NetAction {
  // Idle: nothing under way; the local player is to move, or shouldExchange
  // says the listing goes out again.
  enum Kind { Send, Receive, Idle, Over } kind = Over;
  std::string text;  // what to send
};

class NetSession {
 public:
  // The game and the listing must outlive the session. `ownName` is this
  // copy's network name; a client learns its side from the header.
  NetSession(GameState& game, MoveListing& listing, bool server, std::string ownName, int serverSide = 0);

  // The first action of the start-up exchange, after prepareServerGame or
  // prepareClientGame.
  NetAction start();
  // The outcome of the Send or Receive last asked for; `received` is the
  // text of a receive that was Done.
  NetAction transferred(Transfer result, const std::string& received = {});
  // The local player has moved: whether to send now (the remote player is
  // to move at the last line and nothing is under way). Whether the game
  // still runs does not matter: a move that ended it goes out too.
  bool shouldExchange() const;
  NetAction exchangeTurn();
  // The local player broke off the running transfer.
  NetAction breakOff();
  // The peer ended the connection: between messages, or while the local
  // player was to move and nothing was under way.
  NetAction peerLeft();

  bool busy() const { return busy_; }
  // Whether the running transfer is a send (else a receive).
  bool sending() const;
  bool over() const { return phase_ == Phase::Over; }
  NetEnd end() const { return end_; }
  int localSide() const { return localSide_; }

 private:
  enum class Phase {
    SendHeader,
    ReceiveName,
    SendListing,  // server
    ReceiveHeader,
    SendName,
    ReceiveListing,  // client
    SendTurn,
    ReceiveTurn,
    SendCancel,
    Idle,
    Over,
  };
  NetAction beginPlay();
  NetAction handleReply(const std::string& reply);
  NetAction finish(NetEnd end, const char* message = nullptr, MessageIcon icon = MessageIcon::Information);
  NetEnd gameOver();  // None while the game goes on
  // gameOver for a game taken from a listing (the start-up game, a changed
  // game), with the end's message: a game over at its last line leaves
  // nobody a move to make, so the network game must end there.
  NetEnd endOfListedGame();

  GameState& game_;
  MoveListing& listing_;
  bool server_;
  std::string ownName_;
  int localSide_ = 0;
  Phase phase_ = Phase::Over;
  bool busy_ = false;
  bool startUpReply_ = false;  // the first reply after the start-up shows no result message
  NetEnd end_ = NetEnd::None;
};

// Escape held in the active window during a transfer: asks whether to break
// it off; true when the player said Yes.
bool askBreakTransfer(bool sending);
// The question alone, for a window that takes Escape as a key press.
bool breakTransferQuestion(bool sending);

}  // namespace velmora
