#pragma once
// One move as every part of the program sees it: generated, entered, loaded,
// received or tried by the computer. The layout is fixed at 125 bytes.

#include <cstddef>
#include <cstdint>

namespace velmora {

constexpr int kMaxSteps = 20;       // the longest capture a record holds
constexpr int kMaxMoves = 1000;     // records in one move list
constexpr int kMaxGameMoves = 400;  // moves one game may have
// The record's slots: a game's moves and ten to spare, so that a reader one
// move past the limit stays inside the array.
constexpr int kGameRecordSlots = 410;

struct MoveStep {
  std::int8_t toX;
  std::int8_t toY;
  std::int8_t kindAfter;  // the piece's kind once this step is made
  std::int8_t capturedX;
  std::int8_t capturedY;
  std::int8_t capturedKind;  // kept so the move can be taken back
};

struct MoveRecord {
  std::int8_t fromX;
  std::int8_t fromY;
  std::int8_t pieceKind;  // before the move
  std::int8_t pieceSide;
  std::int8_t captureCount;  // 0 for a plain move
  MoveStep steps[kMaxSteps];

  // Destination and promotion are read from the final step only.
  const MoveStep& finalStep() const { return steps[captureCount > 0 ? captureCount - 1 : 0]; }
};

static_assert(sizeof(MoveStep) == 6);
static_assert(sizeof(MoveRecord) == 125);

// Records are copied only as far as they are used: the header, then one
// step for a plain move or each capture's step.
constexpr size_t kMoveHeaderBytes = offsetof(MoveRecord, steps);
constexpr size_t kPlainMoveBytes = kMoveHeaderBytes + sizeof(MoveStep);
constexpr size_t kPlainMoveBlockBytes = 16;  // what the generator stores for one
static_assert(kPlainMoveBlockBytes >= kPlainMoveBytes && kPlainMoveBlockBytes <= sizeof(MoveRecord));
inline size_t usedBytes(const MoveRecord& m) {
  return m.captureCount > 0 ? kMoveHeaderBytes + sizeof(MoveStep) * static_cast<size_t>(m.captureCount)
                            : kPlainMoveBytes;
}

}  // namespace velmora
