#include "support/fake_host.h"

namespace velmora::test {

namespace {
HostRecord* current = nullptr;
}

FakeHost::FakeHost() : saved_(host) {
  current = &record_;
  host.messageBox = [](const std::string& text, MessageIcon, MessageButtons) {
    current->messages.push_back(text);
    return current->answerYes;
  };
  host.repaintNow = [] { ++current->repaintsNow; };
  host.requestRepaint = [] { ++current->repaintRequests; };
  // A sound is recorded and over at once.
  host.playSound = [](SoundId e, const std::string& file, std::function<void()> finished) {
    current->sounds.push_back(e);
    current->soundFiles.push_back(file);
    if (finished) finished();
  };
  // A pause is recorded and over at once, so a capture is shown whole
  // before playMove returns.
  host.after = [](int ms, std::function<void()> then) {
    current->sleeps.push_back(ms);
    then();
  };
  host.tickCount = [] { return current->tick += static_cast<std::uint32_t>(current->tickStep); };
  host.escapeDown = [] { return current->escapeHeld; };
  host.setWindowTitle = [](const std::string& title) { current->titles.push_back(title); };
  host.setWindowEnabled = [](bool enabled) { current->windowDisables += enabled ? 0 : 1; };
  host.updateCursor = [] {};
  host.windowIsActive = [] { return current->active; };
  host.flashWindow = [] { ++current->flashes; };
}

HostRecord& FakeHost::installed() { return *current; }

FakeHost::~FakeHost() {
  host = saved_;
  current = nullptr;
}

}  // namespace velmora::test
