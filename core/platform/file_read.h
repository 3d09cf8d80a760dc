#pragma once
// Reading a whole file named from outside: only a regular file (a
// directory, a device or a pipe is named for what it is), and only up to a
// size, so that /dev/zero or a huge file cannot take all memory.

#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

// Why `path` is no regular file to read ("no such file: PATH", "PATH is a
// directory", ...); nothing when it is one.
std::optional<std::string> notRegularFile(const std::string& path);

// The whole text of a regular file of at most `maxBytes` bytes; otherwise
// the message saying why it is not read.
std::optional<std::string> readRegularFile(const std::string& path, std::uintmax_t maxBytes, std::string& text);

}  // namespace velmora
