#include "core/ai/evaluation.h"

#include <cstring>

#include "core/rules/position.h"

namespace velmora {

void buildProximityMap(const Position& state, int colour, int out[12][12]) {
  const int n = state.boardSize;
  std::memset(out, 0, sizeof(int) * 12 * 12);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const Cell& c = state.board[y][x];
      if (c.kind != Empty && c.side == colour) out[y][x] = n - 1;
    }
  // N in-place passes settle every distance on the board.
  for (int pass = 0; pass < n; ++pass)
    for (int y = 0; y < n; ++y)
      for (int x = 0; x < n; ++x) {
        const int lower = out[y][x] - 1;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if ((dx || dy) && nx >= 0 && ny >= 0 && nx < n && ny < n && out[ny][nx] < lower) out[ny][nx] = lower;
          }
      }
}

void buildEvalTable(const Position& state, int aiSide, EvalTable& table) {
  const int n = state.boardSize;
  int proximity[2][12][12];
  buildProximityMap(state, White, proximity[White]);
  buildProximityMap(state, Black, proximity[Black]);
  std::memset(table.value, 0, sizeof table.value);  // the Empty layer stays zero
  for (int colour = 0; colour < 2; ++colour) {
    const int sign = colour == aiSide ? -1 : 1;
    const int enemy = colour ^ 1;
    for (int y = 0; y < n; ++y)
      for (int x = 0; x < n; ++x) {
        // Men gain by the column, not the row: colour 0 towards higher columns.
        const int column = colour == White ? x : n - 1 - x;
        table.value[colour][Man][y][x] = sign * 4 * (column + 250);
        // A king is worth about three men and gains near enemy pieces.
        table.value[colour][King][y][x] = sign * (3000 + proximity[enemy][y][x]);
      }
  }
}

namespace {

// Every square is summed without a test: the table's Empty layer is all zero,
// so an empty square adds nothing whatever its stale side says.
template <int N>
int sumOfSquares(const Position& state, const EvalTable& table) {
  int sum = 0;
  for (int y = 0; y < N; ++y)
#pragma GCC unroll 12
    for (int x = 0; x < N; ++x) {
      const Cell& c = state.board[y][x];
      sum += table.value[c.side & 1][c.kind][y][x];
    }
  return sum;
}

}  // namespace

int boardSum(const Position& state, const EvalTable& table) {
  switch (state.boardSize) {
    case 10: return sumOfSquares<10>(state, table);
    case 12: return sumOfSquares<12>(state, table);
    default: return sumOfSquares<8>(state, table);
  }
}

int boardSumChange(const EvalTable& evalTable, const MoveRecord& move) {
  const auto& table = evalTable.value;
  const int side = move.pieceSide & 1;
  const MoveStep& last = move.finalStep();
  int change = table[side][last.kindAfter][last.toY][last.toX] - table[side][move.pieceKind][move.fromY][move.fromX];
  for (int k = 0; k < move.captureCount; ++k) {
    const MoveStep& s = move.steps[k];
    change -= table[side ^ 1][s.capturedKind][s.capturedY][s.capturedX];
  }
  return change;
}

int evaluatePosition(const Position& state, const EvalTable& table) {
  const int sum = boardSum(state, table);
  return state.giveAway ? -sum : sum;
}

}  // namespace velmora
