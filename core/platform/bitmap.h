#pragma once
// Reading the player's skin bitmaps. A file from the disk may be anything:
// only an uncompressed Windows bitmap of 8 (with palette), 24 or 32 bits per
// pixel and sensible size reads; anything else reads as nothing, and the
// caller falls back to a built-in skin.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows from the top, width x height of them
};

// Neither side of a bitmap may be longer than this: a skin is 384 x 448, and a
// header may claim any size.
constexpr int kMaxBitmapSide = 4096;
// A file longer than this is not read at all.
constexpr std::uintmax_t kMaxBitmapFileBytes = 64u << 20;

// The picture in the bytes of a .bmp file. Rows may run bottom-up or
// top-down; a file shorter than its pixel rows claim is refused.
std::optional<Bitmap> parseBitmap(std::string_view bytes);

// Reads and parses the file at `path`.
std::optional<Bitmap> readBitmapFile(const std::string& path);

// A 24-bit bottom-up file of the picture: what parseBitmap reads back as the
// same pixels.
std::string bitmapFileBytes(const Bitmap& bitmap);

}  // namespace velmora
