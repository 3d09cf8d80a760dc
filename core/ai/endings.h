#pragma once
// Endings whose outcome endgame theory knows, for checking the Expert: the
// won ones it must win within the variant's rules, the drawn ones it must
// not lose on either side. The Expert plays both sides.

#include <vector>

#include "core/ai/match.h"

namespace velmora {

struct Ending {
  const char* name;
  GameType type;
  const char* position;  // a position text
  bool won;              // the side to move wins; otherwise the game is drawn
};

const std::vector<Ending>& theoryEndings();

struct EndingOutcome {
  MatchGame game;
  bool passed = false;
};

// Plays the ending out, the Expert on both sides within `limits` a move.
EndingOutcome playEnding(const Ending& ending, RecordedPosition& game, Engine& engine, const EngineLimits& limits);

}  // namespace velmora
