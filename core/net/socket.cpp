#include "core/net/socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "core/platform/translation.h"

namespace velmora {

namespace {

using Clock = std::chrono::steady_clock;

bool setNonBlocking(int fd) {
  const int flags = fcntl(fd, F_GETFL, 0);
  return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

bool toAddress(const std::string& ip, int port, sockaddr_in& address) {
  address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  return port >= 0 && port <= 65535 && inet_pton(AF_INET, ip.c_str(), &address.sin_addr) == 1;
}

// Waits until `fd` is ready for `events` or the cancel pipe is written.
// The remaining time is counted from `deadline`, so interrupted polls do
// not lengthen the wait.
WaitResult waitFor(int fd, short events, const Cancel& cancel, int timeoutMs) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
  for (;;) {
    if (cancel.raised()) return WaitResult::Canceled;
    int wait = -1;
    if (timeoutMs >= 0) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      wait = left > 0 ? static_cast<int>(left) : 0;  // a spent limit still looks once
    }
    pollfd fds[2] = {{fd, events, 0}, {cancel.waitFd(), POLLIN, 0}};
    const int n = poll(fds, 2, wait);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return WaitResult::Failed;
    if (n == 0) return WaitResult::TimedOut;
    if (fds[1].revents != 0) return WaitResult::Canceled;
    return WaitResult::Ready;
  }
}

}  // namespace

Cancel::Cancel() {
  if (pipe(pipe_) == 0) {
    fcntl(pipe_[0], F_SETFD, FD_CLOEXEC);
    fcntl(pipe_[1], F_SETFD, FD_CLOEXEC);
  }
}

Cancel::~Cancel() {
  for (int fd : pipe_)
    if (fd >= 0) close(fd);
}

void Cancel::raise() {
  const char byte = 1;
  if (!raised()) (void)!write(pipe_[1], &byte, 1);
}

bool Cancel::raised() const {
  pollfd fd = {pipe_[0], POLLIN, 0};
  return poll(&fd, 1, 0) > 0;
}

void closeSocket(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

int listenOn(const std::string& ip, int port, std::string& error) {
  sockaddr_in address;
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    error = N_("Could not create socket");
    return -1;
  }
  const int yes = 1;  // a server started again at once may take its port back
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  if (!toAddress(ip, port, address) || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    error = N_("Could not bind socket");
    closeSocket(fd);
    return -1;
  }
  if (listen(fd, 1) != 0 || !setNonBlocking(fd)) {
    error = N_("Could not listen soket");
    closeSocket(fd);
    return -1;
  }
  return fd;
}

int boundPort(int fd) {
  sockaddr_in address = {};
  socklen_t size = sizeof address;
  if (getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) return 0;
  return ntohs(address.sin_port);
}

int acceptClient(int listenFd, const Cancel& cancel, int timeoutMs, WaitResult& result) {
  for (;;) {
    result = waitFor(listenFd, POLLIN, cancel, timeoutMs);
    if (result != WaitResult::Ready) return -1;
    const int fd = accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd >= 0) return fd;
    if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR && errno != ECONNABORTED) {
      result = WaitResult::Failed;
      return -1;
    }
  }
}

int connectTo(const std::string& ip, int port, const Cancel& cancel, int timeoutMs, WaitResult& result) {
  sockaddr_in address;
  result = WaitResult::Failed;
  if (!toAddress(ip, port, address)) return -1;
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return -1;
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    if (errno != EINPROGRESS) {
      closeSocket(fd);
      return -1;
    }
    result = waitFor(fd, POLLOUT, cancel, timeoutMs);
    int failure = 0;
    socklen_t size = sizeof failure;
    if (result == WaitResult::Ready && (getsockopt(fd, SOL_SOCKET, SO_ERROR, &failure, &size) != 0 || failure != 0))
      result = WaitResult::Failed;
    if (result != WaitResult::Ready) {
      closeSocket(fd);
      return -1;
    }
  }
  result = WaitResult::Ready;
  return fd;
}

WaitResult sendAll(int fd, const char* data, std::size_t size, const Cancel& cancel, int timeoutMs) {
  while (size > 0) {
    const WaitResult ready = waitFor(fd, POLLOUT, cancel, timeoutMs);
    if (ready != WaitResult::Ready) return ready;
    // MSG_NOSIGNAL: a peer that has gone is an error return, not SIGPIPE.
    const ssize_t sent = send(fd, data, size, MSG_NOSIGNAL);
    if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) continue;
    if (sent <= 0) return WaitResult::Failed;
    data += sent;
    size -= static_cast<std::size_t>(sent);
  }
  return WaitResult::Ready;
}

WaitResult receiveSome(int fd, char* data, std::size_t size, std::size_t& received, const Cancel& cancel,
                       int timeoutMs) {
  received = 0;
  for (;;) {
    const WaitResult ready = waitFor(fd, POLLIN, cancel, timeoutMs);
    if (ready != WaitResult::Ready) return ready;
    const ssize_t got = recv(fd, data, size, 0);
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) continue;
    // A peer that closed with our bytes still unread resets the connection:
    // gone all the same.
    if (got < 0 && errno == ECONNRESET) return WaitResult::Ready;
    if (got < 0) return WaitResult::Failed;
    received = static_cast<std::size_t>(got);
    return WaitResult::Ready;
  }
}

bool peerClosed(int fd) {
  char byte;
  for (;;) {
    const ssize_t got = recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno != EAGAIN && errno != EWOULDBLOCK;
    return got == 0;
  }
}

bool isDottedIpv4(const std::string& text) {
  in_addr address;
  return inet_pton(AF_INET, text.c_str(), &address) == 1;
}

}  // namespace velmora
