#include "core/platform/file_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "core/platform/file_kind.h"

namespace velmora {

namespace {

bool writeAll(int fd, const std::string& text) {
  const char* data = text.data();
  size_t left = text.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = ENOSPC;  // a write that makes no progress never will
    if (written <= 0) return false;
    data += written;
    left -= static_cast<size_t>(written);
  }
  return true;
}

std::string kindText(std::filesystem::file_type type) {
  const char* kind = fileKindName(type);
  return kind ? kind : "something else";
}

// Where the text goes: `path` itself when nothing or an ordinary file is
// there, the file a link names when that is an ordinary file. Renaming over
// a pipe, a device or a link would put a file in its place, so anything else
// is refused with what it is.
std::optional<std::string> writableTarget(const std::string& path, std::string& target) {
  namespace fs = std::filesystem;
  std::error_code ec;
  target = path;
  const fs::file_type own = fs::symlink_status(path, ec).type();
  if (own == fs::file_type::none || own == fs::file_type::not_found || own == fs::file_type::regular)
    return std::nullopt;  // what cannot be looked at fails to open, with the system's reason
  if (own != fs::file_type::symlink) return "it is " + kindText(own) + ", not a regular file";
  const fs::file_type named = fs::status(path, ec).type();
  if (named == fs::file_type::regular) {
    target = fs::canonical(path, ec).string();
    if (!ec) return std::nullopt;
    return "it is a link that cannot be followed: " + ec.message();
  }
  return "it is a link to " + (named == fs::file_type::not_found ? std::string("nothing") : kindText(named)) +
         ", not to a regular file";
}

}  // namespace

bool replaceFile(const std::string& path, const std::string& text, std::string* error) {
  // A full disk shows up in write, fsync or close; only a complete copy is
  // renamed over the old file, so a crash leaves the old file or the new one.
  // Past a file size limit the system ends the program with SIGXFSZ, unsaved
  // and without a word; ignored, the write fails with EFBIG like a full disk.
  std::signal(SIGXFSZ, SIG_IGN);
  std::string target;
  if (auto refused = writableTarget(path, target)) {
    if (error) *error = "Cannot write " + path + ": " + *refused;
    return false;
  }
  const std::string temporary = target + ".new";
  const auto fail = [&](const char* what, bool created) {
    const int reason = errno;                     // before the clean-up can change it
    if (created) std::remove(temporary.c_str());  // never what stood in the way of creating it
    if (error) *error = std::string(what) + " " + path + ": " + std::strerror(reason);
    return false;
  };
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return fail("Cannot write", false);
  if (!writeAll(fd, text) || ::fsync(fd) != 0) {
    const int reason = errno;
    ::close(fd);
    errno = reason;
    return fail("Cannot write", true);
  }
  if (::close(fd) != 0) return fail("Cannot write", true);
  if (std::rename(temporary.c_str(), target.c_str()) != 0) return fail("Cannot replace", true);
  return true;
}

}  // namespace velmora
