#include "support/test_support.h"

#include <gtest/gtest.h>

#include "core/game/play.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"

namespace velmora::test {

std::unique_ptr<GameState> position(GameType type, const std::string& text) {
  auto state = std::make_unique<GameState>();
  const auto error = readPosition(text, type, *state);
  EXPECT_FALSE(error.has_value()) << *error;
  return state;
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

}  // namespace velmora::test
