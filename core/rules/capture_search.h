#pragma once
// The capture searches of the record generator, one instance per rules
// family and kind of piece, each reading its directions and its rules from
// the family's description at compile time. Internal to the rules engine.

#include "core/rules/generator_parts.h"
#include "core/rules/rule_family.h"

namespace velmora::gen {

template <RuleFamily F, int Kind>
inline constexpr const PieceRules& kPiece = Kind == King ? familyRules(F).king : familyRules(F).man;
template <RuleFamily F, int Kind>
inline constexpr const Steps& kCaptureSteps = kPiece<F, Kind>.captures;

template <RuleFamily F>
constexpr CaptureSearch kingSearch();

// Jumps over a neighbour, the piece's directions in order. A man that
// crowns only at the end of its move carries no crown on its steps; else a
// jump with a forward part onto the crowning row crowns, and the last jump
// says what the piece ends as, or the crowned man goes on as a king.
template <RuleFamily F, int Kind>
void jumpSearch(Context& g, int x, int y, int depth, const Start& start) {
  constexpr const PieceRules& piece = kPiece<F, Kind>;
  static_assert(piece.reach == Reach::Jump);
  constexpr bool crownAtTheEnd = Kind == Man && familyRules(F).crowning == Crowning::AtTheEnd;
  constexpr bool goesOnAsKing = Kind == Man && familyRules(F).crowning == Crowning::GoesOnAsKing;
  constexpr TakeOut how = piece.removesTaken ? TakeOut::Remove : TakeOut::Mark;
  if (atLimit(g, depth, start, crownAtTheEnd)) return;
  const int f = piece.captures.forward ? g.forward() : 1;
  bool found = false;
  forEachDirection<kCaptureSteps<F, Kind>>([&]<int stepX, int stepY>() __attribute__((always_inline)) {
    const int dx = stepX, dy = stepY * f;
    if (!g.inside(x + 2 * dx, y + 2 * dy)) return;
    const bool crowns = Kind == King || (!crownAtTheEnd && dy != 0 && y + 2 * dy == g.promotionRow());
    CaptureSearch next = jumpSearch<F, Kind>;
    if constexpr (goesOnAsKing)
      if (crowns) next = kingSearch<F>();
    found |= shortJump(g, x, y, dx, dy, depth, start, how, crowns ? King : Man, piece.takesMenOnly, next);
  });
  if (!found && depth >= 1) recordSequence(g, depth, start, crownAtTheEnd);
}

// A king along its lines, to the first piece and beyond it.
template <RuleFamily F>
void lineSearch(Context& g, int x, int y, int depth, const Start& start) {
  constexpr const PieceRules& king = familyRules(F).king;
  static_assert(king.reach != Reach::Jump && !king.removesTaken);
  if (atLimit(g, depth, start, false)) return;
  bool found = false;
  for (const Step& d : king.captures) {
    if constexpr (familyRules(F).kingsGoOn) {
      static_assert(king.reach == Reach::Line);
      found |= lineCaptureGoingOn(g, x, y, d.dx, d.dy, depth, start, king.captures, lineSearch<F>);
    } else {
      found |= lineCapture(g, x, y, d.dx, d.dy, depth, start, king.reach == Reach::LineLandingBehind, lineSearch<F>);
    }
  }
  if (!found && depth >= 1) recordSequence(g, depth, start, false);
}

template <RuleFamily F>
constexpr CaptureSearch kingSearch() {
  if constexpr (familyRules(F).king.reach == Reach::Jump)
    return jumpSearch<F, King>;
  else
    return lineSearch<F>;
}

// A man whose capture may stop after any jump: each jump ends a listed
// move. A man crowned by a jump goes on with the king's captures in the
// same move, still recorded as a man; when it has nothing more to take, the
// king's search lists the sequence a second time.
template <RuleFamily F>
void stopAnywhereSearch(Context& g, int x, int y, int depth, const Start& start) {
  constexpr const FamilyRules& rules = familyRules(F);
  static_assert(rules.menStopAnywhere && rules.crowning == Crowning::GoesOnAsKing && !rules.man.removesTaken &&
                !rules.man.captures.forward);
  if (depth == kMaxSteps || g.full()) return;
  forEachDirection<rules.man.captures>([&]<int dx, int dy>() __attribute__((always_inline)) {
    const int victimX = x + dx, victimY = y + dy, landX = x + 2 * dx, landY = y + 2 * dy;
    if (!g.inside(landX, landY)) return;
    std::uint32_t& takeable = g.takeable[victimY + kRowPad];
    const std::uint32_t victim = columnBit(victimX);
    if (!(takeable & victim) || !g.emptyAt(landX, landY)) return;
    const int kindAfter = landY == g.promotionRow() ? King : Man;
    writeStep(g, depth, landX, landY, kindAfter, victimX, victimY, g.opponentKindAt(victimX, victimY));
    recordSequence(g, depth + 1, start, false);
    takeable &= ~victim;
    (kindAfter == Man ? stopAnywhereSearch<F> : kingSearch<F>())(g, landX, landY, depth + 1, start);
    takeable |= victim;
  });
}

template <RuleFamily F>
constexpr CaptureSearch manSearch() {
  if constexpr (familyRules(F).menStopAnywhere)
    return stopAnywhereSearch<F>;
  else
    return jumpSearch<F, Man>;
}

}  // namespace velmora::gen
