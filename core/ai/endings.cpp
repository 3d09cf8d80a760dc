#include "core/ai/endings.h"

#include "core/rules/game_record.h"
#include "core/rules/position_text.h"

namespace velmora {

const std::vector<Ending>& theoryEndings() {
  static const std::vector<Ending> endings = {
      // Won: the lone king is driven out of the double corner.
      {"American: two kings against one in the double corner", American,
       "W:.B....../......../......../......../...W.W../......../......../........", true},
      // Won: an exchange of kings is forced, then two against one.
      {"American: three kings against two in the double corners", American,
       "W:......../B......./......../......../...W..../..W.W.../.......B/........", true},
      // Won: the man crowns first and the king then catches the other man.
      {"American: a runaway man", American, "W:......../......../.......b/..w...../......../......../......../......w.",
       true},
      {"International: four kings against one off the long diagonal", International,
       "W:........../........../.B......../........../........../........../........../........../...W.....W/"
       "....W.W...",
       true},
      {"Russian: a runaway man against a man far behind", Russian,
       "W:......../b......./......../....w.../......../......../......../........", true},
      // Drawn.
      {"American: a king against a king", American,
       "W:.B....../......../......../......../...W..../......../......../........", false},
      {"American: two kings against two in the double corners", American,
       "W:......../B......./......../......../......../..W.W.../.......B/........", false},
      {"International: three kings against one on the long diagonal", International,
       "B:........../........../........../........../........../....B...../........../........../........../"
       "..W.W.W...",
       false},
      {"Russian: three kings against one on the main road", Russian,
       "W:......../......../......../......../...B..../......../.......W/..W.W...", false},
      {"Brazilian: two kings against one", Brazilian,
       "W:......../......B./......../......../......../....W.../......../..W.....", false},
      {"Turkish: a king against a king", Turkish,
       "B:......../......B./......../......../......../......../.W....../........", false},
  };
  return endings;
}

EndingOutcome playEnding(const Ending& ending, RecordedPosition& game, Engine& engine, const EngineLimits& limits) {
  EndingOutcome out;
  if (readPosition(ending.position, ending.type, game)) return out;  // a table entry that does not read fails
  game.giveAway = 0;
  MatchSettings settings;
  settings.type = ending.type;
  settings.expert = limits;
  const int side = game.sideToMove();
  out.game = playOnFrom(game, engine, engine, settings, Opening{}, kExpertLevel, kExpertLevel);
  const GameResult win = side == White ? WhiteWins : BlackWins;
  out.passed = out.game.result == (ending.won ? win : Draw);
  return out;
}

}  // namespace velmora
