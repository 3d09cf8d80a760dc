// analyse and endings: the Expert going over a saved game, and the Expert
// playing the endings whose outcome theory knows.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "cli_common.h"
#include "core/ai/analysis.h"
#include "core/ai/endings.h"
#include "core/game/game_state.h"
#include "core/game/position_score.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"

namespace velmora::cli {

namespace {

std::string indexText(GameState& position, int index) {
  generateMoves(position.legalMoves, position, position.sideToMove());
  if (index < 0 || index >= position.moveCount) return "-";
  return moveText(position.legalMoves[index]);
}

const char* resultName(GameResult r) {
  switch (r) {
    case WhiteWins: return "white";
    case BlackWins: return "black";
    default: return "draw";
  }
}

}  // namespace

int analyseCommand(int argc, char** argv) {
  const char* usage = "usage: velmora-cli analyse FILE.vlm [--movetime MS] [--depth D] [--nodes N]";
  const LimitOptions options = takeLimits(argc, argv, 1000);
  if (!options.valid) return fail(options.problem);
  if (argc != 1) return fail(usage);
  auto game = std::make_unique<GameState>();
  const SavedGameRead read = readSavedGame(*game, argv[0]);
  if (read == SavedGameRead::Not) return kNotDone;
  const int plies = game->plyCount;

  Engine engine;
  const std::vector<PlyAnalysis> moves = analyseGame(*game, plies, engine, options.limits);

  // The scores are for White, as the window shows them; the marks are for
  // what the side that moved gave away.
  auto board = std::make_unique<GameState>(*game);
  setUpStartOf(*board, *game);
  board->plyCount = 0;
  int marks[2][2] = {};  // [side][0 mistakes, 1 blunders]
  std::printf("%-4s %-5s %-14s %-9s %-14s %-9s %s\n", "ply", "side", "played", "score", "best", "score", "mark");
  for (int k = 0; k < static_cast<int>(moves.size()); ++k) {
    const PlyAnalysis& a = moves[static_cast<std::size_t>(k)];
    const int side = board->sideToMove();
    const int sign = side == White ? 1 : -1;
    if (a.mark != MoveMark::None) ++marks[side][a.mark == MoveMark::Blunder ? 1 : 0];
    std::printf("%-4d %-5s %-14s %-9s %-14s %-9s %s\n", k + 1, side == White ? "white" : "black",
                moveText(game->gameRecord[k]).c_str(), scoreText(sign * a.playedScore).c_str(),
                indexText(*board, a.best).c_str(), scoreText(sign * a.bestScore).c_str(),
                a.mark == MoveMark::None ? "-" : markText(a.mark));
    applyMove(game->gameRecord[k], board->gameRecord[k], *board);
    ++board->plyCount;
  }
  std::printf("mistakes white %d black %d\n", marks[White][0], marks[Black][0]);
  std::printf("blunders white %d black %d\n", marks[White][1], marks[Black][1]);
  return read == SavedGameRead::Whole ? 0 : kPartlyRead;
}

int endingsCommand(int argc, char** argv) {
  const char* usage = "usage: velmora-cli endings [--movetime MS] [--depth D] [--nodes N] [--egdb DIR] [NUMBER ...]";
  const auto endgameFolder = takeOption(argc, argv, "--egdb");
  const LimitOptions options = takeLimits(argc, argv, 1000);
  if (!options.valid) return fail(options.problem);
  const auto& endings = theoryEndings();
  std::vector<bool> chosen(endings.size(), argc == 0);
  for (int i = 0; i < argc; ++i) {
    const auto number = readInteger(argv[i]);
    if (!number || *number < 1 || *number > static_cast<long>(endings.size())) return fail(usage);
    chosen[static_cast<std::size_t>(*number - 1)] = true;
  }
  auto game = std::make_unique<GameState>();
  Engine engine;
  // The folder may hold the databases of some rules and not others: an
  // ending of rules it lacks is played without.
  std::map<int, Endgames> endgames;    // by variant
  int played[2] = {}, passed[2] = {};  // [0 drawn, 1 won]
  for (std::size_t i = 0; i < endings.size(); ++i) {
    if (!chosen[i]) continue;
    const Ending& e = endings[i];
    if (endgameFolder) {
      if (!endgames.count(e.type)) {
        setUpBoard(*game, e.type);
        loadEndgames(endgames[e.type], *game, *endgameFolder);
      }
      const Endgames& known = endgames[e.type];
      engine.setEndgames(known.board8.get(), known.board10.get());
    }
    const EndingOutcome o = playEnding(e, *game, engine, options.limits);
    ++played[e.won];
    passed[e.won] += o.passed;
    std::printf("%-3zu %-6s %-5s result %-5s end %-10s plies %-4d %s\n", i + 1, o.passed ? "passed" : "FAILED",
                e.won ? "win" : "draw", resultName(o.game.result),
                o.game.end == GameEnd::Repetition  ? "repetition"
                : o.game.end == GameEnd::MoveLimit ? "limit"
                                                   : "rules",
                o.game.plies, e.name);
    // How a failed ending went, for whoever looks into it.
    if (!o.passed || std::getenv("VELMORA_SHOW_MOVES")) {
      std::string moves;
      for (int k = game->plyCount - o.game.plies; k < game->plyCount; ++k) moves += " " + moveText(game->gameRecord[k]);
      std::printf("    moves%s\n", moves.c_str());
    }
    std::fflush(stdout);
  }
  std::printf("won %d of %d drawn %d of %d\n", passed[1], played[1], passed[0], played[0]);
  return passed[0] == played[0] && passed[1] == played[1] ? 0 : 1;
}

}  // namespace velmora::cli
