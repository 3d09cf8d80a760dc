#include "core/platform/host.h"

#include <chrono>
#include <thread>

namespace velmora {

Host silentHost() {
  Host h;
  h.messageBox = [](const std::string&, MessageIcon, MessageButtons buttons) { return buttons == MessageButtons::Ok; };
  h.repaintNow = [] {};
  h.requestRepaint = [] {};
  h.playSound = [](SoundId, const std::string&, std::function<void()> finished) {
    if (finished) finished();
  };
  h.after = [](int ms, std::function<void()> then) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    then();
  };
  h.tickCount = [] {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
  };
  h.escapeDown = [] { return false; };
  h.setWindowTitle = [](const std::string&) {};
  h.setWindowEnabled = [](bool) {};
  h.updateCursor = [] {};
  h.windowIsActive = [] { return true; };
  h.flashWindow = [] {};
  h.openDocument = [](const std::string&) {};
  return h;
}

Host host = silentHost();

}  // namespace velmora
