#include "core/ai/eval_patterns.h"

#include <charconv>
#include <cmath>

#include "core/ai/built_in_tables.h"
#include "core/ai/pattern_texts.h"
#include "core/platform/text.h"
#include "core/rules/rule_family.h"

namespace velmora {

namespace {

constexpr int kMaxWeight = 10000;

std::optional<long> numberOf(std::string_view word) {
  long value = 0;
  const auto [end, problem] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (problem != std::errc{} || end != word.data() + word.size()) return std::nullopt;
  return value;
}

std::optional<double> decimalOf(std::string_view word) {
  // from_chars for double is missing from older standard libraries.
  const std::string copy(word);
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (copy.empty() || end != copy.c_str() + copy.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

// The state of a cell for the side reading the region: 0 empty (or a king),
// 1 its own man, 2 the other's.
int cellDigit(const Cell& c, int reader) {
  if (c.kind != Man) return 0;
  return (c.side & 1) == reader ? 1 : 2;
}

}  // namespace

std::optional<PatternWeights> readPatternWeights(std::string_view text, std::string* error) {
  const auto fail = [&](int line, const std::string& what) -> std::optional<PatternWeights> {
    if (error) *error = "line " + std::to_string(line) + ": " + what;
    return std::nullopt;
  };
  PatternWeights w;
  bool header = false, haveVariant = false;
  int number = 0;
  while (!text.empty()) {
    const std::string_view line = takeLine(text);
    ++number;
    const auto words = wordsOf(line);
    if (words.empty() || words[0][0] == '#') continue;
    if (!header) {
      if (words.size() != 2 || words[0] != "velmora-patterns" || words[1] != "1")
        return fail(number, "not pattern weights of version 1");
      header = true;
    } else if (words.size() == 2 && words[0] == "variant") {
      const auto type = numberOf(words[1]);
      if (!type || *type < 0 || *type >= kVariantCount) return fail(number, "no such variant");
      w.type = static_cast<GameType>(*type);
      haveVariant = true;
    } else if (words.size() == 2 && words[0] == "board") {
      const auto size = numberOf(words[1]);
      if (!haveVariant || !size || *size != variantInfo(w.type).boardSize || patternRegionCount(int(*size)) == 0 ||
          !onDarkSquaresOnly(familyRulesOf(w.type)))
        return fail(number, "the variant's board has no patterns");
      w.boardSize = static_cast<int>(*size);
      w.weights.assign(static_cast<std::size_t>(w.regions() * kPatternIndices), 0);
    } else if (words.size() == 2 && words[0] == "scale") {
      const auto scale = decimalOf(words[1]);
      if (!scale || *scale <= 0) return fail(number, "the scale is not a positive number");
      w.scale = *scale;
    } else if (words.size() == 3) {
      const auto region = numberOf(words[0]), index = numberOf(words[1]), weight = numberOf(words[2]);
      if (w.boardSize == 0) return fail(number, "a weight before the board");
      if (!region || !index || !weight || *region < 0 || *region >= w.regions() || *index < 0 ||
          *index >= kPatternIndices || std::labs(*weight) > kMaxWeight)
        return fail(number, "not a region, an index and a weight");
      w.weights[static_cast<std::size_t>(*region * kPatternIndices + *index)] = static_cast<std::int16_t>(*weight);
    } else {
      return fail(number, "not a line of pattern weights");
    }
  }
  if (w.boardSize == 0 || w.scale <= 0) return fail(number, "the variant, board or scale is missing");
  return w;
}

std::string patternWeightsText(const PatternWeights& w, const std::string& comment) {
  std::string out;
  std::size_t at = 0;
  while (at < comment.size()) {
    const std::size_t end = std::min(comment.find('\n', at), comment.size());
    out += "# ";
    out.append(comment, at, end - at);
    out += '\n';
    at = end + 1;
  }
  out += "velmora-patterns 1\nvariant " + std::to_string(w.type) + "\nboard " + std::to_string(w.boardSize) +
         "\nscale " + std::to_string(w.scale) + '\n';
  for (int r = 0; r < w.regions(); ++r)
    for (int i = 0; i < kPatternIndices; ++i)
      if (w.at(r, i) != 0) {
        out += std::to_string(r);
        out += ' ';
        out += std::to_string(i);
        out += ' ';
        out += std::to_string(w.at(r, i));
        out += '\n';
      }
  return out;
}

const PatternWeights* builtInPatterns(GameType type) {
  // A built-in table is checked by the tests; one that does not read leaves
  // the variant with the hand-written terms alone.
  return builtInTable<PatternWeights>(type, builtInPatternText, [](std::string_view text, GameType t) {
    auto w = readPatternWeights(text, nullptr);
    return w && w->type == t ? w : std::nullopt;
  });
}

PatternIndices patternIndices(const Board& cells, int n) {
  PatternIndices out;
  const int across = n / 2 - 1;
  out.count = patternRegionCount(n);
  for (int r = 0; r < out.count; ++r) {
    const int x0 = 2 * (r % across), y0 = 2 * (r / across);
    int white = 0, black = 0, power = 1, reversed = 2187;  // 3 to the 7th
    for (int y = y0; y < y0 + 4; ++y)
      for (int x = x0 + (y & 1); x < x0 + 4; x += 2) {
        white += power * cellDigit(cells[y][x], White);
        black += reversed * cellDigit(cells[y][x], Black);
        power *= 3;
        reversed /= 3;
      }
    out.white[static_cast<std::size_t>(r)] = white;
    // Black reads the region turned round as its own region across the board.
    out.black[static_cast<std::size_t>(out.count - 1 - r)] = black;
  }
  return out;
}

int patternScore(const PatternWeights& w, const Board& cells, int side) {
  const PatternIndices at = patternIndices(cells, w.boardSize);
  int score = 0;
  for (int r = 0; r < at.count; ++r)
    score += w.at(r, at.white[static_cast<std::size_t>(r)]) - w.at(r, at.black[static_cast<std::size_t>(r)]);
  return side == White ? score : -score;
}

const PatternDigits& patternDigits() {
  static const PatternDigits digits = [] {
    PatternDigits d;
    for (int bits = 0; bits < 256; ++bits) {
      int forwards = 0, backwards = 0;
      for (int j = 0, power = 1; j < kPatternCells; ++j, power *= 3)
        if (bits & (1 << j)) {
          forwards += power;
          backwards += static_cast<int>(std::lround(std::pow(3, kPatternCells - 1 - j)));
        }
      d.forwards[static_cast<std::size_t>(bits)] = static_cast<std::uint16_t>(forwards);
      d.backwards[static_cast<std::size_t>(bits)] = static_cast<std::uint16_t>(backwards);
    }
    return d;
  }();
  return digits;
}

}  // namespace velmora
