#pragma once
// Shared helpers of the core tests: positions written as text diagrams, and
// move lists compared as the lines `velmora-cli moves` prints.

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/ai/fast_search.h"
#include "core/ai/search.h"
#include "core/game/game_state.h"
#include "core/records/listing.h"

namespace velmora::test {

// A fresh, empty folder under the system's temporary folder, removed with
// everything in it at the end of the scope.
struct WorkDir {
  std::string path;
  WorkDir();
  ~WorkDir();
  WorkDir(const WorkDir&) = delete;
  WorkDir& operator=(const WorkDir&) = delete;
};

// A state set up for `type` from a position text; the test fails on a bad text.
// Under the sanitizers the watched code runs several times slower: the
// longest property tests take every `part`-th share of their cases there,
// and all of them in the release build of scripts/test.sh --long.
constexpr int sanitizedShare(int cases, int part) {
#ifdef VELMORA_SANITIZED
  return (cases + part - 1) / part;
#else
  (void)part;
  return cases;
#endif
}

std::unique_ptr<GameState> position(GameType type, const std::string& text);

// A position text with men and kings of both sides scattered over the squares
// the variant's pieces stand on, each such square taken with `percent` chance,
// and a random side to move.
std::string randomPositionText(GameType type, std::mt19937& random, unsigned percent);

// The record started afresh at the position on the board, its side to move
// kept: the moves before it are not needed.
void restartHere(GameState& state);

// A state at the variant's start position, White to move.
std::unique_ptr<GameState> startPosition(GameType type);

// The legal moves of the side to move, one "<text> <captured> <kind>" each.
std::vector<std::string> moves(GameState& state);

// Only the move texts.
std::vector<std::string> moveTexts(GameState& state);

// Plays the legal move with this text from the listing's shown position, as
// mouse entry does; the test fails when there is none.
void playListed(GameState& state, MoveListing& listing, const std::string& text);

// A level's search run straight on a test's position, so that a test sees
// the position it leaves behind; `literal` is the reference search.
struct LevelAnswer {
  int result = 0;
  int rootIndex = -1;  // -1 unless result is 1
  int rootBest = 0;
  std::uint64_t nodes = 0;
  bool operator==(const LevelAnswer&) const = default;
};

class LevelSearcher {
 public:
  LevelAnswer thinkFor(Position& position, int side, int level, bool literal);
  // The side to move of `s`, with its give-away flag set as asked.
  LevelAnswer think(GameState& s, int level, bool giveAway, bool literal);
  SearchLists& lists() { return *lists_; }

 private:
  std::unique_ptr<SearchLists> lists_ = std::make_unique<SearchLists>();
  FastSearch fast_;
};

}  // namespace velmora::test
