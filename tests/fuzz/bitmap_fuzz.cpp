// Skin bitmaps from the player's disk: any bytes read as a picture or as
// nothing, a picture read holds exactly its pixels, and written out again it
// reads back the same.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/platform/bitmap.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const auto bitmap = parseBitmap(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!bitmap) return 0;
  if (bitmap->width < 1 || bitmap->height < 1 || bitmap->width > kMaxBitmapSide || bitmap->height > kMaxBitmapSide)
    std::abort();
  if (bitmap->pixels.size() != static_cast<size_t>(bitmap->width) * static_cast<size_t>(bitmap->height)) std::abort();
  for (std::uint32_t p : bitmap->pixels)
    if (p > 0xFFFFFF) std::abort();
  const auto again = parseBitmap(bitmapFileBytes(*bitmap));
  if (!again || again->width != bitmap->width || again->height != bitmap->height || again->pixels != bitmap->pixels)
    std::abort();
  return 0;
}
