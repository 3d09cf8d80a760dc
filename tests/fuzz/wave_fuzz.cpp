// Wave files from the player's disk: any bytes read as a sound or as
// nothing, and a sound read holds whole frames within what was given.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/platform/wave.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const auto sound = parseWave(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!sound) return 0;
  if (sound->channels <= 0 || sound->frameBytes <= 0 || sound->sampleRate <= 0) std::abort();
  if (sound->samples.size() % static_cast<size_t>(sound->frameBytes) != 0) std::abort();
  if (sound->samples.size() > size) std::abort();
  if (sound->durationMs() < 0) std::abort();
  return 0;
}
