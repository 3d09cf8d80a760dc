#pragma once
// Players' names: how long one may be, wherever it is typed, stored, saved or
// sent, and the name that marks the computer. Kept on the lowest floor, so
// that the login name, the game record, the settings and the network header
// all count the same bytes.

#include <string>
#include <string_view>

namespace velmora {

// Bytes of UTF-8 a player's name keeps in the game record, in the network
// header and as the login name.
constexpr int kMaxNameLength = 50;

// A name typed into the New game dialog or read from the settings file keeps
// one byte fewer: those were read into a buffer of kMaxNameLength bytes that
// also held the terminating zero.
constexpr int kTypedNameLength = kMaxNameLength - 1;

// The name that marks a player as the computer, in the game record, the
// saved game, PDN and the settings.
constexpr const char* kComputerName = "Computer";

// A player's name as it is kept, from whatever source (typed, the settings,
// a saved game, PDN, a network peer, the login name): UTF-8 (other bytes
// read as Windows-1252), each control character a space, at most `maxBytes`
// bytes cut on a character boundary.
std::string playerNameFrom(std::string_view text, size_t maxBytes = kMaxNameLength);

}  // namespace velmora
