#pragma once
// The choices of the New game dialog, the rules that keep its controls
// consistent, its checks, and starting the chosen game.

#include <optional>
#include <string>
#include <string_view>

#include "core/platform/player_name.h"  // kComputerName, for the callers
#include "core/rules/board.h"

namespace velmora {

struct GameState;
struct MoveListing;

// Entries of the two type lists.
enum TypeChoice { ChooseComputer = 0, ChooseHuman = 1 };

// The Expert's times a move the dialog offers, in milliseconds.
constexpr int kExpertMoveTimes[] = {200, 1000, 5000, 15000};

struct NewGameChoice {
  int type[2] = {ChooseHuman, ChooseComputer};  // White, Black
  std::string name[2];
  int level = 0;
  bool expert = false;  // the Expert plays; `level` is still remembered and saved
  int moveTimeMs = 1000;
  GameType gameType = American;
  bool giveAway = false;
  // The federation's rules, where the variant has them; a network game is
  // always classic.
  bool official = false;
};

// The dialog's first state, from the LAST GAME settings.
NewGameChoice rememberedChoice();

// A computer side is named "Computer"; a human side that was named so
// becomes "Player 1" or "Player 2".
void applyTypeRules(NewGameChoice& choice);
bool levelEnabled(const NewGameChoice& choice);
bool nameEditable(const NewGameChoice& choice, int side);

// The message that keeps the dialog open, if any.
std::optional<std::string> newGameProblem(const NewGameChoice& choice);

// Whether the game of `choice` is played by the federation's rules.
bool playsOfficialRules(const NewGameChoice& choice);

// Starts the game: start position, players, level, give-away, rules, clocks, the
// listing's single start line; remembers the choices as the last game.
void startNewGame(GameState& game, MoveListing& listing, const NewGameChoice& choice);

// Starts the game of `choice` from the position of a FEN instead of the
// variant's set-up, built in `scratch`; the game runs at once, also when the
// computer is to move. On a FEN that cannot be read returns why, and the
// game and listing stay as they were.
std::optional<std::string> startGameFromFen(GameState& game, MoveListing& listing, GameState& scratch,
                                            const NewGameChoice& choice, std::string_view fen);

}  // namespace velmora
