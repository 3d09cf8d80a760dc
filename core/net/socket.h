#pragma once
// Blocking IPv4 TCP on POSIX sockets, for worker threads. Every wait can be
// broken from another thread through a Cancel, and given a time limit, so a
// worker can always be joined.

#include <cstddef>
#include <string>

namespace velmora {

// A flag another thread raises to break the waits of a worker. Waits watch
// its pipe together with the socket, so raising it wakes them at once.
class Cancel {
 public:
  Cancel();
  ~Cancel();
  Cancel(const Cancel&) = delete;
  Cancel& operator=(const Cancel&) = delete;
  void raise();
  bool raised() const;
  int waitFd() const { return pipe_[0]; }

 private:
  int pipe_[2] = {-1, -1};
};

constexpr int kNoTimeLimit = -1;

enum class WaitResult { Ready, Canceled, TimedOut, Failed };

// Closes `fd` when it is open and sets it to -1.
void closeSocket(int& fd);

// A socket bound to `ip`:`port` and listening with a backlog of one, or -1
// with the failure's message in `error`. Port 0 takes a free port.
int listenOn(const std::string& ip, int port, std::string& error);
// The port a socket is bound to.
int boundPort(int fd);

// Waits for one client; the accepted socket, or -1 and why in `result`.
int acceptClient(int listenFd, const Cancel& cancel, int timeoutMs, WaitResult& result);

// A socket connected to `ip`:`port`, or -1 and why in `result`.
int connectTo(const std::string& ip, int port, const Cancel& cancel, int timeoutMs, WaitResult& result);

// Sends every byte; Ready when all went.
WaitResult sendAll(int fd, const char* data, std::size_t size, const Cancel& cancel, int timeoutMs);

// Receives what has arrived, at most `size` bytes, into `data`: Ready with
// `received` > 0, or Ready with 0 when the peer closed or reset the connection.
WaitResult receiveSome(int fd, char* data, std::size_t size, std::size_t& received, const Cancel& cancel,
                       int timeoutMs);

// Whether the peer has closed `fd` or the connection broke; does not wait
// and takes nothing that has arrived.
bool peerClosed(int fd);

// A dotted IPv4 address of four numbers 0..255, as the address field takes it.
bool isDottedIpv4(const std::string& text);

}  // namespace velmora
