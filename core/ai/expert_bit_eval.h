#pragma once
// The Expert's evaluation read from bitboards: the same score as
// expertEvaluate and giveAwayEvaluate give the cell board, term for term, so
// that the search on bits and the search on records walk the same tree.
// What depends only on the variant and the square is worked out once, when
// the variant is set.

#include "core/ai/board_layouts.h"
#include "core/ai/eval_patterns.h"
#include "core/rules/board.h"

namespace velmora {

template <class Layout>
class ExpertBitEval {
  using Word = typename Layout::Word;
  using Bits = typename Layout::Board;
  static constexpr int N = Layout::kSize;

 public:
  static constexpr int kSquares = Layout::kSquares;

  // Sets the variant and its built-in pattern weights, where it has any.
  void setVariant(GameType type);
  // The pattern weights to score by (the variant's, for this board), or
  // null for the hand-written terms alone.
  void setPatterns(const PatternWeights* weights);
  // The score for `side`, who is to move, as expertEvaluate.
  int evaluate(const Bits& board, int side, int quietPlies) const;
  // As giveAwayEvaluate.
  int giveAway(const Bits& board, int side) const;

 private:
  int kingReach(Word empty, int square) const;
  int kingTerms(const Bits& board, int strong, int materialLead) const;
  int patternTerm(const Bits& board, int side) const;
  // Patterns are read on the 8 x 8 and 10 x 10 dark squares.
  static constexpr bool kPatterns = Layout::kDarkSquares && (N == 8 || N == 10);

  GameType type_ = static_cast<GameType>(-1);
  bool flying_ = false;
  bool takesMenOnly_ = false;
  int kingValue_ = 0;
  int startPieces_ = 0;
  std::int8_t x_[kSquares] = {}, y_[kSquares] = {};
  // A man's score by its square: its progress, at the two weights, and the
  // centre.
  std::int16_t manScore_[2][2][kSquares] = {};  // [ending][side]
  std::int8_t progress_[2][kSquares] = {};
  std::int8_t edgeDistance_[kSquares] = {};
  Word homeRow_[2] = {};
  Word advanced_[2] = {};                // 2 * progress >= N: where a man may run through
  Word cone_[2][kSquares] = {};          // the squares ahead an enemy must not stand on
  Word forwardSteps_[2][kSquares];       // a man's squares one step ahead
  std::int8_t lines_[8][kSquares] = {};  // the next square along each king line, -1 off the board
  int lineCount_ = 0;
  const PatternWeights* patterns_ = nullptr;
  // The lower of the two squares of each row of each region: a region's
  // row holds two dark squares side by side, one bit apart.
  std::int8_t regionRows_[kMaxPatternRegions][4] = {};
};

}  // namespace velmora
