#include "core/game/computer_move.h"

#include <algorithm>
#include <chrono>
#include <random>

#include "core/ai/expert_search.h"
#include "core/ai/fast_search.h"
#include "core/game/play.h"
#include "core/platform/host.h"
#include "core/platform/translation.h"
#include "core/records/listing.h"
#include "core/rules/game_state.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

std::mt19937 computerRandom;
std::string plainTitle = "Velmora";

// The thinking time so far, charged to the computer's clock.
void chargeClock(GameState& game) {
  const std::uint32_t elapsed = host.tickCount() - game.thinkStartTick;
  game.players[game.aiSide].clockSeconds = static_cast<std::int32_t>(elapsed / 1000) + game.clockAtThinkStart;
}

struct SameThreadSearch {
  GameState& game;
  bool showProgress;
};

void sameThreadProgress(void* context, int percent) {
  auto& s = *static_cast<SameThreadSearch*>(context);
  if (!reportComputerProgress(s.game, percent, s.showProgress)) s.game.thinking = 0;
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

bool computerShouldMove(GameState& game, const MoveListing& listing) {
  return game.gameRunning && game.players[listing.sideToMove()].type == ComputerPlayer && !game.thinking &&
         !game.showingMove && listing.atLastLine() && checkGameEnd(game, listing, false) == GameGoesOn;
}

bool beginComputerMove(GameState& game, MoveListing& listing, std::function<void()> done) {
  if (game.thinking || game.showingMove) return false;
  game.plyCount = listing.moveCount();
  game.aiSide = listing.sideToMove();
  game.aiOpponent = game.aiSide ^ 1;
  generateMoves(game.legalMoves, game, game.aiSide);

  // The first move of a game from the variant's set-up is a random one; a
  // position of its own is played as found.
  if (game.plyCount == 0 && !game.start.custom) {
    const int index =
        game.moveCount > 0 ? static_cast<int>(computerRandom() % static_cast<unsigned>(game.moveCount)) : -1;
    playMove(game, listing, index, std::move(done));
    return false;
  }

  game.thinking = 1;
  host.updateCursor();
  game.thinkStartTick = host.tickCount();
  game.clockAtThinkStart = game.players[game.aiSide].clockSeconds;
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
  game.bestRootIndex = choice.bestRootIndex;
  playMove(game, listing, choice.bestRootIndex, conclude);
}

namespace {

// The Expert's report after each iteration, passed on as the share of its
// time used; a player who broke off (game.thinking cleared) stops it.
struct ExpertReport {
  GameState& game;
  ProgressCallback progress;
  void* context;
  std::chrono::steady_clock::time_point start;
  std::atomic<bool> brokenOff{false};

  static void report(void* self, int, int) {
    auto& r = *static_cast<ExpertReport*>(self);
    if (!r.progress) return;
    const auto used = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - r.start);
    const auto percent = std::min<std::int64_t>(99, used.count() * 100 / std::max(1, r.game.expertMoveTimeMs));
    r.progress(r.context, static_cast<int>(percent));
    if (r.game.thinking == 0) r.brokenOff = true;
  }
};

}  // namespace

ComputerChoice searchComputerMove(GameState& game, ProgressCallback progress, void* context,
                                  const std::atomic<bool>* stop, const std::atomic<bool>* breakOff) {
  ComputerChoice choice;
  if (game.expertMoveTimeMs <= 0) {
    Search search{game, progress, context};
    search.stop = stop;
    choice.result = chooseComputerMoveFast(search);
    choice.bestRootIndex = game.bestRootIndex;
    return choice;
  }
  // Allocated at the first Expert move: its table is large, and most games
  // never need it. One search runs at a time.
  static ExpertSearch expert;
  ExpertReport report{game, progress, context, std::chrono::steady_clock::now()};
  ExpertLimits limits;
  limits.moveTimeMs = game.expertMoveTimeMs;
  limits.stop = stop;
  limits.breakOff = breakOff ? breakOff : &report.brokenOff;
  limits.progress = ExpertReport::report;
  limits.progressContext = &report;
  const ExpertResult found = expert.choose(game, limits);
  const bool broken = (stop && stop->load()) || (breakOff && breakOff->load()) || report.brokenOff;
  if (broken || game.thinking == 0) return choice;  // result 0: abandoned
  choice.result = found.rootIndex >= 0 ? 1 : kComputerStuck - game.searchDepth;
  choice.bestRootIndex = std::max(found.rootIndex, 0);
  return choice;
}

void computerMove(GameState& game, MoveListing& listing, bool showProgress) {
  if (!beginComputerMove(game, listing, {})) return;
  SameThreadSearch context{game, showProgress};
  const ComputerChoice choice = searchComputerMove(game, sameThreadProgress, &context, nullptr);
  game.thinking = 1;  // the search clears it when broken off; finishing needs the state as it was
  finishComputerMove(game, listing, choice, {});
}

}  // namespace velmora
