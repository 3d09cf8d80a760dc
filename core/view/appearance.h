#pragma once
// How the board is shown: skin, scale, colours, font and hints.

#include <cstdint>
#include <string>

namespace velmora {

// Colours as the settings file keeps them: 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr int colourRed(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int colourGreen(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int colourBlue(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr Colour makeColour(int r, int g, int b) {
  return static_cast<Colour>(r) | static_cast<Colour>(g) << 8 | static_cast<Colour>(b) << 16;
}

enum DragShow : std::int32_t { DragStays = 0, DragFollows = 1, DragPreviewCentre = 2 };

// The sizes a board square is shown at, largest first, each with the scale
// in percent that the settings file names it by.
struct SquareSize {
  int pixels;
  int percent;
};
constexpr int kSquareSizeCount = 3;
constexpr SquareSize kSquareSizes[kSquareSizeCount] = {{64, 100}, {56, 87}, {48, 75}};

// Larger boards for large and dense screens, kept in a key of their own so
// that the three sizes above read and write as they always have.
constexpr int kLargeSquareSizeCount = 3;
constexpr SquareSize kLargeSquareSizes[kLargeSquareSizeCount] = {{128, 200}, {96, 150}, {80, 125}};
// The board takes the largest squares with which the window holds it.
constexpr int kFitToWindow = -1;
// Squares never get smaller than this, however small the window.
constexpr int kSmallestCell = 32;

// Bytes a font's face name keeps, its terminating zero included, in the
// settings file and the Appearance dialog alike.
constexpr int kFontFaceBuffer = 260;

// The opacity of a dragged piece, in percent.
constexpr int kMinDragOpacity = 50;
constexpr int kMaxDragOpacity = 100;

struct AppearanceSettings {
  std::int32_t cellSize = kSquareSizes[0].pixels;  // one of kSquareSizes
  // 0: cellSize rules; a percent of kLargeSquareSizes; or kFitToWindow.
  std::int32_t boardScale = 0;
  std::int32_t skinNumber = 2;
  std::string skinName;  // a file in SKIN without extension; empty for a built-in skin
  std::int32_t whiteOnTop = 0;
  std::int32_t showCoordinates = 1;
  std::int32_t showLegalMoves = 1;
  std::int32_t showAiProgress = 1;
  std::int32_t showLastMove = 1;
  Colour inkColour = 0x0081B4EC;
  Colour backgroundColour = 0x00274D78;
  std::string fontFace = "Palatino Linotype";
  std::int32_t dragShow = DragFollows;
  std::int32_t dragOpacity = 85;  // percent, kMinDragOpacity..kMaxDragOpacity
  std::int32_t dragShadow = 1;
  // The numbers of the squares on the board, where the variant numbers them.
  std::int32_t showSquareNumbers = 0;
  // A moved piece glides to its square and the pieces it took fade.
  std::int32_t slideMoves = 1;
};

inline const AppearanceSettings defaultAppearance{};

extern AppearanceSettings appearance;

constexpr int kBuiltInSkinCount = 7;
extern const char* const kBuiltInSkinNames[kBuiltInSkinCount];

}  // namespace velmora
