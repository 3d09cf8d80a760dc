#include "core/game/sound.h"

#include "core/platform/translation.h"

namespace velmora {

namespace {
// Kept in English in the settings and the wave files' names; the Sound
// dialog shows them translated.
constexpr const char* kEventNames[kSoundEventCount] = {N_("Capture"), N_("Error"), N_("Movement"), N_("Promotion")};
}  // namespace

SoundEventTable soundEvents = [] {
  SoundEventTable table;
  setSoundEventNames(table);
  for (int i = 0; i < kSoundEventCount; ++i) table[static_cast<size_t>(i)].file = defaultSoundPath(i);
  return table;
}();

void setSoundEventNames(SoundEventTable& table) {
  for (int i = 0; i < kSoundEventCount; ++i) table[static_cast<size_t>(i)].name = kEventNames[i];
}

std::string defaultSoundPath(int event) {
  if (event < 0 || event >= kSoundEventCount) return {};
  return std::string(".\\Sound\\") + kEventNames[event] + ".wav";
}

void playEventSound(SoundId event, std::function<void()> finished) {
  const SoundEvent& e = soundEvents[static_cast<size_t>(event)];
  if (!e.enabled) {
    if (finished) finished();
    return;
  }
  host.playSound(event, e.file, std::move(finished));
}

}  // namespace velmora
