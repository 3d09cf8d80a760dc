#include "core/platform/bitmap.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/platform/little_endian.h"

namespace velmora {

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;  // 32-bit pixels with masks; only the usual ones are read

std::uint32_t rgbAt(std::string_view b, size_t at) {  // stored blue, green, red
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16;
}

void putLe32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (8 * i));
}

void putLe16(std::string& out, int v) {
  out += static_cast<char>(v);
  out += static_cast<char>(v >> 8);
}

}  // namespace

std::optional<Bitmap> parseBitmap(std::string_view b) {
  if (b.size() < kFileHeaderBytes + 40 || b.substr(0, 2) != "BM") return std::nullopt;
  const std::uint32_t pixelOffset = le32(b, 10);
  const std::uint32_t infoBytes = le32(b, kFileHeaderBytes);
  // The plain info header and its two longer successors share the fields read here.
  if (infoBytes != 40 && infoBytes != 108 && infoBytes != 124) return std::nullopt;
  const auto width = static_cast<std::int32_t>(le32(b, 18));
  const auto signedHeight = static_cast<std::int32_t>(le32(b, 22));
  const int bits = le16(b, 28);
  const std::uint32_t compression = le32(b, 30);
  // Compare before negating: the most negative height has no positive.
  if (width < 1 || width > kMaxBitmapSide || signedHeight == 0 || signedHeight < -kMaxBitmapSide ||
      signedHeight > kMaxBitmapSide || le16(b, 26) != 1)
    return std::nullopt;
  const bool topDown = signedHeight < 0;
  const int height = topDown ? -signedHeight : signedHeight;
  if (bits != 8 && bits != 24 && bits != 32) return std::nullopt;
  if (compression == kBitFields) {
    const size_t masks = kFileHeaderBytes + 40;
    if (bits != 32 || b.size() < masks + 12 || le32(b, masks) != 0xFF0000 || le32(b, masks + 4) != 0xFF00 ||
        le32(b, masks + 8) != 0xFF)
      return std::nullopt;
  } else if (compression != kUncompressed) {
    return std::nullopt;
  }

  std::vector<std::uint32_t> palette;
  if (bits == 8) {
    std::uint32_t colours = le32(b, 46);
    if (colours == 0 || colours > 256) colours = 256;
    const size_t at = kFileHeaderBytes + infoBytes;
    if (b.size() < at || (b.size() - at) / 4 < colours) return std::nullopt;
    for (std::uint32_t i = 0; i < colours; ++i) palette.push_back(rgbAt(b, at + 4 * i));
  }

  // Each row is padded to four bytes. The sizes are bounded above, so the
  // products cannot overflow.
  const size_t rowBytes = (static_cast<size_t>(width) * static_cast<size_t>(bits) + 31) / 32 * 4;
  const size_t pixelBytes = rowBytes * static_cast<size_t>(height);
  if (pixelOffset > b.size() || b.size() - pixelOffset < pixelBytes) return std::nullopt;

  Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    const int fileRow = topDown ? y : height - 1 - y;
    const size_t row = pixelOffset + static_cast<size_t>(fileRow) * rowBytes;
    std::uint32_t* out = &bitmap.pixels[static_cast<size_t>(y) * static_cast<size_t>(width)];
    for (int x = 0; x < width; ++x) {
      if (bits == 8) {
        const auto index = static_cast<unsigned char>(b[row + static_cast<size_t>(x)]);
        out[x] = index < palette.size() ? palette[index] : 0;  // an index past the palette is black
      } else {
        out[x] = rgbAt(b, row + static_cast<size_t>(x) * static_cast<size_t>(bits / 8));
      }
    }
  }
  return bitmap;
}

std::optional<Bitmap> readBitmapFile(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxBitmapFileBytes || !std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  std::string bytes(static_cast<size_t>(size), '\0');
  if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) return std::nullopt;
  return parseBitmap(bytes);
}

std::string bitmapFileBytes(const Bitmap& bitmap) {
  const size_t rowBytes = (static_cast<size_t>(bitmap.width) * 3 + 3) / 4 * 4;
  const size_t pixelOffset = kFileHeaderBytes + 40;
  const size_t total = pixelOffset + rowBytes * static_cast<size_t>(bitmap.height);
  std::string out = "BM";
  putLe32(out, static_cast<std::uint32_t>(total));
  putLe32(out, 0);
  putLe32(out, static_cast<std::uint32_t>(pixelOffset));
  putLe32(out, 40);
  putLe32(out, static_cast<std::uint32_t>(bitmap.width));
  putLe32(out, static_cast<std::uint32_t>(bitmap.height));
  putLe16(out, 1);
  putLe16(out, 24);
  putLe32(out, kUncompressed);
  putLe32(out, static_cast<std::uint32_t>(rowBytes * static_cast<size_t>(bitmap.height)));
  for (int i = 0; i < 4; ++i) putLe32(out, i < 2 ? 2835 : 0);  // 72 dpi; no palette
  for (int y = bitmap.height - 1; y >= 0; --y) {
    const size_t start = out.size();
    for (int x = 0; x < bitmap.width; ++x) {
      const std::uint32_t p = bitmap.pixels[static_cast<size_t>(y) * static_cast<size_t>(bitmap.width) + x];
      out += static_cast<char>(p);
      out += static_cast<char>(p >> 8);
      out += static_cast<char>(p >> 16);
    }
    out.resize(start + rowBytes, '\0');
  }
  return out;
}

}  // namespace velmora
