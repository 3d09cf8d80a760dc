#pragma once
// The program's end of the Hub protocol: an outside engine the window hosts
// as its opponent or as the source of hints and scores. Only the words: the
// lines go out through `send` and come in through line(); the caller runs
// the engine's program and watches its time. Every move the engine names is
// checked by the rules before it counts.

#include <functional>
#include <memory>
#include <string>

#include "core/ai/engine.h"
#include "core/rules/board.h"

namespace velmora {

struct RecordedPosition;

class HubClient {
 public:
  enum class Stage { Starting, Initialising, Ready, Thinking, Stopping, Failed };
  // What a line from the engine amounted to.
  enum class Heard { Nothing, Ready, Progress, Done, Failed };

  explicit HubClient(std::function<void(const std::string&)> send);
  ~HubClient();
  HubClient(const HubClient&) = delete;
  HubClient& operator=(const HubClient&) = delete;

  // Greets the engine for games of `type`: it answers with its name and
  // parameters, is told the variant and readies itself.
  void begin(GameType type);
  Heard line(const std::string& text);

  // A search for the side to move of `state`, whose record leads from its
  // start to its board; at most `moveTimeMs`. Asked while another search
  // runs, that one is stopped and its answer dropped; asked before the
  // engine is ready, it waits for it.
  void think(const RecordedPosition& state, int moveTimeMs);
  // The search ends early; its answer still arrives as Done. A search
  // waiting for the engine to be ready is dropped.
  void stop();
  void quit();

  Stage stage() const { return stage_; }
  const std::string& engineName() const { return name_; }
  const std::string& failure() const { return failure_; }
  // After Done: the move chosen, an index into the legal moves of the
  // position searched, in generateMoves order.
  int chosenIndex() const { return chosen_; }
  // The last info: its depth and its score for the side to move, in
  // hundredths of a man.
  const EngineProgress& progress() const { return progress_; }
  // The last info's line, as the listing writes moves, as far as it is legal.
  const std::string& lineText() const { return line_; }

 private:
  Heard fail(const std::string& why);
  Heard wait();
  void sendSearch();
  Heard info(const std::string& args);
  Heard done(const std::string& args);

  std::function<void(const std::string&)> send_;
  GameType type_ = International;
  Stage stage_ = Stage::Starting;
  std::string name_;
  std::string variantValues_;  // the engine's "variant" parameter's values
  bool hasVariantParameter_ = false;
  std::string failure_;
  std::unique_ptr<RecordedPosition> searched_;  // the position of the running search
  std::unique_ptr<RecordedPosition> pending_;   // the next one to search
  int pendingTimeMs_ = 0;
  int chosen_ = -1;
  EngineProgress progress_;
  std::string line_;
};

}  // namespace velmora
