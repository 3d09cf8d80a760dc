#pragma once
// What stands at a path when it is no regular file, in the words of the
// messages that refuse to read or write it.

#include <filesystem>

namespace velmora {

// "a directory", "a pipe", ...; null for a regular file and for kinds that
// have no name here.
const char* fileKindName(std::filesystem::file_type type);

}  // namespace velmora
