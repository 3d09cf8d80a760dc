#include "core/records/notation.h"

#include <cctype>
#include <climits>

#include "core/platform/text.h"
#include "core/rules/game_record.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

struct Square {
  int x;
  int y;
};

// Parsed move text: the start square and the landing squares in order.
struct ParsedMove {
  Square from{};
  int captureCount = 0;  // 0 for a plain move, which then has one landing square
  Square landing[kMaxSteps]{};
};

bool readColumn(char c, int n, int& x) {
  if (c < 'a' || c >= 'a' + n) return false;
  x = c - 'a';
  return true;
}

bool readRow(std::string_view digits, int n, int& y) {
  const long row = static_cast<long>(readDecimal(digits)) - 1;
  if (row < 0 || row >= n) return false;
  y = static_cast<int>(row);
  return true;
}

bool parseMoveText(std::string_view text, int n, ParsedMove& out) {
  // The start square: its column letter, then its row number, which ends at
  // the first "-", or failing that the first ":".
  if (text.empty() || !readColumn(text[0], n, out.from.x)) return false;
  std::string_view rest = text.substr(1);
  size_t sep = rest.find('-');
  if (sep == std::string_view::npos) sep = rest.find(':');
  if (sep == std::string_view::npos || !readRow(rest.substr(0, sep), n, out.from.y)) return false;
  rest = rest.substr(sep);

  // A plain move: one landing square; characters after its row are ignored.
  if (rest[0] == '-') {
    rest = rest.substr(1);
    if (rest.empty() || !readColumn(rest[0], n, out.landing[0].x)) return false;
    out.captureCount = 0;
    return readRow(rest.substr(1), n, out.landing[0].y);
  }

  // A capture: one landing square after each ":"; a trailing ":" is ignored.
  out.captureCount = 0;
  for (;;) {
    rest = rest.substr(1);
    if (rest.empty()) break;
    if (out.captureCount == kMaxSteps) return false;  // no record holds more steps
    Square& sq = out.landing[out.captureCount];
    if (!readColumn(rest[0], n, sq.x)) return false;
    rest = rest.substr(1);
    const size_t colon = rest.find(':');
    const std::string_view digits = rest.substr(0, colon);
    rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon);
    if (!readRow(digits, n, sq.y)) return false;
    ++out.captureCount;
    if (rest.empty()) break;
  }
  return out.captureCount > 0;
}

bool matches(const MoveRecord& m, const ParsedMove& p) {
  if (m.fromX != p.from.x || m.fromY != p.from.y || m.captureCount != p.captureCount) return false;
  const int steps = p.captureCount > 0 ? p.captureCount : 1;
  for (int k = 0; k < steps; ++k)
    if (m.steps[k].toX != p.landing[k].x || m.steps[k].toY != p.landing[k].y) return false;
  return true;
}

}  // namespace

std::string moveText(const MoveRecord& move) {
  std::string text = squareName(move.fromX, move.fromY);
  if (move.captureCount == 0) return text + '-' + squareName(move.steps[0].toX, move.steps[0].toY);
  for (int k = 0; k < move.captureCount; ++k) text += ':' + squareName(move.steps[k].toX, move.steps[k].toY);
  return text;
}

std::string formatMove(const RecordedPosition& state, int index) { return moveText(state.gameRecord[index]); }

bool playMoveText(RecordedPosition& state, std::string_view text) {
  generateMoves(state.legalMoves, state, state.sideToMove());
  ParsedMove parsed;
  if (!parseMoveText(text, state.boardSize, parsed)) return false;
  if (state.plyCount >= kMaxGameMoves) return false;
  for (int i = 0; i < state.moveCount; ++i) {
    if (!matches(state.legalMoves[i], parsed)) continue;
    applyMove(state.legalMoves[i], state.gameRecord[state.plyCount], state);
    ++state.plyCount;
    return true;
  }
  return false;
}

}  // namespace velmora
