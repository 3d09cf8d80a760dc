#pragma once
// The Network game dialog's rules: which controls can be used, which sides
// the server may take, and the checks of OK with the settings they store.

#include <optional>
#include <string>

#include "core/rules/board.h"

namespace velmora {

struct GameState;
struct MoveListing;

// The game on the board can be continued over the network: a line is
// selected, it is not the last line of a game that is over, and the game
// began at the variant's set-up.
bool canContinueCurrent(GameState& game, const MoveListing& listing);

struct SideChoice {
  bool available[2] = {false, false};
  bool groupEnabled = false;
  int forced = -1;  // the one side left, which is checked
};

// A new game lets the server take either side; a continued one only the
// side to move at the selected line; a client chooses none.
SideChoice sideChoice(bool server, bool continueCurrent, const MoveListing& listing);

struct NetDialogInput {
  std::string name;
  std::string ip;
  std::string portText;
  bool server = true;
  GameType gameType = American;
  bool giveAway = false;
};

// The name as sent and stored: without its leading spaces, at most kMaxNameLength bytes,
// on one line.
std::string networkName(const std::string& typed);

// Runs the OK checks in order, storing the address and the port as they go
// and, once they pass, the role, the name, the game type and give-away.
// The message that keeps the dialog open, if any.
std::optional<std::string> takeNetDialogInput(const NetDialogInput& input);

}  // namespace velmora
