#pragma once
// The Expert's learned knowledge of the middle game: a score for every way
// the men may stand in each 4 x 4 region of the board, fitted to the results
// of the Expert's own games (velmora-cli train). Regions overlap by half,
// so the 8 x 8 board has 3 x 3 of them and the 10 x 10 board 4 x 4. A
// region is read as 8 dark squares, each empty, own man or enemy man: kings
// count as empty, because the hand-written terms judge them. One table
// serves both sides: Black reads it on the board turned round.
//
// The weights' text: "velmora-patterns 1", then "variant <number>",
// "board <size>" and "scale <K>" (the score that makes a win e times as
// likely as a loss), then a line "<region> <index> <weight>" for every
// weight not 0. '#' begins a comment line.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/rules/board.h"

namespace velmora {

constexpr int kPatternCells = 8;
constexpr int kPatternIndices = 6561;  // 3 to the 8th
constexpr int kMaxPatternRegions = 16;

// Regions on a board of `size`: 0 where the board has no patterns.
constexpr int patternRegionCount(int size) { return size == 8 || size == 10 ? (size / 2 - 1) * (size / 2 - 1) : 0; }

struct PatternWeights {
  GameType type = 0;
  int boardSize = 0;
  double scale = 0;
  std::vector<std::int16_t> weights;  // [region * kPatternIndices + index]

  int regions() const { return patternRegionCount(boardSize); }
  int at(int region, int index) const { return weights[static_cast<std::size_t>(region * kPatternIndices + index)]; }
};

// The weights of a text; a line that does not read is an error naming it.
std::optional<PatternWeights> readPatternWeights(std::string_view text, std::string* error);
// The text of `weights`, with `comment` (lines without their '#') on top.
std::string patternWeightsText(const PatternWeights& weights, const std::string& comment);

// The weights built into the program for a variant, or null.
const PatternWeights* builtInPatterns(GameType type);

// The index of each region as White reads it and as Black reads it, by the
// table's region: what the weights are looked up by.
struct PatternIndices {
  int count = 0;
  std::array<int, kMaxPatternRegions> white{}, black{};
};
PatternIndices patternIndices(const Board& cells, int boardSize);

// The patterns' part of the score, for `side`.
int patternScore(const PatternWeights& weights, const Board& cells, int side);

// A region's 8 bits in reading order (row by row from White's side, left
// to right) as the index's base-3 digits, read forwards (White's view) and
// backwards (Black's: the board turned round).
struct PatternDigits {
  std::array<std::uint16_t, 256> forwards{}, backwards{};
};
const PatternDigits& patternDigits();

}  // namespace velmora
