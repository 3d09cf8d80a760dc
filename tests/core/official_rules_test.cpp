// The federations' rules beside the classic ones: the published move-tree
// counts from the start, each rule where it parts from the classic on a
// position of a few pieces, and the classic rules left as they were.

#include <gtest/gtest.h>

#include "core/rules/perft.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;
using Counts = std::vector<std::uint64_t>;

std::unique_ptr<GameState> official(std::unique_ptr<GameState> state) {
  state->officialRules = 1;
  return state;
}

Lines classicMoves(GameType type, const std::string& diagram) { return test::moves(*test::position(type, diagram)); }
Lines officialMoves(GameType type, const std::string& diagram) {
  return test::moves(*official(test::position(type, diagram)));
}

Counts perftSeries(GameType type, bool byOfficialRules, int depth) {
  auto state = test::startPosition(type);
  state->officialRules = byOfficialRules ? 1 : 0;
  Counts counts;
  for (int d = 1; d <= depth; ++d) counts.push_back(perft(*state, White, d));
  return counts;
}

// The tables the draughts engines agree on, as far as they take well under
// a second; the deeper ones (to depth 11, International 10) were checked once
// with velmora-cli perft --rules official.
TEST(OfficialPerft, MatchesThePublishedTables) {
  const std::pair<GameType, Counts> tables[] = {
      {American, {7, 49, 302, 1469, 7361, 36768, 179740, 845931}},
      {Russian, {7, 49, 302, 1469, 7482, 37986, 190146, 929899}},
      {PoolCheckers, {7, 49, 302, 1469, 7482, 37986, 190146, 929896}},
      {Brazilian, {7, 49, 302, 1469, 7473, 37628, 187302, 907830}},
      {Italian, {7, 49, 302, 1469, 7361, 36473, 177532, 828783, 3860875}},
      {Spanish, {7, 49, 302, 1469, 7361, 36473, 177532, 828783, 3860866}},
      {International, {9, 81, 658, 4265, 27117, 167140, 1049442, 6483961}},
  };
  for (const auto& [type, counts] : tables)
    EXPECT_EQ(perftSeries(type, true, static_cast<int>(counts.size())), counts) << gameTypeName(type);
}

// Only the depth 11 count, 491,186,430, is published for Frisian; these
// are the same walk's shallow counts, which lead to it.
TEST(OfficialPerft, FrisianLeadsToThePublishedDepthEleven) {
  EXPECT_EQ(perftSeries(Frisian, true, 7), (Counts{9, 81, 658, 3874, 21265, 102431, 540126}));
}

// The classic counts where the federations' first differ: the classic
// rules are the default and stay as they were.
TEST(OfficialPerft, ClassicCountsStayWhereTheRulesDiffer) {
  EXPECT_EQ(perftSeries(American, false, 6).back(), 36473u);
  EXPECT_EQ(perftSeries(Russian, false, 4).back(), 1491u);
  EXPECT_EQ(perftSeries(PoolCheckers, false, 8).back(), 929902u);
  EXPECT_EQ(perftSeries(Brazilian, false, 8).back(), 907836u);
  EXPECT_EQ(perftSeries(Frisian, false, 4).back(), 3880u);
}

TEST(OfficialRules, OnlyTheVariantsWithAFederationHaveThem) {
  for (GameType type : {American, Brazilian, Canadian, Frisian, International, Italian, PoolCheckers, Russian, Spanish})
    EXPECT_TRUE(hasOfficialRules(type)) << gameTypeName(type);
  for (GameType type : {Crowded, Gothic, SparseCheckers, Thai, Turkish})
    EXPECT_FALSE(hasOfficialRules(type)) << gameTypeName(type);
  EXPECT_EQ(rulesOf(Turkish, true), RuleFamily::Turkish);
  EXPECT_EQ(rulesOf(Brazilian, false), RuleFamily::International);
  EXPECT_EQ(rulesOf(Brazilian, true), RuleFamily::InternationalOfficial);
}

TEST(OfficialAmerican, AnyCaptureMayBeChosen) {
  const char* diagram = "W:......../......../.....b../......../.b.b..../..w...../......../........";
  EXPECT_EQ(classicMoves(American, diagram), (Lines{"c3:e5:g7 d4,f6 man"}));
  EXPECT_EQ(officialMoves(American, diagram), (Lines{"c3:a5 b4 man", "c3:e5:g7 d4,f6 man"}));
}

TEST(OfficialRussian, ACaptureIsTakenToTheEnd) {
  EXPECT_EQ(officialMoves(Russian, "W:......../......../.....b../......../...b..../..w...../......../........"),
            (Lines{"c3:e5:g7 d4,f6 man"}));
}

TEST(OfficialRussian, AManCrownedOnTheWayGoesOnAsAKing) {
  // Crowned on d8, the king takes e7 and lands anywhere behind it.
  EXPECT_EQ(officialMoves(Russian, "W:......../..b.b.../.w....../......../......../......../......../........"),
            (Lines{"b6:d8:f6 c7,e7 king", "b6:d8:g5 c7,e7 king", "b6:d8:h4 c7,e7 king"}));
  // With nothing more to take it is one move, not two.
  EXPECT_EQ(officialMoves(Russian, "W:......../...b..../..w...../......../......../......../......../........"),
            (Lines{"c6:e8 d7 king"}));
}

TEST(OfficialRussian, MenCaptureBesideKings) {
  const char* diagram = "W:......../....b.../......../..b...../.w....../..b...../......../W.......";
  EXPECT_EQ(classicMoves(Russian, diagram),
            (Lines{"a1:d4:b6 c3,c5 king", "a1:d4:a7 c3,c5 king", "a1:f6:d8 c3,e7 king"}));
  EXPECT_EQ(officialMoves(Russian, diagram), (Lines{"a1:d4:b6 c3,c5 king", "a1:d4:a7 c3,c5 king", "a1:f6:d8 c3,e7 king",
                                                    "b4:d6:f8 c5,e7 king", "b4:d2 c3 man"}));
}

// Behind c3 the king may land on d4 to h8, but only from e5 does the
// capture go on.
TEST(OfficialPoolCheckers, AKingMustLandWhereItsCaptureGoesOn) {
  const char* diagram = "W:......../......../......../......../.....b../..b...../......../W.......";
  EXPECT_EQ(classicMoves(PoolCheckers, diagram), (Lines{"a1:d4 c3 king", "a1:e5:g3 c3,f4 king", "a1:e5:h2 c3,f4 king",
                                                        "a1:f6 c3 king", "a1:g7 c3 king", "a1:h8 c3 king"}));
  EXPECT_EQ(officialMoves(PoolCheckers, diagram), (Lines{"a1:e5:g3 c3,f4 king", "a1:e5:h2 c3,f4 king"}));
  EXPECT_EQ(officialMoves(Russian, diagram), (Lines{"a1:e5:g3 c3,f4 king", "a1:e5:h2 c3,f4 king"}));
}

TEST(OfficialPoolCheckers, AKingWithNowhereToGoOnLandsAnywhere) {
  EXPECT_EQ(officialMoves(PoolCheckers, "W:......../......../......../......../......../..b...../......../W......."),
            (Lines{"a1:d4 c3 king", "a1:e5 c3 king", "a1:f6 c3 king", "a1:g7 c3 king", "a1:h8 c3 king"}));
}

TEST(OfficialItalian, AKingCapturesBeforeAManOfEqualCapture) {
  const char* diagram = "W:......../......../......../......../...b..../..w...b./.....W../........";
  EXPECT_EQ(classicMoves(Italian, diagram), (Lines{"f2:h4 g3 king", "c3:e5 d4 man"}));
  EXPECT_EQ(officialMoves(Italian, diagram), (Lines{"f2:h4 g3 king"}));
}

TEST(OfficialItalian, MorePiecesThenMoreKingsThenTheEarlierKing) {
  // Two men against a man then a king: the king.
  EXPECT_EQ(officialMoves(Italian, "W:......../..b...B./......../..b.b.../...W..../......../......../........"),
            (Lines{"d4:f6:h8 e5,g7 king"}));
  // A king then a man against a man then a king: the earlier king.
  EXPECT_EQ(officialMoves(Italian, "W:......../..B...b./......../..b.B.../...W..../......../......../........"),
            (Lines{"d4:f6:h8 e5,g7 king"}));
}

TEST(OfficialSpanish, MoreKingsWinAmongEqualNumbersWhenEverTheyFall) {
  EXPECT_EQ(officialMoves(Spanish, "W:......../......../......../..B.b.../...W..../......../......../........"),
            (Lines{"d4:b6 c5 king", "d4:a7 c5 king"}));
  // A king then a man, a man then a king: one king each.
  const char* diagram = "W:......../..B...b./......../..b.B.../...W..../......../......../........";
  EXPECT_EQ(classicMoves(Spanish, diagram), (Lines{"d4:f6:h8 e5,g7 king"}));
  EXPECT_EQ(officialMoves(Spanish, diagram), (Lines{"d4:f6:h8 e5,g7 king", "d4:b6:d8 c5,c7 king"}));
}

// A man takes three men, a king two kings: two kings are worth more.
TEST(OfficialFrisian, TheGreaterValueWinsOverTheGreaterNumber) {
  const char* diagram =
      "W:........../........../.....B..../........B./........../"
      "........../.W......../....b.w.../.......b../......b...";
  EXPECT_EQ(classicMoves(Frisian, diagram), (Lines{"g3:i1:e1:e5 h2,g1,e3 man"}));
  EXPECT_EQ(officialMoves(Frisian, diagram), (Lines{"b4:g9:j6 f8,i7 king"}));
}

TEST(OfficialFrisian, AKingCapturesBeforeAManOfEqualValue) {
  const char* diagram =
      "W:........../........../........../........b./.........W/"
      "........../........../........../.b......../w.........";
  EXPECT_EQ(classicMoves(Frisian, diagram),
            (Lines{"a1:c3 b2 man", "j6:h8 i7 king", "j6:g9 i7 king", "j6:f10 i7 king"}));
  EXPECT_EQ(officialMoves(Frisian, diagram), (Lines{"j6:h8 i7 king", "j6:g9 i7 king", "j6:f10 i7 king"}));
}

// The king may land on e7, d6 or c5 behind f8 and take b4 from each: the
// same pieces from d2 to a3, one move.
TEST(OfficialInternational, RoutesToOneCapturedSetAreOneMove) {
  const char* diagram =
      "W:........../........../.....b.b../........../.......b../"
      "........b./.b......../........../...W....../..........";
  EXPECT_EQ(
      classicMoves(International, diagram),
      (Lines{"d2:i7:g9:e7:a3 h6,h8,f8,b4 king", "d2:i7:g9:d6:a3 h6,h8,f8,b4 king", "d2:i7:g9:c5:a3 h6,h8,f8,b4 king"}));
  EXPECT_EQ(officialMoves(International, diagram), (Lines{"d2:i7:g9:e7:a3 h6,h8,f8,b4 king"}));
}

}  // namespace
}  // namespace velmora
