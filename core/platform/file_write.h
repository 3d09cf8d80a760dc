#pragma once
// Replacing a whole file so that it is never left half written: every file
// the program writes goes through here.

#include <string>

namespace velmora {

// Writes `text` to a temporary file beside `path`, flushes it to the disk and
// renames it over `path`. On failure the old file, if any, is untouched, the
// temporary file is removed, false is returned and `error`, when given, says
// what failed with the system's reason ("Cannot write PATH: No space left on
// device"). Only a regular file is replaced, and a link to one is written
// through to it; a pipe, a device, a directory or any other link is refused
// ("Cannot write PATH: it is a pipe, not a regular file"). A file size limit
// fails the write instead of ending the program.
bool replaceFile(const std::string& path, const std::string& text, std::string* error = nullptr);

}  // namespace velmora
