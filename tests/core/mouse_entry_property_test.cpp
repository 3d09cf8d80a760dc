// Every legal move can be entered with the mouse: for random positions of
// all fourteen variants and hand-made hard cases, each distinct move is
// entered as a player would (pick up, mark waypoints where paths differ,
// click the destination or the piece again) through the real mouse-entry
// code, and exactly that move is played.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "core/game/mouse_entry.h"
#include "core/records/listing.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "support/fake_host.h"
#include "support/test_support.h"

namespace velmora {
namespace {

struct Square2 {
  int x, y;
  auto operator<=>(const Square2&) const = default;
};

// Enters `move` on a copy of `base` and returns the text of what was played,
// or why nothing was.
std::string enter(const GameState& base, const MoveRecord& move) {
  test::FakeHost fake;
  auto game = std::make_unique<GameState>(base);
  MoveListing listing;
  refreshListing(listing, *game, 0);
  const int before = game->plyCount;
  const BoardView view{0, 0, 64, false, false};
  const auto click = [&](int x, int y) {
    const int px = 20 + x * 64 + 32, py = 20 + (game->boardSize - 1 - y) * 64 + 32;
    const size_t messages = fake.record().messages.size();
    mouseDown(*game, listing, view, MouseButton::Select, px, py);
    if (fake.record().messages.size() == messages) mouseUp(*game, listing, view, MouseButton::Select, px, py);
  };
  const auto played = [&] { return game->plyCount != before; };

  generateMoves(game->legalMoves, *game, game->sideToMove());
  const MoveStep& last = move.finalStep();
  // Paths of this piece to the same square.
  int paths = 0;
  for (int i = 0; i < game->moveCount; ++i) {
    const MoveRecord& m = game->legalMoves[i];
    bool repeated = false;
    for (int j = 0; j < i && !repeated; ++j) repeated = samePath(game->legalMoves[j], m);
    if (!repeated && m.fromX == move.fromX && m.fromY == move.fromY && m.finalStep().toX == last.toX &&
        m.finalStep().toY == last.toY)
      ++paths;
  }
  click(move.fromX, move.fromY);
  if (paths > 1) {
    std::set<Square2> marked;
    for (int k = 0; k + 1 < move.captureCount && !played(); ++k) {
      const Square2 s{move.steps[k].toX, move.steps[k].toY};
      if (s == Square2{last.toX, last.toY} || !marked.insert(s).second) continue;
      click(s.x, s.y);
    }
  }
  if (!played()) click(last.toX, last.toY);
  // A destination that also lies on a longer path takes a second click.
  if (!played() && game->marks[last.toY][last.toX].selected) click(last.toX, last.toY);
  if (!played()) return "nothing played" + (fake.record().messages.empty() ? "" : ": " + fake.record().messages.back());
  const MoveRecord& record = game->gameRecord[before];
  return samePath(record, move) ? "ok" : "played " + formatMove(*game, before);
}

// Every distinct move of the position, entered; the failures as text.
std::vector<std::string> failures(const GameState& state) {
  auto game = std::make_unique<GameState>(state);
  generateMoves(game->legalMoves, *game, game->sideToMove());
  std::vector<std::string> out;
  for (int i = 0; i < game->moveCount; ++i) {
    bool repeated = false;
    for (int j = 0; j < i && !repeated; ++j) repeated = samePath(game->legalMoves[j], game->legalMoves[i]);
    if (repeated) continue;
    const std::string result = enter(state, game->legalMoves[i]);
    if (result != "ok") out.push_back(moveText(game->legalMoves[i]) + " -> " + result);
  }
  return out;
}

TEST(MouseEntryProperty, HandMadeCasesCanBeEntered) {
  struct Case {
    GameType type;
    const char* position;
  };
  const Case cases[] = {
      // A Gothic king's circuit a1:c1:a3:a1.
      {Gothic, "W:......../......../......../......../......../......../bb....../Wb......"},
      // A Frisian man's and king's circuit c1:e3:g1:c1, both ways round.
      {Frisian,
       "W:........../........../........../........../........../........../........../........../...b.b..../"
       "..w.b....."},
      {Frisian,
       "W:........../........../........../........../........../........../........../........../...b.b..../"
       "..W.b....."},
      // Russian: every jump of a man ends a legal move.
      {Russian, "W:......../......../.b.b..../......../.b.b..../......../.b....../w......."},
  };
  for (const Case& c : cases) {
    auto state = test::position(c.type, c.position);
    generateMoves(state->legalMoves, *state, state->sideToMove());
    EXPECT_GT(state->moveCount, 0) << c.position;
    EXPECT_EQ(failures(*state), std::vector<std::string>{}) << gameTypeName(c.type) << " " << c.position;
  }
}

// Random games of every variant by the classic rules, or of the variants
// with a federation's rules by those.
void enterEveryMoveOfRandomGames(bool official, unsigned seed) {
  std::mt19937 random(seed);
  for (GameType type = 0; type < kVariantCount; ++type) {
    if (official && !hasOfficialRules(type)) continue;
    int checked = 0;
    for (int game = 0; game < test::sanitizedShare(12, 3); ++game) {
      auto state = test::startPosition(type);
      state->officialRules = official ? 1 : 0;
      for (int ply = 0; ply < 160; ++ply) {
        generateMoves(state->legalMoves, *state, state->sideToMove());
        if (state->moveCount == 0 || state->plyCount + 1 >= kMaxGameMoves) break;
        // Positions with a choice of captures are the interesting ones.
        if (state->legalMoves[0].captureCount > 0 || ply % 9 == 0) {
          auto copy = std::make_unique<GameState>(*state);
          test::restartHere(*copy);  // the record before it is not needed
          const auto failed = failures(*copy);
          ++checked;
          ASSERT_EQ(failed, std::vector<std::string>{}) << gameTypeName(type) << " " << writePosition(*copy);
        }
        const int index = static_cast<int>(random() % static_cast<unsigned>(state->moveCount));
        applyMove(state->legalMoves[index], state->gameRecord[state->plyCount], *state);
        ++state->plyCount;
      }
    }
    EXPECT_GT(checked, test::sanitizedShare(20, 3)) << gameTypeName(type);
  }
}

TEST(MouseEntryProperty, EveryMoveOfRandomPositionsCanBeEntered) { enterEveryMoveOfRandomGames(false, 2024); }

// Where routes to one captured set are one move, any of their waypoints
// enters it.
TEST(MouseEntryProperty, EveryMoveByTheFederationsRulesCanBeEntered) { enterEveryMoveOfRandomGames(true, 40); }

}  // namespace
}  // namespace velmora
