#include "core/ai/expert_bit_eval.h"

#include <algorithm>
#include <cstdlib>

#include "core/ai/expert_eval.h"
#include "core/rules/game_result.h"
#include "core/rules/rule_family.h"

namespace velmora {

namespace {

int distance(int x1, int y1, int x2, int y2) { return std::max(std::abs(x1 - x2), std::abs(y1 - y2)); }

template <class Word, class Visit>
void forEachSquare(Word w, Visit visit) {
  for (; w != 0; w &= w - 1) visit(lowestSquare(w));
}

}  // namespace

template <class Layout>
void ExpertBitEval<Layout>::setVariant(GameType type) {
  if (type == type_) return;
  type_ = type;
  const FamilyRules& rules = familyRulesOf(type);
  flying_ = kingsFly(rules);
  takesMenOnly_ = rules.man.takesMenOnly;
  kingValue_ = expertKingValue(type);
  startPieces_ = 2 * variantInfo(type).rowsOfMen * N / 2;
  const Steps& lines = rules.king.moves;
  lineCount_ = lines.count;
  setPatterns(builtInPatterns(type));

  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) {
      if (!Layout::playable(x, y)) continue;
      const int q = Layout::square(x, y);
      x_[q] = static_cast<std::int8_t>(x);
      y_[q] = static_cast<std::int8_t>(y);
      edgeDistance_[q] = static_cast<std::int8_t>(std::min(std::min(x, N - 1 - x), std::min(y, N - 1 - y)));
      // At most 8 lines: the bound GCC's overflow check needs to see.
      for (int d = 0; d < lines.count && d < 8; ++d) {
        const int tx = x + lines.step[d].dx, ty = y + lines.step[d].dy;
        const bool on = tx >= 0 && ty >= 0 && tx < N && ty < N;
        lines_[d][q] = static_cast<std::int8_t>(on ? Layout::square(tx, ty) : -1);
      }
      for (int s = 0; s < 2; ++s) {
        const int forward = s == White ? 1 : -1;
        const int r = s == White ? y : N - 1 - y;
        progress_[s][q] = static_cast<std::int8_t>(r);
        const int centre = x >= 2 && x <= N - 3 && r >= 2 && r <= N - 3 ? 4 : 0;
        manScore_[0][s][q] = static_cast<std::int16_t>(3 * r + centre);
        manScore_[1][s][q] = static_cast<std::int16_t>(6 * r + centre);
        if (r == 0) homeRow_[s] |= Layout::bit(q);
        if (2 * r >= N) advanced_[s] |= Layout::bit(q);
        Word cone = 0;
        for (int k = 1; y + forward * k >= 0 && y + forward * k < N; ++k) {
          const int row = y + forward * k;
          for (int cx = std::max(0, x - k - 1); cx <= std::min(N - 1, x + k + 1); ++cx)
            if (Layout::playable(cx, row)) cone |= Layout::bit(Layout::square(cx, row));
        }
        cone_[s][q] = cone;
        Word ahead = 0;
        for (int dx : {-1, 1})
          if (x + dx >= 0 && x + dx < N && y + forward >= 0 && y + forward < N)
            ahead |= Layout::bit(Layout::square(x + dx, y + forward));
        forwardSteps_[s][q] = ahead;
      }
    }
}

template <class Layout>
void ExpertBitEval<Layout>::setPatterns(const PatternWeights* weights) {
  patterns_ = nullptr;
  if constexpr (kPatterns) {
    if (weights == nullptr || weights->boardSize != N) return;
    patterns_ = weights;
    constexpr int across = N / 2 - 1;
    for (int r = 0; r < patternRegionCount(N); ++r)
      for (int i = 0; i < 4; ++i) {
        const int x0 = 2 * (r % across), y = 2 * (r / across) + i;
        regionRows_[r][i] = static_cast<std::int8_t>(Layout::square(x0 + (y & 1), y));
      }
  }
}

// As patternScore reads the cell board: each region's men as two bytes,
// their digits from the tables.
template <class Layout>
int ExpertBitEval<Layout>::patternTerm(const Bits& b, int side) const {
  if constexpr (kPatterns) {
    const PatternDigits& digits = patternDigits();
    const Word men[2] = {b.pieces[White] & ~b.kings, b.pieces[Black] & ~b.kings};
    constexpr int regions = patternRegionCount(N);
    int score = 0;
    for (int r = 0; r < regions; ++r) {
      unsigned bits[2] = {0, 0};
      for (int s = 0; s < 2; ++s)
        for (int i = 0; i < 4; ++i) bits[s] |= static_cast<unsigned>((men[s] >> regionRows_[r][i]) & 3) << (2 * i);
      score += patterns_->at(r, digits.forwards[bits[White]] + 2 * digits.forwards[bits[Black]]);
      score -= patterns_->at(regions - 1 - r, digits.backwards[bits[Black]] + 2 * digits.backwards[bits[White]]);
    }
    return side == White ? score : -score;
  }
  return 0;
}

// Empty squares a flying king reaches along its lines.
template <class Layout>
int ExpertBitEval<Layout>::kingReach(Word empty, int square) const {
  int reach = 0;
  for (int d = 0; d < lineCount_; ++d)
    for (int q = lines_[d][square]; q >= 0 && (empty & Layout::bit(q)); q = lines_[d][q]) ++reach;
  return reach;
}

// The side ahead hunts with its kings: the sum of their distances to the
// nearest enemy piece, counted against it.
template <class Layout>
int ExpertBitEval<Layout>::kingTerms(const Bits& b, int strong, int materialLead) const {
  int term = 0;
  forEachSquare(b.pieces[strong] & b.kings, [&](int k) {
    int nearest = N;
    forEachSquare(b.pieces[strong ^ 1],
                  [&](int e) { nearest = std::min(nearest, distance(x_[k], y_[k], x_[e], y_[e])); });
    term -= 2 * nearest;
  });
  if (!flying_ && takesMenOnly_) {
    const int total = squareCount(b.pieces[White] | b.pieces[Black]);
    term += std::abs(materialLead) * std::max(0, startPieces_ - total) / (2 * startPieces_);
  }
  return term;
}

template <class Layout>
int ExpertBitEval<Layout>::evaluate(const Bits& b, int side, int quietPlies) const {
  const Word empty = Layout::kBoard & ~(b.pieces[White] | b.pieces[Black]);
  int men[2], kings[2];
  for (int s = 0; s < 2; ++s) {
    kings[s] = squareCount(b.pieces[s] & b.kings);
    men[s] = squareCount(b.pieces[s]) - kings[s];
  }
  const int total = men[White] + kings[White] + men[Black] + kings[Black];
  const bool ending = total <= N;

  int score[2];
  for (int s = 0; s < 2; ++s) {
    const int enemy = s ^ 1;
    const Word ownMen = b.pieces[s] & ~b.kings;
    int v = men[s] * kManValue + kings[s] * kingValue_;
    forEachSquare(ownMen, [&](int q) { v += manScore_[ending][s][q]; });
    if (!ending && men[enemy] > 0) v += 6 * squareCount(ownMen & homeRow_[s]);
    if (kings[enemy] == 0)
      forEachSquare(ownMen & advanced_[s], [&](int q) {
        if ((b.pieces[enemy] & cone_[s][q]) == 0) v += 30 + 8 * progress_[s][q];
      });
    forEachSquare(b.pieces[s] & b.kings, [&](int q) { v += flying_ ? 2 * kingReach(empty, q) : 4 * edgeDistance_[q]; });
    score[s] = v;
  }

  const int materialLead =
      men[White] * kManValue + kings[White] * kingValue_ - (men[Black] * kManValue + kings[Black] * kingValue_);
  if (materialLead != 0) {
    const int strong = materialLead > 0 ? White : Black;
    if (kings[strong] > 0 || (!flying_ && takesMenOnly_)) score[strong] += kingTerms(b, strong, materialLead);
  }

  int result = score[side] - score[side ^ 1];
  if (patterns_ != nullptr) result += patternTerm(b, side);

  for (int strong = 0; strong < 2; ++strong) {
    const int weak = strong ^ 1;
    if (men[weak] == 0 && kings[weak] < men[strong] + kings[strong]) {
      int hunt = 0;
      forEachSquare(b.pieces[weak] & b.kings, [&](int w) {
        hunt -= 6 * edgeDistance_[w];
        forEachSquare(b.pieces[strong] & b.kings, [&](int k) { hunt -= 3 * distance(x_[k], y_[k], x_[w], y_[w]); });
      });
      result += strong == side ? hunt : -hunt;
    }
  }
  if (men[White] == 0 && men[Black] == 0) {
    const int more = std::max(kings[White], kings[Black]), fewer = std::min(kings[White], kings[Black]);
    if (fewer >= 1 && (more <= fewer || (flying_ && fewer == 1 && more <= 2))) result /= 16;
  }
  if (quietPlies > kQuietMovesForDraw / 3)
    result = result * (kQuietMovesForDraw + 5 - quietPlies) / (kQuietMovesForDraw + 5 - kQuietMovesForDraw / 3);
  return result;
}

template <class Layout>
int ExpertBitEval<Layout>::giveAway(const Bits& b, int side) const {
  const Word empty = Layout::kBoard & ~(b.pieces[White] | b.pieces[Black]);
  int score[2];
  for (int s = 0; s < 2; ++s) {
    const Word ownKings = b.pieces[s] & b.kings, ownMen = b.pieces[s] & ~b.kings;
    int v = -250 * squareCount(ownKings) - kManValue * squareCount(ownMen);
    forEachSquare(ownMen, [&](int q) { v -= (empty & forwardSteps_[s][q]) != 0 ? 5 : 0; });
    score[s] = v;
  }
  return score[side] - score[side ^ 1];
}

template class ExpertBitEval<DarkSquares<8>>;
template class ExpertBitEval<DarkSquares<10>>;
template class ExpertBitEval<DarkSquares<12>>;
template class ExpertBitEval<EverySquare>;

}  // namespace velmora
