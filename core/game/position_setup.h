#pragma once
// Setting up a position on the board: what a click on a square puts there,
// and what is wrong with a position before a game may start from it. The
// position being set up is a GameState of its own kind: its board, its
// variant and, in start.side, the side to move.

#include <optional>
#include <string>

#include "core/rules/board.h"

namespace velmora {

struct GameState;

// Whether pieces stand on the square in the variant: the dark squares where
// men start on them, every square in Turkish and Gothic.
bool setupSquarePlayable(GameType type, int x, int y);

// Empty, white man, white king, black man, black king and round again;
// `backwards` goes the other way. Squares pieces never stand on stay empty.
void cycleSetupSquare(GameState& setup, int x, int y, bool backwards);

// An empty board, or the variant's start position, of `type`; the side to
// move stays.
void clearSetup(GameState& setup, GameType type);
void startPositionSetup(GameState& setup, GameType type);

// What is wrong with the position, a sentence a line; nothing when a game
// can start from it.
std::optional<std::string> setupProblem(const GameState& setup);

// The position as FEN, the side to move included: a game starts from it
// the way it starts from a pasted position.
std::string setupFen(const GameState& setup);

}  // namespace velmora
