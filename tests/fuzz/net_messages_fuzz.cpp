// Messages from a peer: the bytes, cut into messages at their zero bytes
// however they arrive, drive a client's session from the header through
// the turns, the local side answering each move. Whatever the bytes, the
// session ends or waits for the peer without a crash, never waits for a
// local move that cannot be made, and a game it keeps is a legal one of at
// most 400 moves.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/game/game_state.h"
#include "core/game/play.h"
#include "core/net/protocol.h"
#include "core/platform/host.h"
#include "core/records/listing.h"
#include "core/records/notation.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  host = silentHost();
  host.after = [](int, std::function<void()> then) { then(); };
  host.messageBox = [](const std::string&, MessageIcon, MessageButtons) { return true; };  // Yes to a changed game
  auto game = std::make_unique<GameState>();
  MoveListing listing;
  prepareClientGame(*game, listing);
  NetSession session(*game, listing, false, "Visitor");
  MessageReader reader;
  // The first byte chooses where the transport splits the rest.
  const size_t chunk = size > 0 ? data[0] % 16 + 1 : 1;
  size_t at = size > 0 ? 1 : 0;
  NetAction action = session.start();
  for (int steps = 0; steps < 2000 && action.kind != NetAction::Over; ++steps) {
    if (action.kind == NetAction::Send) {
      action = session.transferred(Transfer::Done);
    } else if (action.kind == NetAction::Idle) {
      if (!session.shouldExchange()) {
        // The local player's turn: the first legal move stands in for the
        // computer's. A session idle with no move to make would wait for ever.
        if (checkGameEnd(*game, listing, false) != GameGoesOn) std::abort();
        playMove(*game, listing, 0);
        if (!session.shouldExchange()) std::abort();
      }
      action = session.exchangeTurn();
    } else {
      std::string text;
      while (!reader.next(text)) {
        if (reader.overflowed() || at >= size) return 0;
        const size_t n = std::min(chunk, size - at);
        reader.append(reinterpret_cast<const char*>(data + at), n);
        at += n;
      }
      action = session.transferred(Transfer::Done, text);
    }
  }
  if (listing.moveCount() > kMaxGameMoves) std::abort();
  // The listing replays from the start.
  auto replay = std::make_unique<GameState>();
  setUpBoard(*replay, game->gameType);
  for (const std::string& move : messageLines(buildListingText(*game, listing)))
    if (!playMoveText(*replay, move)) std::abort();
  return 0;
}
