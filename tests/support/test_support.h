#pragma once
// Shared helpers of the core tests: positions written as text diagrams, and
// move lists compared as the lines `velmora-cli moves` prints.

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/records/listing.h"
#include "core/rules/game_state.h"

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
std::unique_ptr<GameState> position(GameType type, const std::string& text);

// A position text with men and kings of both sides scattered over the squares
// the variant's pieces stand on, each such square taken with `percent` chance,
// and a random side to move.
std::string randomPositionText(GameType type, std::mt19937& random, unsigned percent);

// A state at the variant's start position, White to move.
std::unique_ptr<GameState> startPosition(GameType type);

// The legal moves of the side to move, one "<text> <captured> <kind>" each.
std::vector<std::string> moves(GameState& state);

// Only the move texts.
std::vector<std::string> moveTexts(GameState& state);

// Plays the legal move with this text from the listing's shown position, as
// mouse entry does; the test fails when there is none.
void playListed(GameState& state, MoveListing& listing, const std::string& text);

}  // namespace velmora::test
