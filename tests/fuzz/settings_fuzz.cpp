// The settings file: any text reads without a crash, and what is read,
// written and read again is the same settings.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/game/settings.h"
#include "core/platform/profile.h"
#include "core/view/appearance.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  appearance = defaultAppearance;
  loadSettingsFrom(Profile::fromText(text), "player");
  const std::string written = settingsText();
  loadSettingsFrom(Profile::fromText(written), "player");
  if (settingsText() != written) std::abort();
  return 0;
}
