#pragma once
// Messages on the connection: a text and one zero byte. Bytes are read
// however the transport delivers them; a message ends at its zero byte and
// whatever follows belongs to the next one.

#include <cstddef>
#include <string>

#include "core/net/socket.h"

namespace velmora {

// Longer texts are refused: a game's whole listing is far shorter, so such
// a text is a damaged or hostile peer, not a game.
constexpr std::size_t kMaxMessageBytes = 64 * 1024;

class MessageReader {
 public:
  void append(const char* data, std::size_t size) { pending_.append(data, size); }
  // Takes the next whole message out of what has arrived.
  bool next(std::string& text);
  // More than kMaxMessageBytes have arrived without a zero byte.
  bool overflowed() const;
  // Nothing of a message has arrived yet.
  bool empty() const { return pending_.empty(); }

 private:
  std::string pending_;
};

// Closed: the peer ended the connection between two messages, as a copy does
// that leaves the game; Failed: anything else that broke it.
enum class Transfer { Done, Failed, Closed, Canceled, TimedOut };

// One connection of a network game: the socket and what has been read of it.
struct NetLink {
  int fd = -1;
  MessageReader reader;
};

// The text and its zero byte, as one block.
Transfer sendMessage(NetLink& link, const std::string& text, const Cancel& cancel, int timeoutMs);

// The next message; a closed connection or an over-long text is a failure.
Transfer receiveMessage(NetLink& link, std::string& text, const Cancel& cancel, int timeoutMs);

}  // namespace velmora
