#pragma once
// The endgame databases of one rules family and board as a player's copy
// keeps them: read from a folder, or made there table by table where a file
// is missing or refused. Each table is written as soon as it is made, so a
// making that was broken off goes on where it stopped.

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "core/ai/endgame_db.h"
#include "core/rules/position.h"

namespace velmora {

// Whether databases are made for games of these rules on this board.
bool endgamesServe(RuleFamily family, int boardSize);

struct EndgameSet {
  RuleFamily family = RuleFamily::American;
  int boardSize = 8;
  std::unique_ptr<EndgameDb<8>> board8;  // the one of the board's size is set
  std::unique_ptr<EndgameDb<10>> board10;

  // Whether the set is for games of the position's rules and board.
  bool serves(const Position& position) const;
  // What the databases know of the position with `side` to move: nothing
  // where they do not hold it (other rules, more pieces, a give-away game).
  std::optional<EndgameResult> probe(const Position& position, int side) const;
};

// How far the reading or making of a set has come.
struct EndgameStep {
  std::uint64_t done = 0;   // positions of the tables finished
  std::uint64_t total = 0;  // positions of every table of the set
  int tables = 0;           // tables finished, of
  int allTables = 0;
  bool making = false;  // some table had to be made rather than read
  int percent() const { return total == 0 ? 100 : static_cast<int>(done * 100 / total); }
};

// Fills `set` (its family and board already given) with every table of
// `pieces` pieces or fewer: read from `folder`, or made and written there
// where a file is missing or refused. `report` runs after each table, and
// before the first table that has to be made. The
// reason when a table can be neither made nor written, or when `stop` was
// set; `set` then holds what was finished.
std::optional<std::string> fillEndgameSet(EndgameSet& set, const std::string& folder, int pieces,
                                          const std::atomic<bool>& stop,
                                          const std::function<void(const EndgameStep&)>& report = {});

// Whether `folder` holds a file for every table of the set, sound or not:
// what the wait will mostly be, a reading or a making.
bool endgameFilesPresent(RuleFamily family, int boardSize, const std::string& folder, int pieces);

// Fills one set at a time on a thread of its own, so that whoever waits for
// the databases goes on meanwhile.
class EndgameMaker {
 public:
  // Both run on the maker's thread. `done` gets the filled set, or null with
  // the reason (also when stopped).
  using Report = std::function<void(const EndgameStep&)>;
  using Done = std::function<void(std::shared_ptr<const EndgameSet> set, const std::string& problem)>;

  EndgameMaker(std::string folder, int pieces) : folder_(std::move(folder)), pieces_(pieces) {}
  ~EndgameMaker() { stop(); }
  EndgameMaker(const EndgameMaker&) = delete;
  EndgameMaker& operator=(const EndgameMaker&) = delete;

  const std::string& folder() const { return folder_; }
  int pieces() const { return pieces_; }

  // Begins filling the set of the family and board; not while busy.
  void start(RuleFamily family, int boardSize, Report report, Done done);
  // Breaks the filling off within a moment and waits for the thread: no
  // call comes afterwards.
  void stop();
  // From start until `done` has returned.
  bool busy() const { return busy_; }

 private:
  std::string folder_;
  int pieces_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> busy_{false};
  std::thread thread_;
};

}  // namespace velmora
