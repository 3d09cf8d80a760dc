#include "support/test_support.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>

#include "core/game/play.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"

namespace velmora::test {

WorkDir::WorkDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
  path = mkdtemp(pattern.data());
}

WorkDir::~WorkDir() {
  std::error_code ec;
  std::filesystem::remove_all(path, ec);
}

std::unique_ptr<GameState> position(GameType type, const std::string& text) {
  auto state = std::make_unique<GameState>();
  const auto error = readPosition(text, type, *state);
  EXPECT_FALSE(error.has_value()) << *error;
  return state;
}

std::string randomPositionText(GameType type, std::mt19937& random, unsigned percent) {
  const int n = boardSizeOf(type);
  const bool everySquare = variantInfo(type).setUp != SetUp::Diagonal;
  const char pieces[] = "wbWB";
  std::string text = random() % 2 ? "W:" : "B:";
  for (int y = n - 1; y >= 0; --y) {
    for (int x = 0; x < n; ++x) {
      const bool used = everySquare || (x + y) % 2 == 0;
      text += used && random() % 100 < percent ? pieces[random() % 4] : '.';
    }
    if (y > 0) text += '/';
  }
  return text;
}

std::unique_ptr<GameState> startPosition(GameType type) {
  auto state = std::make_unique<GameState>();
  setUpBoard(*state, type);
  state->plyCount = 0;
  return state;
}

std::vector<std::string> moves(GameState& state) {
  generateMoves(state.legalMoves, state, state.sideToMove());
  std::vector<std::string> lines;
  for (int i = 0; i < state.moveCount; ++i) {
    const MoveRecord& m = state.legalMoves[i];
    std::string captured = m.captureCount == 0 ? "-" : "";
    for (int k = 0; k < m.captureCount; ++k) {
      if (k) captured += ',';
      captured += squareName(m.steps[k].capturedX, m.steps[k].capturedY);
    }
    lines.push_back(moveText(m) + " " + captured + " " + (m.finalStep().kindAfter == King ? "king" : "man"));
  }
  return lines;
}

std::vector<std::string> moveTexts(GameState& state) {
  generateMoves(state.legalMoves, state, state.sideToMove());
  std::vector<std::string> texts;
  for (int i = 0; i < state.moveCount; ++i) texts.push_back(moveText(state.legalMoves[i]));
  return texts;
}

void playListed(GameState& state, MoveListing& listing, const std::string& text) {
  generateMoves(state.legalMoves, state, listing.sideToMove());
  for (int i = 0; i < state.moveCount; ++i)
    if (moveText(state.legalMoves[i]) == text) return playMove(state, listing, i);
  FAIL() << text << " is not legal";
}

void restartHere(GameState& state) {
  state.start.side = state.sideToMove();
  state.start.custom = 1;
  std::memcpy(state.start.board, state.board, sizeof state.board);
  state.plyCount = 0;
}

LevelAnswer LevelSearcher::thinkFor(Position& position, int side, int level, bool literal) {
  LevelTask task;
  task.side = side;
  task.depth = level + 2;
  Search search{position, *lists_, task};
  LevelAnswer a;
  a.result = literal ? chooseComputerMove(search) : fast_.choose(search);
  a.rootIndex = a.result == 1 ? search.rootIndex : -1;
  a.rootBest = search.rootBest;
  a.nodes = search.nodes;
  return a;
}

LevelAnswer LevelSearcher::think(GameState& s, int level, bool giveAway, bool literal) {
  s.giveAway = giveAway ? 1 : 0;
  return thinkFor(s, s.sideToMove(), level, literal);
}

}  // namespace velmora::test
