#include "core/platform/file_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

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

}  // namespace

bool replaceFile(const std::string& path, const std::string& text, std::string* error) {
  // A full disk shows up in write, fsync or close; only a complete copy is
  // renamed over the old file, so a crash leaves the old file or the new one.
  const std::string temporary = path + ".new";
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
  if (std::rename(temporary.c_str(), path.c_str()) != 0) return fail("Cannot replace", true);
  return true;
}

}  // namespace velmora
