#include "core/net/framing.h"

#include <chrono>

namespace velmora {

bool MessageReader::next(std::string& text) {
  const std::size_t end = pending_.find('\0');
  if (end == std::string::npos || end > kMaxMessageBytes) return false;
  text.assign(pending_, 0, end);
  pending_.erase(0, end + 1);
  return true;
}

bool MessageReader::overflowed() const {
  const std::size_t end = pending_.find('\0');
  return end == std::string::npos ? pending_.size() > kMaxMessageBytes : end > kMaxMessageBytes;
}

Transfer sendMessage(NetLink& link, const std::string& text, const Cancel& cancel, int timeoutMs) {
  const WaitResult result = sendAll(link.fd, text.c_str(), text.size() + 1, cancel, timeoutMs);
  return result == WaitResult::Ready      ? Transfer::Done
         : result == WaitResult::Canceled ? Transfer::Canceled
         : result == WaitResult::TimedOut ? Transfer::TimedOut
                                          : Transfer::Failed;
}

Transfer receiveMessage(NetLink& link, std::string& text, const Cancel& cancel, int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  char buffer[2048];
  for (;;) {
    if (link.reader.next(text)) return Transfer::Done;
    if (link.reader.overflowed()) return Transfer::Failed;
    int left = timeoutMs;
    if (timeoutMs >= 0) {
      const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
      left = spent >= timeoutMs ? 0 : timeoutMs - static_cast<int>(spent);
    }
    std::size_t received = 0;
    const WaitResult result = receiveSome(link.fd, buffer, sizeof buffer, received, cancel, left);
    if (result == WaitResult::Canceled) return Transfer::Canceled;
    if (result == WaitResult::TimedOut) return Transfer::TimedOut;
    if (result == WaitResult::Ready && received == 0 && link.reader.empty()) return Transfer::Closed;
    if (result != WaitResult::Ready || received == 0) return Transfer::Failed;  // closed inside a message too
    link.reader.append(buffer, received);
  }
}

}  // namespace velmora
