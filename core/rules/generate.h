#pragma once
// Legal moves of a position, and playing a move on the board and taking it back.

#include "core/rules/move.h"
#include "core/rules/position.h"
#include "core/rules/rule_family.h"

namespace velmora {

// Fills `list` (room for kMaxMoves) with the legal moves of `side` in generator
// order and sets state.moveCount. Captures are compulsory. Allocates nothing.
void generateMoves(MoveRecord* list, Position& state, int side);

// Copies `move` into `slot` (normally gameRecord[plyCount]) and plays it on
// the board. The caller then increments plyCount.
void applyMove(const MoveRecord& move, MoveRecord& slot, Position& state);

// Takes back a move that applyMove played; the board is restored piece for piece.
void undoMove(const MoveRecord& move, Position& state);

// Captured men count 100, a king captured at step j counts 300 - j.
int captureQuality(const MoveRecord& move);

// What the capture's pieces are worth to `choice`: worthOf added up.
int captureWorth(const MoveRecord& move, Choice choice);

}  // namespace velmora
