#pragma once
// A host table that records what the core asked of the outside world.

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/host.h"

namespace velmora::test {

struct HostRecord {
  std::vector<std::string> messages;
  std::vector<SoundId> sounds;
  std::vector<std::string> soundFiles;
  std::vector<int> sleeps;
  int repaintsNow = 0;
  int repaintRequests = 0;
  bool answerYes = false;
  std::vector<std::string> titles;
  bool escapeHeld = false;
  std::uint32_t tick = 0;
  int tickStep = 0;  // added to the tick count at each reading
  int windowDisables = 0;
  int flashes = 0;
  bool active = true;
};

// Installs the recording host for the lifetime of this object.
class FakeHost {
 public:
  FakeHost();
  ~FakeHost();
  HostRecord& record() { return record_; }
  // The record of the fake installed now, for replacements of its effects.
  static HostRecord& installed();

 private:
  HostRecord record_;
  Host saved_;
};

}  // namespace velmora::test
