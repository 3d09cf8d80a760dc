#include "core/records/fen.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "core/platform/text.h"
#include "core/platform/translation.h"
#include "core/records/pdn_board.h"
#include "core/rules/game_record.h"

namespace velmora {

namespace {

char colourLetter(int pdnColour) { return pdnColour == White ? 'W' : 'B'; }

// The PDN colour a letter stands for, in either case; -1 for another.
int colourOf(char c) {
  if (c == 'W' || c == 'w') return White;
  if (c == 'B' || c == 'b') return Black;
  return -1;
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && std::strchr(" \t\r\n", s.front())) s.remove_prefix(1);
  while (!s.empty() && std::strchr(" \t\r\n", s.back())) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> split(std::string_view s, char at) {
  std::vector<std::string_view> parts;
  for (;;) {
    const size_t end = s.find(at);
    parts.push_back(s.substr(0, end));
    if (end == std::string_view::npos) return parts;
    s.remove_prefix(end + 1);
  }
}

// The number a range end stands for: ranges are numeric only.
std::optional<int> numberOf(std::string_view text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

struct FenReader {
  GameType type;
  Board board{};

  std::string quoted(std::string_view s) const { return quotedExcerpt(s); }

  std::optional<std::string> place(std::string_view name, Cell cell) {
    const auto square = readPdnSquare(type, name);
    if (!square) return fillIn(say("expected %1, found %2"), pdnSquareHint(type), quoted(name));
    Cell& target = board[square->y][square->x];
    if (target.kind != Empty) return fillIn(say("square %1 is given twice"), name);
    target = cell;
    return std::nullopt;
  }

  // One item of a colour's list: a square, a range "1-12", K before either.
  std::optional<std::string> readItem(std::string_view item, int side) {
    item = trimmed(item);
    Cell cell{Man, side};
    if (!item.empty() && (item[0] == 'K' || item[0] == 'k')) {
      cell.kind = King;
      item = trimmed(item.substr(1));
    }
    const size_t dash = item.find('-');
    if (dash == std::string_view::npos) return place(item, cell);
    const auto first = numberOf(trimmed(item.substr(0, dash)));
    const auto last = numberOf(trimmed(item.substr(dash + 1)));
    if (pdnConvention(type).algebraic || !first || !last || *first > *last)
      return fillIn(say("expected a square or a range such as 1-12, found %1"), quoted(item));
    for (int n = *first; n <= *last; ++n)
      if (auto error = place(std::to_string(n), cell)) return error;
    return std::nullopt;
  }

  // "W31,32" or "B" alone: a colour and its squares.
  std::optional<std::string> readColour(std::string_view field) {
    field = trimmed(field);
    const int pdnSide = field.empty() ? -1 : colourOf(field[0]);
    if (pdnSide < 0) return fillIn(say("expected W or B before a list of squares, found %1"), quoted(field));
    const int side = pdnColour(type, pdnSide);  // the swap is its own inverse
    const std::string_view list = trimmed(field.substr(1));
    if (list.empty()) return std::nullopt;
    for (std::string_view item : split(list, ','))
      if (auto error = readItem(item, side)) return error;
    return std::nullopt;
  }
};

bool isStartOf(GameType type, const Board& board) {
  auto set = std::make_unique<RecordedPosition>();
  setUpBoard(*set, *set, type);
  const int n = boardSizeOf(type);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const Cell &a = board[y][x], &b = set->board[y][x];
      if (a.kind != b.kind || (a.kind != Empty && a.side != b.side)) return false;
    }
  return true;
}

}  // namespace

std::string writeFen(const RecordedPosition& state) { return writeFen(state, state.sideToMove()); }

std::string writeFen(const Position& state, int sideToMove) {
  const GameType type = state.gameType;
  std::string text(1, colourLetter(pdnColour(type, sideToMove)));
  for (int pdnSide : {White, Black}) {
    text += ':';
    text += colourLetter(pdnSide);
    std::vector<std::pair<int, std::string>> squares;  // in the order of the numbering
    for (int y = 0; y < state.boardSize; ++y)
      for (int x = 0; x < state.boardSize; ++x) {
        const Cell& cell = state.board[y][x];
        if (cell.kind == Empty || pdnColour(type, cell.side) != pdnSide) continue;
        const std::string name = pdnSquare(type, x, y);
        const int order = pdnConvention(type).algebraic ? y * kMaxBoardSize + x : std::stoi(name);
        squares.emplace_back(order, (cell.kind == King ? "K" : "") + name);
      }
    std::sort(squares.begin(), squares.end());
    for (size_t i = 0; i < squares.size(); ++i) text += (i > 0 ? "," : "") + squares[i].second;
  }
  return text;
}

std::optional<std::string> readFen(std::string_view fen, GameType type, RecordedPosition& state) {
  // A final full stop and quotes, in whichever order they were put around it.
  fen = trimmed(fen);
  for (bool changed = true; changed;) {
    changed = false;
    if (!fen.empty() && fen.back() == '.') fen = trimmed(fen.substr(0, fen.size() - 1)), changed = true;
    if (fen.size() >= 2 && fen.front() == '"' && fen.back() == '"')
      fen = trimmed(fen.substr(1, fen.size() - 2)), changed = true;
  }

  const std::vector<std::string_view> fields = split(fen, ':');
  const std::string_view first = trimmed(fields[0]);
  if (first.size() != 1 || colourOf(first[0]) < 0)
    return fillIn(say("FEN: expected the side to move, W or B, at the start, found %1"), quotedExcerpt(first));
  FenReader reader{type};
  bool seen[2] = {false, false};
  for (size_t i = 1; i < fields.size(); ++i) {
    const std::string_view field = trimmed(fields[i]);
    const int side = field.empty() ? -1 : colourOf(field[0]);
    if (side >= 0 && seen[side]) return fillIn(say("FEN: the colour %1 is given twice"), field.substr(0, 1));
    if (auto error = reader.readColour(field)) return fillIn(say("FEN, field %1: %2"), std::to_string(i + 1), *error);
    seen[side] = true;
  }

  setUpBoard(state, state, type);
  std::memcpy(state.board, reader.board, sizeof state.board);
  state.boardWritten();
  const int side = pdnColour(type, colourOf(first[0]));
  state.start.custom = side != White || !isStartOf(type, reader.board) ? 1 : 0;
  state.start.side = side;
  std::memcpy(state.start.board, reader.board, sizeof state.start.board);
  state.plyCount = 0;
  state.moveCount = 0;
  return std::nullopt;
}

}  // namespace velmora
