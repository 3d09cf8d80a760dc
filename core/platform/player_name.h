#pragma once
// Players' names: how long one may be, wherever it is typed, stored, saved or
// sent, and the name that marks the computer. Kept on the lowest floor, so
// that the login name, the game record, the settings and the network header
// all count the same bytes.

#include <string>
#include <string_view>

namespace velmora {

// Bytes of UTF-8 a player's name keeps, one limit wherever it comes from:
// typed, the settings, a saved game, PDN, a network peer, the login name.
// The New game dialog read names into a buffer of 50 bytes with the
// terminating zero, and a name that arrives another way keeps no more than
// a typed one.
constexpr int kMaxNameLength = 49;

// The name that marks a player as the computer, in the game record, the
// saved game, PDN and the settings.
constexpr const char* kComputerName = "Computer";

// A player's name as it is kept, from whatever source (typed, the settings,
// a saved game, PDN, a network peer, the login name): UTF-8 (other bytes
// read as Windows-1252), each control character a space, at most `maxBytes`
// bytes cut on a character boundary.
std::string playerNameFrom(std::string_view text, size_t maxBytes = kMaxNameLength);

// A player's name as the window shows it: the computer's in the player's
// language, any other as it is. The record, files and the network keep
// kComputerName.
std::string shownName(std::string_view name);

}  // namespace velmora
