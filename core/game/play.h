#pragma once
// Playing a move made at this computer, and deciding the end of the game.

#include <functional>

#include "core/platform/translation.h"
#include "core/rules/game_result.h"

namespace velmora {

struct GameState;
struct MoveListing;

constexpr int kCapturePauseMs = 750;
constexpr const char* kMoveLimitMessage = N_("Limit of amount movements has been reached.\nGame over.");

// Plays legalMoves[index] from the shown position (the listing's selected
// line): refuses the 401st move, cuts the moves after the shown position,
// rebuilds the listing, shows each capture step with its sound and marks the
// game modified. An index not below moveCount is ignored.
//
// Each step of a capture is shown and its sound heard, then a pause leads to
// the next step (host.playSound and host.after): the call returns at once
// and `done` runs when the move has been shown and heard (at once for a
// refused one). Until then game.showingMove is set and the board takes no
// input.
void playMove(GameState& game, MoveListing& listing, int index, std::function<void()> done = {});

// Whether "Continue game" can take up a stopped game: one has been started,
// it is not running (broken off, or loaded with the computer to move) and
// it is not over at its last move. `scratch` rebuilds that position.
bool gameCanGoOn(const GameState& game, GameState& scratch, const MoveListing& listing);

// How the game stands at its last move, whatever line is shown: over by
// the rules, or going on. `scratch` rebuilds that position.
GameResult resultAtLastMove(const GameState& game, GameState& scratch, const MoveListing& listing);

// Takes the game up again at its last move; the computer moves when it is
// its turn. `scratch` rebuilds the position shown.
void continueGame(GameState& game, GameState& scratch, MoveListing& listing);

// Shows the move being shown whole at once, without its remaining sounds
// (the window closes).
void finishShowingMove(GameState& game);

// Regenerates legalMoves for the side to move and tells whether the game has
// ended there; only at the listing's last line. Shows the result when asked.
GameResult checkGameEnd(GameState& game, const MoveListing& listing, bool showMessages);

}  // namespace velmora
