#pragma once
// Making the computer's move in the window: the random opening move, the
// search, the clock, the progress in the title, and breaking off with Escape.
//
// The move is made in three stages so that the search can run on a worker
// thread while the window goes on painting: beginComputerMove and
// finishComputerMove run on the thread that owns the game, the search
// between them on a copy of it. computerMove runs all three in turn.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "core/ai/engine.h"

namespace velmora {

struct GameState;
struct MoveListing;

// The computer's random numbers, seeded once at start-up.
void seedComputerRandom(std::uint32_t seed);

// The title the window shows when the computer is not thinking.
void setPlainWindowTitle(const std::string& title);
const std::string& plainWindowTitle();
// That title for `game`: the program's name, and the federation's rules
// where the game follows them.
std::string plainTitleOf(const GameState& game);

// Whether the turn timer starts the computer now: a running game, the
// computer to move, no move in progress, the last line shown and the game
// not over.
bool computerShouldMove(GameState& game, const MoveListing& listing);

// Starts a computer move for the side to move. The first move of a game is
// a random one, played at once: then `done` runs (after its capture has been
// shown) and the result is false. Otherwise the game is marked thinking, the
// window disabled and the clock started, and the result is true: the caller
// runs the search on a copy of the game. An outside engine chooses its
// first move itself: without `randomOpening`.
bool beginComputerMove(GameState& game, MoveListing& listing, std::function<void()> done, bool randomOpening = true);

// What the search found: the engine's result and its choice.
struct ComputerChoice {
  int result = 0;  // 0 when abandoned
  int bestRootIndex = 0;
};

// How the computer thinks in `game`: at its level, or as the Expert this
// long a move when game.expertMoveTimeMs is set.
EngineLimits computerLimits(const GameState& game);

// The engine's answer as the game plays it.
ComputerChoice computerChoiceOf(const EngineResult& result);

// The search the game runs for the computer, on the calling thread: the
// engine is set to the game's position and record. `progress` gets a
// percentage, of the root moves or of the Expert's time, and breaks the
// search off by returning false.
ComputerChoice searchComputerMove(Engine& engine, const GameState& game, const Engine::Progress& progress = {});

// Called as each root move begins, on the game's thread: charges the clock
// and shows the progress.
void showComputerProgress(GameState& game, int percent, bool showProgress);

// Asks "Break AI move. Are you sure?"; on Yes the game stops and the result
// is true. The window asks it when Escape is pressed.
bool askBreakComputerMove(GameState& game);

// showComputerProgress, then, when Escape is held, askBreakComputerMove.
// Returns false when the player broke off. For a search on this thread.
bool reportComputerProgress(GameState& game, int percent, bool showProgress);

// Plays the choice (unless the search was abandoned), then, once its capture
// has been shown, decides the end of the game, puts the title back, enables
// the window and runs `done`.
void finishComputerMove(GameState& game, MoveListing& listing, ComputerChoice choice, std::function<void()> done);

// The three stages on this thread with `engine`, the search asking
// reportComputerProgress at each root move.
void computerMove(GameState& game, MoveListing& listing, bool showProgress, Engine& engine);

}  // namespace velmora
