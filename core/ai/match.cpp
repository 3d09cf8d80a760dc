#include "core/ai/match.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/rules/game_record.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

std::uint64_t nextRandom(std::uint64_t& state) {
  std::uint64_t x = (state += 0x9e3779b97f4a7c15ull);
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
  return x ^ (x >> 31);
}

void startGame(RecordedPosition& game, const MatchSettings& settings) {
  setUpBoard(game, game, settings.type);
  game.plyCount = 0;
  game.giveAway = settings.giveAway ? 1 : 0;
  game.officialRules = settings.official ? 1 : 0;
}

void play(RecordedPosition& game, int index) {
  const MoveRecord move = game.legalMoves[index];
  applyMove(move, game.gameRecord[game.plyCount], game);
  ++game.plyCount;
}

// The move of the side to move at `level`: the index in generateMoves order.
int chooseMove(const RecordedPosition& game, Engine& engine, const MatchSettings& settings, int level) {
  EngineLimits limits = settings.expert;
  limits.level = level;
  engine.setPosition(game, game);
  return engine.think(limits).rootIndex;
}

}  // namespace

Opening randomOpening(GameType type, bool giveAway, std::uint64_t seed) {
  MatchSettings settings;
  settings.type = type;
  settings.giveAway = giveAway;
  return randomOpening(settings, seed);
}

Opening randomOpening(const MatchSettings& settings, std::uint64_t seed) {
  auto game = std::make_unique<RecordedPosition>();
  startGame(*game, settings);
  std::uint64_t state = seed;
  Opening opening;
  const int plies = 2 + static_cast<int>(nextRandom(state) % 3);
  while (opening.plies < plies) {
    generateMoves(game->legalMoves, *game, game->sideToMove());
    if (game->moveCount == 0) break;
    const int index = static_cast<int>(nextRandom(state) % static_cast<std::uint64_t>(game->moveCount));
    opening.index[opening.plies++] = index;
    play(*game, index);
  }
  return opening;
}

GameResult matchResult(RecordedPosition& game, const std::vector<std::uint64_t>& seen, GameEnd& end) {
  end = GameEnd::Rules;
  const GameResult result = gameResult(game, game.sideToMove(), game.plyCount);
  if (result != GameGoesOn) return result;
  if (std::count(seen.begin(), seen.end(), seen.back()) >= 3)
    end = GameEnd::Repetition;
  else if (game.plyCount >= kMaxGameMoves)
    end = GameEnd::MoveLimit;
  else
    return GameGoesOn;
  return Draw;
}

MatchGame playMatchGame(RecordedPosition& game, Engine& white, Engine& black, const MatchSettings& settings,
                        const Opening& opening, int whiteLevel, int blackLevel) {
  startGame(game, settings);
  return playOnFrom(game, white, black, settings, opening, whiteLevel, blackLevel);
}

MatchGame playOnFrom(RecordedPosition& game, Engine& white, Engine& black, const MatchSettings& settings,
                     const Opening& opening, int whiteLevel, int blackLevel) {
  std::vector<std::uint64_t> seen;  // the key of each position of the game
  seen.reserve(kGameRecordSlots);
  seen.push_back(expertPositionKey(game, game.sideToMove()));
  MatchGame outcome;
  const int firstPly = game.plyCount;
  for (;;) {
    const int ply = game.plyCount - firstPly;
    const int side = game.sideToMove();
    outcome.result = matchResult(game, seen, outcome.end);
    if (outcome.result != GameGoesOn) break;
    int index;
    if (ply < opening.plies) {
      index = std::min(opening.index[ply], game.moveCount - 1);
    } else {
      index =
          side == White ? chooseMove(game, white, settings, whiteLevel) : chooseMove(game, black, settings, blackLevel);
    }
    if (index < 0 || index >= game.moveCount) index = 0;
    play(game, index);
    seen.push_back(expertPositionKey(game, game.sideToMove()));
  }
  outcome.plies = game.plyCount - firstPly;
  return outcome;
}

}  // namespace velmora
