#pragma once
// The endgame databases the window's Expert plays and judges by, one set for
// each rules family and board a game asked for. The first game of a family
// reads them from the player's data folder, or makes them there, on a
// thread of its own while the window goes on; each set, once whole, stays
// unchanged until the window closes, so a search may read it while others
// begin.

#include <QObject>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/ai/endgame_set.h"

namespace velmora {

// Four pieces a set: American's take about 3 s and 14 MB to make and
// International's about 30 s and 86 MB, a wait a player sits through once
// while playing on. Five would cost American alone a minute and a half and a
// third of a gigabyte, and International far more.
constexpr int kWindowEndgamePieces = 4;

class EndgameLibrary : public QObject {
  Q_OBJECT
 public:
  // Sets of `pieces` pieces in `folder`; with an empty folder none are
  // read or made.
  EndgameLibrary(std::string folder, int pieces, QObject* parent = nullptr);
  ~EndgameLibrary() override;

  // Reads or makes the set for games like `position` unless it is held,
  // under way, waiting, or failed before; `name` names it to the player.
  void want(const Position& position, const std::string& name);
  // The set for games like `position` once it is whole; null before.
  const EndgameSet* setFor(const Position& position) const;
  // Breaks off what is under way and drops what waits.
  void stop();

  struct Progress {
    bool active = false;  // a set is being read or made
    bool making = false;  // made, not only read
    std::string name;
    int percent = 0;
  };
  const Progress& progress() const { return progress_; }

 signals:
  // The progress moved on, or ended.
  void progressChanged();
  // A set is whole: what was judged without it may be judged again.
  void setReady();

 private:
  using Key = std::pair<RuleFamily, int>;
  struct Wanted {
    Key key;
    std::string name;
  };
  void startNext();
  void finished(std::shared_ptr<const EndgameSet> set, const std::string& problem);

  std::vector<std::shared_ptr<const EndgameSet>> sets_;
  std::vector<Key> failed_;    // not tried again until the window is opened anew
  std::vector<Wanted> queue_;  // the first is under way
  Progress progress_;
  std::uint64_t generation_ = 0;  // calls from a stopped making are dropped
  EndgameMaker maker_;            // last: stopped before what its calls reach
};

}  // namespace velmora
