#include "core/ai/opening_book.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/ai/book_texts.h"
#include "core/ai/built_in_tables.h"
#include "core/platform/text.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"

namespace velmora {

namespace {

// "c3-d4": a letter and a number, twice; no board is larger than 12.
bool isMoveText(std::string_view word) {
  const auto square = [](std::string_view s) {
    if (s.size() < 2 || s.size() > 3 || s[0] < 'a' || s[0] > 'l') return false;
    return std::all_of(s.begin() + 1, s.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  const std::size_t dash = word.find('-');
  return dash != std::string_view::npos && square(word.substr(0, dash)) && square(word.substr(dash + 1));
}

std::optional<int> scoreOf(std::string_view word) {
  int value = 0;
  const auto [end, problem] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (problem != std::errc{} || end != word.data() + word.size() || std::abs(value) > 100000) return std::nullopt;
  return value;
}

}  // namespace

std::optional<OpeningBook> OpeningBook::read(std::string_view text, std::string* error) {
  OpeningBook book;
  int number = 0;
  while (!text.empty()) {
    const std::string_view line = takeLine(text);
    ++number;
    const auto words = wordsOf(line);
    if (words.empty() || words[0][0] == '#') continue;
    std::vector<BookMove> moves;
    bool readable = words.size() >= 3 && words.size() % 2 == 1;
    for (std::size_t i = 1; readable && i + 1 < words.size(); i += 2) {
      const auto score = scoreOf(words[i + 1]);
      readable = isMoveText(words[i]) && score.has_value();
      if (readable) moves.push_back({std::string(words[i]), *score});
    }
    if (!readable) {
      if (error) *error = "line " + std::to_string(number) + " is not a position with moves and their scores";
      return std::nullopt;
    }
    book.add(std::string(words[0]), std::move(moves));
  }
  return book;
}

void OpeningBook::add(const std::string& position, std::vector<BookMove> moves) {
  entries_[position] = std::move(moves);
}

const std::vector<BookMove>* OpeningBook::find(const std::string& position) const {
  const auto it = entries_.find(position);
  return it == entries_.end() ? nullptr : &it->second;
}

std::string OpeningBook::text() const {
  std::vector<const std::string*> positions;
  for (const auto& [position, moves] : entries_) positions.push_back(&position);
  std::sort(positions.begin(), positions.end(), [](const auto* a, const auto* b) { return *a < *b; });
  std::string out;
  for (const std::string* position : positions) {
    out += *position;
    for (const BookMove& m : entries_.at(*position)) {
      out += ' ';
      out += m.move;
      out += ' ';
      out += std::to_string(m.score);
    }
    out += '\n';
  }
  return out;
}

const OpeningBook* builtInBook(GameType type) {
  return builtInTable<OpeningBook>(type, builtInBookText,
                                   [](std::string_view text, GameType) { return OpeningBook::read(text, nullptr); });
}

std::string bookMoveText(const MoveRecord& move) {
  const MoveStep& last = move.finalStep();
  return squareName(move.fromX, move.fromY) + "-" + squareName(last.toX, last.toY);
}

int bookChoice(const OpeningBook& book, Position& position, int side, double random, int* score) {
  const auto* moves = book.find(positionText(position.board, position.boardSize, side));
  if (moves == nullptr || moves->empty()) return -1;
  std::vector<MoveRecord> list(kMaxMoves);
  generateMoves(list.data(), position, side);
  // The book's moves that are legal here, each with its index and weight:
  // halved for every five hundredths of a man below the best.
  struct Candidate {
    int index;
    int score;
    double weight;
  };
  std::vector<Candidate> candidates;
  for (const BookMove& m : *moves)
    for (int i = 0; i < position.moveCount; ++i)
      if (bookMoveText(list[static_cast<std::size_t>(i)]) == m.move) {
        candidates.push_back({i, m.score, 0});
        break;
      }
  if (candidates.empty()) return -1;
  int best = candidates[0].score;
  for (const Candidate& c : candidates) best = std::max(best, c.score);
  double total = 0;
  for (Candidate& c : candidates) {
    if (c.score >= best - kBookMargin) c.weight = std::exp2((c.score - best) / 5.0);
    total += c.weight;
  }
  double at = std::clamp(random, 0.0, 1.0) * total;
  for (const Candidate& c : candidates) {
    if (c.weight <= 0) continue;
    if (score) *score = c.score;
    if (at < c.weight) return c.index;
    at -= c.weight;
  }
  // Only rounding leaves the loop: the last that may be played.
  for (auto c = candidates.rbegin(); c != candidates.rend(); ++c)
    if (c->weight > 0) {
      if (score) *score = c->score;
      return c->index;
    }
  return -1;
}

}  // namespace velmora
