#pragma once
// The four event sounds: which wave file each plays, and whether it plays.

#include <array>
#include <functional>
#include <string>

#include "core/platform/host.h"

namespace velmora {

struct SoundEvent {
  int enabled = 1;
  std::string name;  // also the stem of its settings keys and default file
  std::string file;  // as typed or chosen; relative to the working folder
};

constexpr int kSoundEventCount = 4;
constexpr size_t kSoundPathLimit = 260;  // with its terminator, as the settings file keeps it

// Indexed by SoundId.
using SoundEventTable = std::array<SoundEvent, kSoundEventCount>;

extern SoundEventTable soundEvents;

// Names the four events; the settings keys are built from the names, so
// this comes before the settings are read.
void setSoundEventNames(SoundEventTable& table);

// ".\Sound\<name>.wav", the form the settings file keeps.
std::string defaultSoundPath(int event);

// Plays the event's file when the event is enabled and runs `finished` when
// it has been heard (at once when it is not played). The caller returns at
// once; the game goes on in `finished`.
void playEventSound(SoundId event, std::function<void()> finished = {});

}  // namespace velmora
