#include "core/platform/file_read.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/platform/file_kind.h"

namespace velmora {

namespace fs = std::filesystem;

const char* fileKindName(fs::file_type type) {
  switch (type) {
    case fs::file_type::directory: return "a directory";
    case fs::file_type::character: return "a character device";
    case fs::file_type::block: return "a block device";
    case fs::file_type::fifo: return "a pipe";
    case fs::file_type::socket: return "a socket";
    default: return nullptr;
  }
}

namespace {

std::string sizeText(std::uintmax_t bytes) {
  return bytes % (1 << 20) == 0 ? std::to_string(bytes >> 20) + " MiB" : std::to_string(bytes) + " bytes";
}

}  // namespace

std::optional<std::string> notRegularFile(const std::string& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);  // follows links, as opening does
  if (status.type() == fs::file_type::regular) return std::nullopt;
  if (status.type() == fs::file_type::not_found) return "no such file: " + path;
  if (ec) return "cannot read " + path + ": " + ec.message();
  const char* kind = fileKindName(status.type());
  return path + (kind ? std::string(" is ") + kind + ", not a regular file" : " is not a regular file");
}

std::optional<std::string> readRegularFile(const std::string& path, std::uintmax_t maxBytes, std::string& text) {
  text.clear();
  if (auto problem = notRegularFile(path)) return problem;
  std::ifstream in(path, std::ios::binary);
  if (!in) return "cannot read " + path + ": " + std::strerror(errno);
  // Read in pieces up to the limit rather than trusting the size the file
  // reports, which may change while it is read.
  std::string buffer(64 * 1024, '\0');
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    text.append(buffer.data(), static_cast<size_t>(in.gcount()));
    if (text.size() > maxBytes) {
      text.clear();
      return path + " is larger than " + sizeText(maxBytes);
    }
  }
  if (in.bad()) {
    text.clear();
    return "cannot read " + path;
  }
  return std::nullopt;
}

}  // namespace velmora
