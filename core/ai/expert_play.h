#pragma once
// How the Expert plays its moves inside the tree: compact moves on bitboards
// for the diagonal variants, move records on the cell board for the others.
// Both list the moves in generateMoves order and give a move the same key
// change, identity and ordering facts, and a position the same score, so the
// two walk the same tree; the records are the reference the bits are
// checked against.

#include <cstdint>

#include "core/ai/endgame_db.h"
#include "core/ai/expert_bit_eval.h"
#include "core/ai/expert_eval.h"
#include "core/ai/expert_search.h"
#include "core/ai/position_keys.h"
#include "core/rules/bitboard.h"
#include "core/rules/game_result.h"
#include "core/rules/generate.h"
#include "core/rules/rule_family.h"

namespace velmora {

constexpr int kExpertPathLength = 130;  // plies below the root, and room to spare

class ExpertRecordPlay {
 public:
  using Move = MoveRecord;

  void setUp(Position& position) {
    position_ = &position;
    ply_ = 0;
  }
  int generate(Move* list, int side) {
    generateMoves(list, *position_, side);
    return position_->moveCount;
  }
  // 0 no move, 1 plain moves only, 2 captures; lists them into `scratch`.
  int look(int side, Move* scratch) {
    const int n = generate(scratch, side);
    return n == 0 ? 0 : scratch[0].captureCount > 0 ? 2 : 1;
  }
  static int captures(const Move& m) { return m.captureCount; }
  int kingsTaken(const Move& m) const {
    int kings = 0;
    for (int k = 0; k < m.captureCount; ++k) kings += m.steps[k].capturedKind == King;
    return kings;
  }
  static bool crowns(const Move& m) { return m.finalStep().kindAfter != m.pieceKind; }
  static int identity(const Move& m) { return moveIdentity(m); }
  static std::uint64_t keyChange(const Move& m) { return boardKeyChange(m); }
  // A man that steps sideways (Turkish, Gothic) can step back, so the
  // position can come round again; a capture or a step forward cannot.
  static bool reversible(const Move& m) {
    return m.captureCount == 0 && (m.pieceKind == King || m.fromY == m.steps[0].toY);
  }
  static bool breaksQuiet(const Move& m) { return breaksQuietRun(m); }
  void play(const Move& m) { applyMove(m, slots_[ply_++], *position_); }
  void takeBack() { undoMove(slots_[--ply_], *position_); }
  int evaluate(int side, int quietPlies) const { return expertEvaluate(*position_, side, quietPlies, patterns_); }
  int giveAwayEvaluate(int side) const { return velmora::giveAwayEvaluate(*position_, side); }
  void setKnowledge(const ExpertLimits& limits) {
    patterns_ = limits.learnedPatterns ? builtInPatterns(position_->gameType) : nullptr;
  }
  // The databases' byte of the position (see endgameValue), or -1: the
  // records are the reference search and know none.
  int endgameValue(int) const { return -1; }

 private:
  Position* position_ = nullptr;
  const PatternWeights* patterns_ = nullptr;
  MoveRecord slots_[kExpertPathLength];
  int ply_ = 0;
};

template <class Layout>
class ExpertBitPlay {
  using Word = typename Layout::Word;
  static constexpr int N = Layout::kSize;
  static constexpr int kSquares = Layout::kSquares;

 public:
  using Move = typename Layout::Move;

  ExpertBitPlay() {
    for (int y = 0; y < N; ++y)
      for (int x = 0; x < N; ++x) {
        if (!Layout::playable(x, y)) continue;
        const int s = Layout::square(x, y);
        cell_[s] = y * kMaxBoardSize + x;
        for (int colour = 0; colour < 2; ++colour)
          for (int kind = Man; kind <= King; ++kind) key_[colour][kind][s] = pieceKey(colour, kind, x, y);
      }
  }

  void setUp(const Position& position) {
    path_[0] = Layout::read(position.board);
    depth_ = 0;
    generate_ = Layout::generatorFor(rulesOf(position));
    look_ = Layout::lookFor(rulesOf(position));
    eval_.setVariant(position.gameType);
    type_ = position.gameType;
  }
  int generate(Move* list, int side) { return generate_(path_[depth_], side, list); }
  // 0 no move, 1 plain moves only, 2 captures: a few shifts where the
  // layout can tell, else from the list written into `scratch`.
  int look(int side, Move* scratch) {
    if (look_) return look_(path_[depth_], side);
    const int n = generate(scratch, side);
    return n == 0 ? 0 : scratch[0].captureCount() > 0 ? 2 : 1;
  }
  static int captures(const Move& m) { return m.captureCount(); }
  int kingsTaken(const Move& m) const { return squareCount(m.captured & path_[depth_].kings); }
  static bool crowns(const Move& m) { return m.kindAfter() != m.pieceKind(); }
  int identity(const Move& m) const {
    return (cell_[m.from()] * kBoardSquares + cell_[m.to()]) * 2 + (m.captureCount() > 0);
  }
  std::uint64_t keyChange(const Move& m) const {
    const int side = m.side();
    std::uint64_t change = key_[side][m.pieceKind()][m.from()] ^ key_[side][m.kindAfter()][m.to()];
    const Word kings = path_[depth_].kings;
    for (Word taken = m.captured; taken != 0; taken &= taken - 1)
      change ^= key_[side ^ 1][(kings & taken & (0 - taken)) ? King : Man][lowestSquare(taken)];
    return change;
  }
  // As the records judge it: a man that steps along its row (Turkish,
  // Gothic) can step back, one that changes its column starts the quiet
  // run anew.
  static bool reversible(const Move& m) {
    return m.captureCount() == 0 && (m.pieceKind() == King || Layout::row(m.from()) == Layout::row(m.to()));
  }
  static bool breaksQuiet(const Move& m) {
    return m.captureCount() != 0 || (m.pieceKind() == Man && Layout::column(m.from()) != Layout::column(m.to()));
  }
  void play(const Move& m) {
    path_[depth_ + 1] = Layout::after(path_[depth_], m);
    ++depth_;
  }
  void takeBack() { --depth_; }
  int evaluate(int side, int quietPlies) const { return eval_.evaluate(path_[depth_], side, quietPlies); }
  int giveAwayEvaluate(int side) const { return eval_.giveAway(path_[depth_], side); }

  // What the search knows beside its own terms: the pattern weights and the
  // databases the limits allow.
  void setKnowledge(const ExpertLimits& limits) {
    eval_.setPatterns(limits.learnedPatterns ? builtInPatterns(type_) : nullptr);
    if constexpr (kProbes) {
      if constexpr (N == 8) endgames_ = limits.endgames8;
      if constexpr (N == 10) endgames_ = limits.endgames10;
      // The tables number only the positions a game reaches: a board set up
      // with a man on its crowning row is searched without them.
      using G = Geometry<N>;
      const auto& b = path_[0];
      const auto men = (b.pieces[White] | b.pieces[Black]) & ~b.kings;
      if (((men & b.pieces[White] & G::promotionRow(White)) | (men & b.pieces[Black] & G::promotionRow(Black))) != 0)
        endgames_ = nullptr;
      endgamePieces_ = endgames_ ? endgames_->maxPieces() : 0;
    }
  }
  // The databases' byte of the position (see endgameValue), or -1 where
  // they do not hold it.
  int endgameValue(int side) const {
    if constexpr (kProbes) {
      const auto& b = path_[depth_];
      if (endgamePieces_ == 0 || squareCount(b.pieces[White] | b.pieces[Black]) > endgamePieces_) return -1;
      return endgames_->value(b, side);
    }
    return -1;
  }

 private:
  // Databases are made for the 8 x 8 and 10 x 10 dark squares.
  static constexpr bool kProbes = Layout::kDarkSquares && (N == 8 || N == 10);
  const EndgameDb<N == 10 ? 10 : 8>* endgames_ = nullptr;
  int endgamePieces_ = 0;
  GameType type_ = 0;
  typename Layout::Generator generate_ = nullptr;
  typename Layout::Look look_ = nullptr;
  typename Layout::Board path_[kExpertPathLength];
  int depth_ = 0;
  ExpertBitEval<Layout> eval_;
  std::uint64_t key_[2][3][kSquares] = {};
  int cell_[kSquares] = {};
};

}  // namespace velmora
