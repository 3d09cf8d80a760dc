#include "core/game/new_game.h"

#include <cstring>

#include "core/game/game_state.h"
#include "core/game/load_game.h"
#include "core/game/play.h"
#include "core/game/settings.h"
#include "core/platform/player_name.h"
#include "core/platform/text.h"
#include "core/platform/translation.h"
#include "core/records/fen.h"
#include "core/records/listing.h"

namespace velmora {

namespace {

// Shown in the player's language: the player takes it as their name.
const char* const kPlayerNames[2] = {N_("Player 1"), N_("Player 2")};

std::string cut(const std::string& name) { return playerNameFrom(name); }

}  // namespace

NewGameChoice rememberedChoice() {
  NewGameChoice c;
  c.name[White] = lastGame.player1Name;
  c.name[Black] = lastGame.player2Name;
  for (int side = 0; side < 2; ++side) c.type[side] = c.name[side] == kComputerName ? ChooseComputer : ChooseHuman;
  c.level = lastGame.level;
  c.expert = lastGame.expert;
  c.moveTimeMs = lastGame.moveTimeMs;
  c.gameType = lastGame.gameType;
  c.giveAway = lastGame.giveAway;
  c.official = lastGame.officialRules;
  applyTypeRules(c);
  return c;
}

void applyTypeRules(NewGameChoice& c) {
  for (int side = 0; side < 2; ++side) {
    if (c.type[side] == ChooseComputer)
      c.name[side] = kComputerName;
    else if (c.name[side] == kComputerName)
      c.name[side] = say(kPlayerNames[side]);
  }
}

bool levelEnabled(const NewGameChoice& c) { return c.type[White] == ChooseComputer || c.type[Black] == ChooseComputer; }

bool nameEditable(const NewGameChoice& c, int side) { return c.type[side] == ChooseHuman; }

std::optional<std::string> newGameProblem(const NewGameChoice& c) {
  for (int side = 0; side < 2; ++side)
    if (c.type[side] == ChooseHuman && cut(c.name[side]) == kComputerName)
      return say(side == White ? "Please enter any other name (WHITE SIDE)"
                               : "Please enter any other name (BLACK SIDE)");
  const bool whiteEmpty = c.name[White].empty(), blackEmpty = c.name[Black].empty();
  if (whiteEmpty && blackEmpty) return say("Please enter name (WHITE AND BLACK SIDES)");
  if (whiteEmpty) return say("Please enter name (WHITE SIDE)");
  if (blackEmpty) return say("Please enter name (BLACK SIDE)");
  return std::nullopt;
}

bool playsOfficialRules(const NewGameChoice& c) { return c.official && hasOfficialRules(c.gameType); }

void startNewGame(GameState& game, MoveListing& listing, const NewGameChoice& c) {
  setUpBoard(game, c.gameType);
  game.officialRules = playsOfficialRules(c) ? 1 : 0;
  game.plyCount = 0;
  for (int side = 0; side < 2; ++side) {
    PlayerRecord& p = game.players[side];
    p.type = c.type[side] == ChooseComputer ? ComputerPlayer : HumanPlayer;
    setPlayerName(p, c.name[side]);
    p.clockSeconds = 0;
  }
  game.searchDepth = c.level + 2;
  game.expertMoveTimeMs = c.expert ? c.moveTimeMs : 0;
  game.giveAway = c.giveAway ? 1 : 0;
  game.gameRunning = 1;
  resetListing(listing);

  if (levelEnabled(c)) {
    lastGame.level = c.level;
    lastGame.expert = c.expert;
    lastGame.moveTimeMs = c.moveTimeMs;
  }
  lastGame.gameType = c.gameType;
  lastGame.player1Name = cut(c.name[White]);
  lastGame.player2Name = cut(c.name[Black]);
  lastGame.giveAway = c.giveAway;
  lastGame.officialRules = c.official;
  game.gameModified = 0;
}

std::optional<std::string> startGameFromFen(GameState& game, MoveListing& listing, GameState& scratch,
                                            const NewGameChoice& choice, std::string_view fen) {
  MoveListing unused;
  if (auto why = readFen(fen, choice.gameType, scratch)) return why;
  startNewGame(scratch, unused, choice);  // players, level, clocks; the set-up is replaced below
  readFen(fen, choice.gameType, scratch);
  takeOverLoadedGame(game, listing, scratch);
  if (checkGameEnd(game, listing, false) == GameGoesOn) game.gameRunning = 1;
  return std::nullopt;
}

}  // namespace velmora
