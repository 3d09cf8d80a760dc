#pragma once
// Game > Analyse game: the Expert goes over every move of the game on a
// worker of its own, the progress in the window's title; the moves that
// gave something away are marked in the listing box, never in the game.

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/expert_worker.h"

class QWidget;

namespace velmora {

class EndgameLibrary;
struct GameState;
struct MoveListing;

class AnalysisRunner {
 public:
  // `analysing` is told when an analysis begins and when it is over;
  // `refresh` when its marks arrive. The Expert judges by the endgame
  // databases `endgames` holds when the analysis begins.
  AnalysisRunner(const GameState& game, const MoveListing& listing, QWidget* window, const EndgameLibrary& endgames,
                 ExpertWorker::Deliver deliver, std::function<void(bool)> analysing, std::function<void()> refresh);

  // Analyses the game up to its last move; nothing without a move.
  void start();
  // Escape: the analysis ends at its next step and keeps what it did.
  void cancel();
  // Stops an analysis under way at once; nothing of it is kept.
  void abandon();
  // The game was replaced: its marks go.
  void forget();
  bool running() const { return worker_.running(); }

  // The listing's lines as the box shows them: a line of the game analysed
  // carries its move's mark, as long as the game up to it is the same.
  std::vector<std::string> shownLines() const;

 private:
  // `known`: from where the databases knew the game, in words, or empty.
  void arrived(const std::vector<std::string>& marks, const std::string& known, bool cancelled);
  void showProgress(int done, int total);

  const GameState& game_;
  const MoveListing& listing_;
  QWidget* window_;
  const EndgameLibrary& endgames_;
  std::function<void(bool)> analysing_;
  std::function<void()> refresh_;
  std::vector<std::string> lines_;  // the listing as it was analysed
  std::vector<std::string> marks_;  // "", "?" or "??" for each move analysed
  std::shared_ptr<std::atomic<bool>> cancel_;
  ExpertWorker worker_;  // last: stopped before what its job's calls reach
};

}  // namespace velmora
