#pragma once
// The pieces every variant's generator is built from: the per-call context,
// recording of capture sequences, the jumps the capture searches are made
// of, and the choices among captures. Internal to the rules engine.

#include <bit>
#include <cstdint>
#include <cstring>

#include "core/rules/move.h"
#include "core/rules/position.h"
#include "core/rules/rule_family.h"

namespace velmora::gen {

// Square (x, y) is bit x + 1 of row entry y + kRowPad, as Position::pieceRows
// keeps them: the clear bit 0 and the rows of padding read as off the board.
constexpr std::uint32_t columnBit(int x) { return 1u << (x + 1); }
constexpr bool hasSquare(const std::uint32_t* rows, int x, int y) { return (rows[y + kRowPad] >> (x + 1)) & 1u; }

struct Context {
  // The rows are left for generateMoves to fill: this runs for every node.
  Context(Position& s, MoveRecord* moves, int side)
      : state(s), list(moves), n(s.boardSize), mover(side), opponent(side ^ 1), opponentKings(s.kingRows[side ^ 1]) {}

  Position& state;
  MoveRecord* list;
  int n;  // boardSize
  int mover;
  int opponent;
  // The position as rows of bits, as Position::pieceRows keeps them. A
  // capture search works on these alone and leaves the board untouched: the
  // piece it moves is lifted (its square empty), a removed piece's square
  // turns empty, and a taken piece is no longer takeable.
  std::uint32_t empty[kPaddedRows];
  std::uint32_t takeable[kPaddedRows];  // the opponent's pieces not yet taken
  const std::uint32_t* opponentKings;

  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < n && y < n; }
  // The rows around the board and the bits outside it are clear, so a
  // square a step off the board reads as occupied.
  bool emptyAt(int x, int y) const { return hasSquare(empty, x, y); }
  // The kind of the opponent's piece on (x, y).
  int opponentKindAt(int x, int y) const { return hasSquare(opponentKings, x, y) ? King : Man; }
  bool full() const { return state.moveCount >= kMaxMoves; }
  int promotionRow() const { return mover == White ? n - 1 : 0; }
  int forward() const { return mover == White ? 1 : -1; }
};

// Where a capture sequence started and the kind it records as `pieceKind`.
struct Start {
  int x;
  int y;
  int kind;
};

using CaptureSearch = void (*)(Context&, int x, int y, int depth, const Start&);

// How a captured piece is kept out of play while the search goes deeper.
enum class TakeOut { Remove, Mark, Leave };

inline void writeStep(Context& g, int depth, int toX, int toY, int kindAfter, int capX, int capY, int capKind) {
  g.state.scratchPath[depth] =
      MoveStep{static_cast<std::int8_t>(toX),  static_cast<std::int8_t>(toY),  static_cast<std::int8_t>(kindAfter),
               static_cast<std::int8_t>(capX), static_cast<std::int8_t>(capY), static_cast<std::int8_t>(capKind)};
}

// Appends scratchPath[0..depth-1] as a record; with `crownOnLastRow` a final
// step on the mover's promotion row becomes King. Drops it when the list is full.
void recordSequence(Context& g, int depth, const Start& start, bool crownOnLastRow);

// The jump over (x+dx, y+dy) to (x+2dx, y+2dy); the caller has checked both are
// on the board. Returns whether the jump was possible (and so was searched).
// Defined here so that the compiler can inline it into every search.
[[gnu::always_inline]] inline bool shortJump(Context& g, int x, int y, int dx, int dy, int depth, const Start& start,
                                             TakeOut how, int kindAfter, bool menOnly, CaptureSearch next) {
  const int victimX = x + dx, victimY = y + dy, landX = x + 2 * dx, landY = y + 2 * dy;
  std::uint32_t& takeable = g.takeable[victimY + kRowPad];
  std::uint32_t& empty = g.empty[victimY + kRowPad];
  const std::uint32_t victim = columnBit(victimX);
  if (!(takeable & victim) || !g.emptyAt(landX, landY)) return false;
  const int victimKind = g.opponentKindAt(victimX, victimY);
  if (menOnly && victimKind != Man) return false;

  writeStep(g, depth, landX, landY, kindAfter, victimX, victimY, victimKind);
  // A marked piece still blocks but cannot be taken again; a removed one
  // leaves its square empty.
  if (how != TakeOut::Leave) takeable &= ~victim;
  if (how == TakeOut::Remove) empty |= victim;
  next(g, landX, landY, depth + 1, start);
  if (how != TakeOut::Leave) takeable |= victim;
  if (how == TakeOut::Remove) empty &= ~victim;
  return true;
}

// A capture from a distance along the line (dx, dy): the first occupied square
// is the victim, the empty squares beyond it are landing squares (only the
// nearest with `nearestOnly`). Captured pieces are marked.
bool lineCapture(Context& g, int x, int y, int dx, int dy, int depth, const Start& start, bool nearestOnly,
                 CaptureSearch next);

// As lineCapture, for a king that must go on: where some of the landing
// squares let the capture go on along `lines`, only those are searched.
bool lineCaptureGoingOn(Context& g, int x, int y, int dx, int dy, int depth, const Start& start, const Steps& lines,
                        CaptureSearch next);

// Where a capture search stops short: a full list takes no more records, and a
// path of kMaxSteps has no room for another step, so it is recorded as it is.
inline bool atLimit(Context& g, int depth, const Start& start, bool crownOnLastRow) {
  if (g.full()) return true;
  if (depth < kMaxSteps) return false;
  recordSequence(g, depth, start, crownOnLastRow);
  return true;
}

// The column of the first square along the row from column x that is not
// empty: to the right with dx > 0, else to the left; -1 or n and beyond when
// the row runs out. The bits beside the board are never empty, so a scan of
// the row's bits finds it at once.
inline int firstStopInRow(std::uint32_t emptyRow, int x, int dx) {
  const std::uint32_t blocked = ~emptyRow;
  // The bits above column x's bit (columnBit(x)), and those below it.
  if (dx > 0) return std::countr_zero(blocked & (~0u << (x + 2))) - 1;
  return std::bit_width(blocked & ((1u << (x + 1)) - 1)) - 2;
}

// The first square from (x, y) along (dx, dy) that is not empty, written to
// (cx, cy); it may lie off the board.
[[gnu::always_inline]] inline void firstStop(const std::uint32_t* empty, int n, int x, int y, int dx, int dy, int& cx,
                                             int& cy) {
  if (dy == 0 && (dx == 1 || dx == -1)) {
    cx = firstStopInRow(empty[y + kRowPad], x, dx);
    cy = y;
    return;
  }
  const auto inside = [n](int px, int py) { return px >= 0 && py >= 0 && px < n && py < n; };
  cx = x + dx;
  cy = y + dy;
  while (inside(cx, cy) && hasSquare(empty, cx, cy)) {
    cx += dx;
    cy += dy;
  }
}

// A plain move is stored as one block rounded up to 16 bytes, built in two
// 64-bit words: fromX, fromY, pieceKind, pieceSide, captureCount 0, then
// step 0's toX, toY, kindAfter. A plain move captures nothing, so step 0's
// captured square and kind, and the bytes after it, are 0. The first word
// is put together from the parts a pass shares, so that one move costs an
// or and two stores.
constexpr std::uint64_t plainWord(int x, int y, int kind, int side, int toX, int toY, int kindAfter) {
  return static_cast<std::uint64_t>(static_cast<std::uint8_t>(x)) |
         static_cast<std::uint64_t>(static_cast<std::uint8_t>(y)) << 8 |
         static_cast<std::uint64_t>(static_cast<std::uint8_t>(kind)) << 16 |
         static_cast<std::uint64_t>(static_cast<std::uint8_t>(side)) << 24 |
         static_cast<std::uint64_t>(static_cast<std::uint8_t>(toX)) << 40 |
         static_cast<std::uint64_t>(static_cast<std::uint8_t>(toY)) << 48 |
         static_cast<std::uint64_t>(static_cast<std::uint8_t>(kindAfter)) << 56;
}

[[gnu::always_inline]] inline void storePlainMove(MoveRecord& m, std::uint64_t word) {
  static_assert(kPlainMoveBlockBytes == 16 && kMoveHeaderBytes == 5);
  if constexpr (std::endian::native == std::endian::little) {
    const std::uint64_t words[2] = {word, 0};
    std::memcpy(&m, words, sizeof words);
  } else {
    std::int8_t bytes[kPlainMoveBlockBytes] = {};
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<std::int8_t>(word >> (8 * i));
    std::memcpy(&m, bytes, sizeof bytes);
  }
}

// Choices among the recorded captures, applied in place to list[0..moveCount).
void keepGreatestNumber(Context& g);
void keepGreatestNumberThenQuality(Context& g);
void keepLongestOfCrowning(Context& g);
void keepGreatestWorth(Context& g, Choice choice);  // by captureWorth
void keepKingsCaptures(Context& g);                 // where a king captures
void keepOnePerCapturedSet(Context& g);

}  // namespace velmora::gen
