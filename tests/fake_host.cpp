#include "fake_host.h"

namespace velmora::test {

namespace {
HostRecord* current = nullptr;
}

FakeHost::FakeHost() : saved_(host) {
  current = &record_;
  host.messageBox = [](const std::string& text, MessageIcon, bool) {
    current->messages.push_back(text);
    return current->answerYes;
  };
  host.repaintNow = [] { ++current->repaintsNow; };
  host.requestRepaint = [] { ++current->repaintRequests; };
  host.playSound = [](SoundEvent e) { current->sounds.push_back(e); };
  host.sleepMs = [](int ms) { current->sleeps.push_back(ms); };
  host.tickCount = [] { return 0u; };
  host.escapeDown = [] { return false; };
}

FakeHost::~FakeHost() {
  host = saved_;
  current = nullptr;
}

}  // namespace velmora::test
