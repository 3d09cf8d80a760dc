// What the evaluation and the set-up checks work out from the rules
// families' description, and what the set-up check says with it.

#include "core/rules/rule_family.h"

#include <gtest/gtest.h>

#include "core/game/game_state.h"
#include "core/game/position_setup.h"
#include "support/test_support.h"

namespace velmora {
namespace {

TEST(RuleFamily, FactsWorkedOutFromTheDescription) {
  struct Expected {
    RuleFamily family;
    bool kingsFly, menNeverGoBack, darkSquaresOnly;
  };
  const Expected expected[] = {
      {RuleFamily::American, false, true, true},     {RuleFamily::International, true, false, true},
      {RuleFamily::PoolCheckers, true, false, true}, {RuleFamily::Russian, true, false, true},
      {RuleFamily::Italian, false, true, true},      {RuleFamily::Spanish, true, true, true},
      {RuleFamily::Thai, true, true, true},          {RuleFamily::Turkish, true, true, false},
      {RuleFamily::Gothic, false, true, false},      {RuleFamily::Frisian, true, false, true},
  };
  for (const Expected& e : expected) {
    const FamilyRules& rules = familyRules(e.family);
    const int index = static_cast<int>(e.family);
    EXPECT_EQ(kingsFly(rules), e.kingsFly) << index;
    EXPECT_EQ(menNeverGoBack(rules), e.menNeverGoBack) << index;
    EXPECT_EQ(onDarkSquaresOnly(rules), e.darkSquaresOnly) << index;
  }
}

bool sameSteps(const Steps& a, const Steps& b) {
  if (a.count != b.count || a.slides != b.slides || a.forward != b.forward) return false;
  for (int k = 0; k < a.count; ++k)
    if (a.step[k].dx != b.step[k].dx || a.step[k].dy != b.step[k].dy) return false;
  return true;
}

bool samePiece(const PieceRules& a, const PieceRules& b) {
  return sameSteps(a.moves, b.moves) && sameSteps(a.captures, b.captures) && a.reach == b.reach &&
         a.removesTaken == b.removesTaken && a.takesMenOnly == b.takesMenOnly;
}

// The evaluation and the set-up checks read a variant's classic family for
// either rules: the federations' rules choose among captures otherwise, but
// move and take with the same pieces.
TEST(RuleFamily, TheFederationsRulesMoveAndTakeAsTheClassicOnes) {
  for (GameType type = 0; type < kVariantCount; ++type) {
    if (!hasOfficialRules(type)) continue;
    const FamilyRules &classic = familyRules(rulesOf(type, false)), &official = familyRules(rulesOf(type, true));
    EXPECT_TRUE(samePiece(classic.man, official.man)) << gameTypeName(type);
    EXPECT_TRUE(samePiece(classic.king, official.king)) << gameTypeName(type);
  }
}

// Turkish men start on the second row and never go back; International men
// capture backwards, so one on the home row may have come there.
TEST(RuleFamily, SetUpRefusesAManBehindTheRowsItNeverLeaves) {
  auto turkish = test::position(Turkish, "W:......../......../......../......../......../......../b......./w.......");
  ASSERT_TRUE(setupProblem(*turkish).has_value());
  EXPECT_NE(setupProblem(*turkish)->find("never come"), std::string::npos);

  auto international = test::position(International,
                                      "W:........../........../........../........../........../........../"
                                      "........../........../.b......../w.........");
  EXPECT_FALSE(setupProblem(*international).has_value());
}

// Every problem at once, a line each, so that one look mends them all.
TEST(RuleFamily, SetUpNamesEveryProblemOfAPosition) {
  // A white man on its crowning row (b8), and Black without a piece.
  auto american = test::position(American, "W:.w....../......../......../......../......../......../......../w.......");
  ASSERT_TRUE(setupProblem(*american).has_value());
  EXPECT_EQ(*setupProblem(*american), "A white man stands on its crowning row, on b8.\nBlack has no piece.");
}

}  // namespace
}  // namespace velmora
