#pragma once
// Replacing a whole file so that it is never left half written.

#include <string>

namespace velmora {

// Writes `text` to a temporary file beside `path`, flushes it to the disk and
// renames it over `path`. On failure the old file, if any, is untouched, the
// temporary file is removed and false is returned.
bool replaceFile(const std::string& path, const std::string& text);

}  // namespace velmora
