// Skin bitmaps from the player's disk: the usual kinds read as the same
// picture, broken or outlandish ones read as nothing.

#include "core/platform/bitmap.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

Bitmap gradient(int width, int height) {
  Bitmap b{width, height, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.pixels.push_back(static_cast<std::uint32_t>((x * 37) & 0xFF) << 16 |
                         static_cast<std::uint32_t>(y * 11 & 0xFF) << 8 | static_cast<std::uint32_t>((x ^ y) & 0xFF));
  return b;
}

void put32(std::string& bytes, size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(v >> (8 * i));
}

TEST(Bitmap, TwentyFourBitFilesReadBackWithRowPadding) {
  for (int width : {1, 2, 3, 5, 384}) {  // every remainder of three bytes a pixel
    const Bitmap picture = gradient(width, 7);
    const auto read = parseBitmap(bitmapFileBytes(picture));
    ASSERT_TRUE(read.has_value()) << width;
    EXPECT_EQ(read->width, width);
    EXPECT_EQ(read->height, 7);
    EXPECT_EQ(read->pixels, picture.pixels) << width;
  }
}

TEST(Bitmap, TopDownThirtyTwoBitAndPalettedFilesRead) {
  // 2 x 2, 32 bits, rows from the top (negative height).
  std::string top = bitmapFileBytes(Bitmap{2, 2, {0, 0, 0, 0}});
  top.resize(54);
  put32(top, 22, static_cast<std::uint32_t>(-2));
  top[28] = 32;
  for (std::uint32_t p : {0x112233u, 0x445566u, 0x778899u, 0xAABBCCu}) {
    top += static_cast<char>(p);
    top += static_cast<char>(p >> 8);
    top += static_cast<char>(p >> 16);
    top += '\0';
  }
  auto read = parseBitmap(top);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->pixels, (std::vector<std::uint32_t>{0x112233, 0x445566, 0x778899, 0xAABBCC}));

  // 3 x 1, 8 bits with a two-colour palette; an index past it is black.
  std::string paletted = bitmapFileBytes(Bitmap{3, 1, {0, 0, 0}});
  paletted.resize(54);
  paletted[28] = 8;
  put32(paletted, 46, 2);
  paletted += std::string("\x00\x00\xFF\x00\x00\xFF\x00\x00", 8);  // red, green
  put32(paletted, 10, static_cast<std::uint32_t>(paletted.size()));
  paletted += std::string("\x01\x00\x07\x00", 4);
  read = parseBitmap(paletted);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->pixels, (std::vector<std::uint32_t>{0x00FF00, 0xFF0000, 0}));
}

TEST(Bitmap, BrokenOrOutlandishFilesReadAsNothing) {
  const std::string good = bitmapFileBytes(gradient(4, 4));
  EXPECT_FALSE(parseBitmap(good.substr(0, good.size() - 1)));  // a row short
  EXPECT_FALSE(parseBitmap(good.substr(0, 20)));
  EXPECT_FALSE(parseBitmap(""));

  auto with = [&](size_t at, std::uint32_t value) {
    std::string bytes = good;
    put32(bytes, at, value);
    return parseBitmap(bytes);
  };
  EXPECT_FALSE(with(22, 0x80000000u));  // a height with no positive
  EXPECT_FALSE(with(18, 100000));       // wider than any skin and than the file
  EXPECT_FALSE(with(18, 0));
  EXPECT_FALSE(with(10, 0xFFFFFFF0u));  // pixels past the end of the file
  EXPECT_FALSE(with(30, 1));            // run-length compressed
  EXPECT_FALSE(with(14, 64));           // an unknown header
  std::string sixteenBit = good;
  sixteenBit[28] = 16;
  EXPECT_FALSE(parseBitmap(sixteenBit));
  EXPECT_TRUE(parseBitmap(good));
}

}  // namespace
}  // namespace velmora
