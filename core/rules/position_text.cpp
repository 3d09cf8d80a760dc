#include "core/rules/position_text.h"

#include <cstring>

#include "core/rules/game_record.h"

namespace velmora {

namespace {

bool pieceOf(char c, Cell& cell) {
  switch (c) {
    case '.': cell = Cell{Empty, White}; return true;
    case 'w': cell = Cell{Man, White}; return true;
    case 'W': cell = Cell{King, White}; return true;
    case 'b': cell = Cell{Man, Black}; return true;
    case 'B': cell = Cell{King, Black}; return true;
    default: return false;
  }
}

char letterOf(const Cell& cell) {
  if (cell.kind == Empty) return '.';
  const char c = cell.side == White ? 'w' : 'b';
  return cell.kind == King ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::optional<std::string> readPosition(std::string_view text, GameType type, RecordedPosition& state) {
  if (text.size() < 2 || (text[0] != 'W' && text[0] != 'B') || text[1] != ':')
    return "the position must begin with the side to move, \"W:\" or \"B:\"";
  const int side = text[0] == 'W' ? White : Black;
  const int n = boardSizeOf(type);

  std::string_view rows = text.substr(2);
  int rowCount = 1;
  for (char c : rows) rowCount += c == '/';
  if (rowCount != n)
    return "the position has " + std::to_string(rowCount) + " rows; " + gameTypeName(type) + " is played on " +
           std::to_string(n) + " x " + std::to_string(n);

  setUpBoard(state, state, type);
  std::memset(state.board, 0, sizeof state.board);
  state.boardWritten();
  for (int i = 0; i < n; ++i) {
    const size_t slash = rows.find('/');
    const std::string_view row = rows.substr(0, slash);
    rows = slash == std::string_view::npos ? std::string_view{} : rows.substr(slash + 1);
    const int y = n - 1 - i;
    if (static_cast<int>(row.size()) != n)
      return "row " + std::to_string(y + 1) + " has " + std::to_string(row.size()) + " squares, not " +
             std::to_string(n);
    for (int x = 0; x < n; ++x)
      if (!pieceOf(row[static_cast<size_t>(x)], state.board[y][x]))
        return std::string("unknown character '") + row[static_cast<size_t>(x)] + "' in row " + std::to_string(y + 1) +
               " (use . w W b B)";
  }
  state.start.custom = 1;
  state.start.side = side;
  std::memcpy(state.start.board, state.board, sizeof state.board);
  state.plyCount = 0;
  state.moveCount = 0;
  return std::nullopt;
}

std::optional<std::string> lightSquarePiece(const Board& board, GameType type) {
  const int n = boardSizeOf(type);
  for (int y = n - 1; y >= 0; --y)
    for (int x = 0; x < n; ++x)
      if (board[y][x].kind != Empty && !playableSquare(type, x, y))
        return "a piece stands on " + squareName(x, y) + ", a light square; " + gameTypeName(type) +
               " is played on the dark squares";
  return std::nullopt;
}

std::string writePosition(const RecordedPosition& state) {
  return positionText(state.board, state.boardSize, state.sideToMove());
}

std::string positionText(const Board& board, int boardSize, int side) {
  const int n = boardSize;
  std::string text = side == White ? "W:" : "B:";
  for (int y = n - 1; y >= 0; --y) {
    for (int x = 0; x < n; ++x) text += letterOf(board[y][x]);
    if (y > 0) text += '/';
  }
  return text;
}

}  // namespace velmora
