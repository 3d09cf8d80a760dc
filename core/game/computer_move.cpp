#include "core/game/computer_move.h"

#include <algorithm>
#include <random>

#include "core/game/game_state.h"
#include "core/game/play.h"
#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

std::mt19937 computerRandom;
std::string plainTitle = "Velmora";

// The thinking time so far, charged to the computer's clock to the
// millisecond: the whole seconds show, the rest waits for the next think.
void chargeClock(GameState& game) {
  const std::int64_t total = game.clockMsAtThinkStart + (host.tickCount() - game.thinkStartTick);
  const auto seconds = static_cast<std::int32_t>(total / 1000);
  game.players[game.aiSide].clockSeconds = seconds;
  game.clockCarry[game.aiSide] = {seconds, static_cast<std::int32_t>(total % 1000)};
}

// The thinking is over: the title, the cursor and the window as before.
void endThinking(GameState& game) {
  host.setWindowTitle(plainTitle);
  game.thinking = 0;
  host.updateCursor();
  host.setWindowEnabled(true);
  if (!host.windowIsActive()) host.flashWindow();
}

}  // namespace

void seedComputerRandom(std::uint32_t seed) { computerRandom.seed(seed); }

void setPlainWindowTitle(const std::string& title) { plainTitle = title; }

const std::string& plainWindowTitle() { return plainTitle; }

std::string plainTitleOf(const GameState& game) {
  std::string title = "Velmora";
  if (game.officialRules) {
    title += " - ";
    title += say("Official rules");
  }
  return title;
}

bool computerShouldMove(GameState& game, const MoveListing& listing) {
  return game.gameRunning && game.players[listing.sideToMove()].type == ComputerPlayer && !game.thinking &&
         !game.showingMove && listing.atLastLine() && checkGameEnd(game, listing, false) == GameGoesOn;
}

bool beginComputerMove(GameState& game, MoveListing& listing, std::function<void()> done, bool randomOpening) {
  if (game.thinking || game.showingMove) return false;
  game.plyCount = listing.moveCount();
  game.aiSide = listing.sideToMove();
  game.aiOpponent = game.aiSide ^ 1;
  generateMoves(game.legalMoves, game, game.aiSide);

  // The first move of a game from the variant's set-up is a random one; a
  // position of its own is played as found.
  if (randomOpening && game.plyCount == 0 && !game.start.custom) {
    const int index =
        game.moveCount > 0 ? static_cast<int>(computerRandom() % static_cast<unsigned>(game.moveCount)) : -1;
    playMove(game, listing, index, std::move(done));
    return false;
  }

  game.thinking = 1;
  host.updateCursor();
  game.thinkStartTick = host.tickCount();
  const std::int32_t seconds = game.players[game.aiSide].clockSeconds;
  const auto carry = game.clockCarry[game.aiSide];
  game.clockMsAtThinkStart = seconds * std::int64_t{1000} + (carry.seconds == seconds ? carry.millis : 0);
  host.setWindowEnabled(false);
  return true;
}

void showComputerProgress(GameState& game, int percent, bool showProgress) {
  chargeClock(game);
  host.requestRepaint();
  if (showProgress) host.setWindowTitle(plainTitle + " [" + std::to_string(percent) + "%]");
}

bool askBreakComputerMove(GameState& game) {
  if (!host.messageBox(say("Break AI move. Are you sure?"), MessageIcon::Question, MessageButtons::YesNoDefaultNo))
    return false;
  game.gameRunning = 0;
  return true;
}

bool reportComputerProgress(GameState& game, int percent, bool showProgress) {
  showComputerProgress(game, percent, showProgress);
  return !(host.escapeDown() && askBreakComputerMove(game));
}

void finishComputerMove(GameState& game, MoveListing& listing, ComputerChoice choice, std::function<void()> done) {
  // The clock is charged for the thinking only, not for a game-end box.
  chargeClock(game);
  const auto conclude = [&game, &listing, played = choice.result != 0, done = std::move(done)] {
    if (played && checkGameEnd(game, listing, false) != GameGoesOn) {
      endThinking(game);
      checkGameEnd(game, listing, true);
      game.gameRunning = 0;
    } else {
      endThinking(game);
    }
    if (done) done();
  };
  if (choice.result == 0 || !game.gameRunning) {
    conclude();
    return;
  }
  generateMoves(game.legalMoves, game, game.aiSide);
  playMove(game, listing, choice.bestRootIndex, conclude);
}

EngineLimits computerLimits(const GameState& game) {
  EngineLimits limits;
  if (game.expertMoveTimeMs > 0) {
    limits.level = kExpertLevel;
    limits.moveTimeMs = game.expertMoveTimeMs;
    limits.useBook = true;
  } else {
    limits.level = game.searchDepth - 2;
  }
  return limits;
}

ComputerChoice computerChoiceOf(const EngineResult& result) {
  ComputerChoice choice;
  choice.result = result.result;
  choice.bestRootIndex = std::max(result.rootIndex, 0);
  return choice;
}

ComputerChoice searchComputerMove(Engine& engine, const GameState& game, const Engine::Progress& progress) {
  engine.setPosition(game, game);
  return computerChoiceOf(engine.think(computerLimits(game), progress));
}

void computerMove(GameState& game, MoveListing& listing, bool showProgress, Engine& engine) {
  if (!beginComputerMove(game, listing, {})) return;
  const auto progress = [&game, showProgress](const EngineProgress& p) {
    return reportComputerProgress(game, p.percent, showProgress);
  };
  const ComputerChoice choice = searchComputerMove(engine, game, progress);
  finishComputerMove(game, listing, choice, {});
}

}  // namespace velmora
