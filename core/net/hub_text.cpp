#include "core/net/hub_text.h"

#include <algorithm>

#include "core/net/engine_moves.h"
#include "core/rules/game_record.h"
#include "core/rules/move.h"

namespace velmora {

std::vector<BoardSquare> hubSquares(GameType type) {
  std::vector<BoardSquare> squares;
  const int n = boardSizeOf(type);
  if (!pdnConvention(type).algebraic) {
    for (int k = 1; k <= n * n; ++k) {
      const auto s = readPdnSquare(type, std::to_string(k));
      if (!s) break;
      squares.push_back({s->x, s->y});
    }
    return squares;
  }
  for (int y = n - 1; y >= 0; --y)
    for (int x = 0; x < n; ++x) {
      const auto s = readPdnSquare(type, pdnSquare(type, x, y));
      if (s && s->x == x && s->y == y) squares.push_back({x, y});
    }
  return squares;
}

int hubSquareCount(GameType type) { return static_cast<int>(hubSquares(type).size()); }

std::string hubSquareName(GameType type, int index) {
  const auto squares = hubSquares(type);
  return pdnSquare(type, squares[static_cast<size_t>(index)].x, squares[static_cast<size_t>(index)].y);
}

std::string hubPositionText(GameType type, const Board& board, int sideToMove) {
  std::string text = sideToMove == White ? "W" : "B";
  for (const BoardSquare& s : hubSquares(type)) {
    const Cell& cell = board[s.y][s.x];
    if (cell.kind == Empty)
      text += 'e';
    else if (cell.side == White)
      text += cell.kind == King ? 'W' : 'w';
    else
      text += cell.kind == King ? 'B' : 'b';
  }
  return text;
}

std::optional<std::string> hubArgument(const std::string& text, const std::string& name) {
  size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && text[at] == ' ') ++at;
    const size_t equals = text.find('=', at);
    const size_t space = text.find(' ', at);
    if (equals == std::string::npos || (space != std::string::npos && space < equals)) {
      at = space == std::string::npos ? text.size() : space;  // a word without a value
      continue;
    }
    const std::string key = text.substr(at, equals - at);
    std::string value;
    size_t end = equals + 1;
    if (end < text.size() && text[end] == '"') {
      const size_t close = text.find('"', end + 1);
      value = text.substr(end + 1, close == std::string::npos ? std::string::npos : close - end - 1);
      end = close == std::string::npos ? text.size() : close + 1;
    } else {
      const size_t stop = text.find(' ', end);
      value = text.substr(end, stop == std::string::npos ? std::string::npos : stop - end);
      end = stop == std::string::npos ? text.size() : stop;
    }
    if (key == name) return value;
    at = end;
  }
  return std::nullopt;
}

std::string hubMoveText(GameType type, const MoveRecord& m) {
  const MoveStep& last = m.finalStep();
  std::string text = pdnSquare(type, m.fromX, m.fromY);
  text += m.captureCount > 0 ? "x" : "-";
  text += pdnSquare(type, last.toX, last.toY);
  for (int i = 0; i < m.captureCount; ++i) {
    text += 'x';
    text += pdnSquare(type, m.steps[i].capturedX, m.steps[i].capturedY);
  }
  return text;
}

int legalHubMove(RecordedPosition& state, const std::string& text) {
  std::vector<std::string> parts(1);
  for (const char c : text) {
    if (c == '-' || c == 'x')
      parts.emplace_back();
    else
      parts.back() += c;
  }
  if (parts.size() < 2) return -1;
  std::vector<BoardSquare> squares;
  for (const std::string& part : parts) {
    const auto s = readPdnSquare(state.gameType, part);
    if (!s) return -1;
    squares.push_back(*s);
  }
  const std::vector<BoardSquare> taken(squares.begin() + 2, squares.end());
  return legalMoveByEnds(state, squares[0], squares[1], squares.size() > 2 ? &taken : nullptr);
}

std::string hubVariantName(GameType type) {
  std::string name = variantInfo(type).name;
  std::replace(name.begin(), name.end(), ' ', '_');
  return name;
}

}  // namespace velmora
