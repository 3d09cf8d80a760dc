#pragma once
// What each rules family is, said once: the directions men and kings move
// and capture in, flying or short kings, who captures first, the choice
// among captures, crowning during a capture, whether a king must go on and
// whether routes to one captured set are one move. Both generators, the
// Expert's evaluation, the set-up checks and the tests' oracle read it here.
// Everything is constexpr, so that a generator instantiated for a family
// reads its facts at compile time.

#include <iterator>
#include <utility>

#include "core/rules/board.h"

namespace velmora {

struct Step {
  int dx;
  int dy;
};

// Directions in the order their moves are listed; order is behaviour, as the
// move lists of the tests and the perft counts pin it.
struct Steps {
  int count;
  bool slides;   // on along the direction to the first square that is not empty
  bool forward;  // dy counts towards the mover's crowning row, else up the board
  Step step[8];
  constexpr const Step* begin() const { return step; }
  constexpr const Step* end() const { return step + count; }
};

// Calls visit.template operator()<dx, dy>() for each of `steps` in order:
// each direction a constant of its own instance, for code that shifts
// whole boards by it.
template <Steps steps, class Visit>
[[gnu::always_inline]] inline void forEachDirection(Visit&& visit) {
  [&]<int... I>(std::integer_sequence<int, I...>) __attribute__((always_inline)) {
    (visit.template operator()<steps.step[I].dx, steps.step[I].dy>(), ...);
  }
  (std::make_integer_sequence<int, steps.count>{});
}

// The lines of the flying kings, for their plain moves and captures alike.
inline constexpr Steps kDiagonalLines{4, true, false, {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}}};
inline constexpr Steps kOrthogonalLines{4, true, false, {{0, 1}, {1, 0}, {0, -1}, {-1, 0}}};
// A Frisian king moves along the diagonals but also captures along rows and
// columns, over the playable squares two apart.
inline constexpr Steps kFrisianLines{
    8, true, false, {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}, {0, 2}, {0, -2}, {2, 0}, {-2, 0}}};

// How a capture reaches its victim.
enum class Reach {
  Jump,              // over the square one step away to the one beyond it
  Line,              // along the line to the first piece, then onto any empty square behind it
  LineLandingBehind  // along the line to the first piece, then onto the square just behind it
};

// What one kind of piece does.
struct PieceRules {
  Steps moves;
  Steps captures;
  Reach reach;
  // A taken piece leaves the board at once, its square free to cross; else
  // it stays until the move ends, blocking but not to be taken again.
  bool removesTaken;
  bool takesMenOnly;
};

// When a man capturing onto its crowning row becomes a king.
enum class Crowning {
  ByLastJump,   // the last jump decides: one with a forward part onto the crowning row crowns
  AtTheEnd,     // the move ends on the crowning row; a man passing it stays a man
  GoesOnAsKing  // at once, and the capture goes on with the king's captures
};

// The choice among the captures found.
enum class Choice {
  All,
  GreatestNumber,
  GreatestNumberThenQuality,  // then the most valuable pieces taken, and kings taken early
  LongestOfCrowning,          // among the captures that crown, the longest; the others stay
  GreatestNumberThenKings,    // then the most kings taken
  // Then a king's capture before a man's, then the most kings taken, then
  // the one whose first king falls earliest.
  GreatestNumberThenKingFirst,
  // The greatest value taken, a king worth more than one man and less than
  // two; then a king's capture before a man's.
  GreatestValueThenKingFirst
};

// What taking a piece of `kind` at step `step` adds to a capture's worth,
// by which `choice` ranks captures (of one number, where it counts them
// first). It fits the 16 bits a compact move keeps it in.
constexpr int worthOf(Choice choice, int kind, int step) {
  switch (choice) {
    case Choice::GreatestNumberThenKings: return kind == King ? 1 : 0;
    case Choice::GreatestNumberThenKingFirst:
      // The number of kings above the bits of the steps they fell at, the
      // first step highest: more kings win, then the earliest first king.
      return kind == King ? (1 << 11) + (step < 11 ? 1 << (10 - step) : 0) : 0;
    case Choice::GreatestValueThenKingFirst: return kind == King ? 31 : 16;
    default: return kind == King ? 300 - step : 100;
  }
}

struct FamilyRules {
  PieceRules man;
  PieceRules king;
  Crowning crowning;
  // A man's capture is listed after each of its jumps, not only where it
  // can go no further.
  bool menStopAnywhere;
  // The kings' captures, if there are any, exclude the men's.
  bool kingsCaptureFirst;
  Choice choice;     // among all captures; with kingsCaptureFirst, among the kings'
  Choice menChoice;  // with kingsCaptureFirst, among the men's
  // A flying king that could take on from some of the squares behind its
  // victim must land on one of them. Where the greatest number is chosen
  // anyway this changes nothing, and is left off.
  bool kingsGoOn;
  // Routes that take the same pieces from the same square to the same
  // square are one move, the first found.
  bool oneMovePerCapturedSet;
};

namespace family {

inline constexpr Steps kDiagonalMan{2, false, true, {{-1, 1}, {1, 1}}};
inline constexpr Steps kShortKing{4, false, false, {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}}};
inline constexpr Steps kTurkishMan{3, false, true, {{1, 0}, {-1, 0}, {0, 1}}};
inline constexpr Steps kGothicManMoves{5, false, true, {{-1, 0}, {1, 0}, {0, 1}, {-1, 1}, {1, 1}}};
inline constexpr Steps kGothicManCaptures{5, false, true, {{1, 0}, {-1, 0}, {0, 1}, {1, 1}, {-1, 1}}};
inline constexpr Steps kGothicKingMoves{
    8, false, false, {{-1, 0}, {1, 0}, {0, 1}, {-1, 1}, {1, 1}, {0, -1}, {-1, -1}, {1, -1}}};
inline constexpr Steps kGothicKingCaptures{
    8, false, false, {{1, 0}, {-1, 0}, {0, 1}, {1, 1}, {-1, 1}, {0, -1}, {1, -1}, {-1, -1}}};
inline constexpr Steps kRussianMan{4, false, false, {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}}};
inline constexpr Steps kFrisianMan{
    8, false, false, {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}, {0, 2}, {0, -2}, {2, 0}, {-2, 0}}};

// Men that capture forward only and remove what they take; the same men
// taking men only; men that capture backwards too, marking what they take.
inline constexpr PieceRules kForwardMan{kDiagonalMan, kDiagonalMan, Reach::Jump, true, false};
inline constexpr PieceRules kMenOnlyMan{kDiagonalMan, kDiagonalMan, Reach::Jump, true, true};
inline constexpr PieceRules kFourWayMan{kDiagonalMan, kShortKing, Reach::Jump, false, false};
inline constexpr PieceRules kShortKingRules{kShortKing, kShortKing, Reach::Jump, true, false};
inline constexpr PieceRules kFlyingKing{kDiagonalLines, kDiagonalLines, Reach::Line, false, false};

inline constexpr PieceRules kTurkishManRules{kTurkishMan, kTurkishMan, Reach::Jump, false, false};
inline constexpr PieceRules kGothicManRules{kGothicManMoves, kGothicManCaptures, Reach::Jump, false, false};
inline constexpr PieceRules kRussianManRules{kDiagonalMan, kRussianMan, Reach::Jump, false, false};
inline constexpr PieceRules kFrisianManRules{kDiagonalMan, kFrisianMan, Reach::Jump, false, false};
inline constexpr PieceRules kThaiKing{kDiagonalLines, kDiagonalLines, Reach::LineLandingBehind, false, false};
inline constexpr PieceRules kTurkishKing{kOrthogonalLines, kOrthogonalLines, Reach::Line, false, false};
inline constexpr PieceRules kGothicKing{kGothicKingMoves, kGothicKingCaptures, Reach::Jump, false, false};
inline constexpr PieceRules kFrisianKing{kDiagonalLines, kFrisianLines, Reach::Line, false, false};

constexpr Choice kAll = Choice::All, kNumber = Choice::GreatestNumber, kQuality = Choice::GreatestNumberThenQuality;
constexpr Choice kKings = Choice::GreatestNumberThenKings, kKingFirst = Choice::GreatestNumberThenKingFirst,
                 kValue = Choice::GreatestValueThenKingFirst;

// clang-format off
// Indexed by RuleFamily.
inline constexpr FamilyRules kTable[] = {
  //  man                king              crowning                men stop  kings first  choice      men's choice  kings go on  one per set
    {kForwardMan,       kShortKingRules,  Crowning::ByLastJump,   false,    false,       kNumber,    kNumber,      false,       false},  // American
    {kFourWayMan,       kFlyingKing,      Crowning::AtTheEnd,     false,    false,       kNumber,    kNumber,      false,       false},  // International
    {kFourWayMan,       kFlyingKing,      Crowning::AtTheEnd,     false,    false,       kAll,       kAll,         false,       false},  // PoolCheckers
    {kRussianManRules,  kFlyingKing,      Crowning::GoesOnAsKing, true,     true,        kNumber,    Choice::LongestOfCrowning, false, false},  // Russian
    {kMenOnlyMan,       kShortKingRules,  Crowning::ByLastJump,   false,    false,       kQuality,   kQuality,     false,       false},  // Italian
    {kForwardMan,       kFlyingKing,      Crowning::ByLastJump,   false,    false,       kQuality,   kQuality,     false,       false},  // Spanish
    {kForwardMan,       kThaiKing,        Crowning::ByLastJump,   false,    false,       kAll,       kAll,         false,       false},  // Thai
    {kTurkishManRules,  kTurkishKing,     Crowning::AtTheEnd,     false,    false,       kNumber,    kNumber,      false,       false},  // Turkish
    {kGothicManRules,   kGothicKing,      Crowning::ByLastJump,   false,    false,       kNumber,    kNumber,      false,       false},  // Gothic
    {kFrisianManRules,  kFrisianKing,     Crowning::AtTheEnd,     false,    false,       kQuality,   kQuality,     false,       false},  // Frisian
    // The federations' rules.
    {kForwardMan,       kShortKingRules,  Crowning::ByLastJump,   false,    false,       kAll,       kAll,         false,       false},  // AmericanOfficial
    {kFourWayMan,       kFlyingKing,      Crowning::AtTheEnd,     false,    false,       kNumber,    kNumber,      false,       true},   // InternationalOfficial
    {kFourWayMan,       kFlyingKing,      Crowning::AtTheEnd,     false,    false,       kAll,       kAll,         true,        true},   // PoolCheckersOfficial
    {kRussianManRules,  kFlyingKing,      Crowning::GoesOnAsKing, false,    false,       kAll,       kAll,         true,        true},   // RussianOfficial
    {kMenOnlyMan,       kShortKingRules,  Crowning::ByLastJump,   false,    false,       kKingFirst, kKingFirst,   false,       false},  // ItalianOfficial
    {kForwardMan,       kFlyingKing,      Crowning::ByLastJump,   false,    false,       kKings,     kKings,       false,       true},   // SpanishOfficial
    {kFrisianManRules,  kFrisianKing,     Crowning::AtTheEnd,     false,    false,       kValue,     kValue,       false,       true},   // FrisianOfficial
};
// clang-format on

static_assert(std::size(kTable) == static_cast<int>(RuleFamily::FrisianOfficial) + 1);

// Where captures of both kinds are chosen among together, one choice serves both.
constexpr bool oneChoiceWherePooled() {
  for (const FamilyRules& rules : kTable)
    if (!rules.kingsCaptureFirst && rules.menChoice != rules.choice) return false;
  return true;
}
static_assert(oneChoiceWherePooled());

}  // namespace family

constexpr const FamilyRules& familyRules(RuleFamily f) { return family::kTable[static_cast<int>(f)]; }

// The variant's family, as the variant table gives it.
const FamilyRules& familyRulesOf(GameType type);

// Kings that move any distance along their lines.
constexpr bool kingsFly(const FamilyRules& rules) { return rules.king.moves.slides; }

// Men whose every move and capture goes forward or sideways never come back
// behind the rows they started on.
constexpr bool menNeverGoBack(const FamilyRules& rules) {
  for (const Steps* steps : {&rules.man.moves, &rules.man.captures})
    for (const Step& s : *steps)
      if (s.dy < 0 || (!steps->forward && s.dy != 0)) return false;
  return true;
}

// Every move keeps to the squares of one colour: the board's playing squares
// are the dark ones alone.
constexpr bool onDarkSquaresOnly(const FamilyRules& rules) {
  for (const Steps* steps : {&rules.man.moves, &rules.man.captures, &rules.king.moves, &rules.king.captures})
    for (const Step& s : *steps)
      if ((s.dx + s.dy) % 2 != 0) return false;
  return true;
}

}  // namespace velmora
