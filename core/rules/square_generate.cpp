// The move generator of Turkish and Gothic on bitboards of every square:
// the moves of generateMoves, in its order, as compact moves. Captures
// first, pieces in scan order (the bits from the lowest are the rows
// upwards, each from the left), each piece's capture search depth first in
// its fixed direction order; the greatest number of pieces taken wins;
// plain moves only when there is no capture.

#include "core/rules/move.h"
#include "core/rules/rule_family.h"
#include "core/rules/square_bitboard.h"

namespace velmora {

namespace {

using Word = std::uint64_t;

constexpr Word kLeftColumn = 0x0101010101010101ull;
constexpr Word kRightColumn = kLeftColumn << 7;
constexpr Word kBottomRow = 0xffull, kTopRow = kBottomRow << 56;
constexpr Word kPromotion[2] = {kTopRow, kBottomRow};  // by side

// A step along (dx, dy): the squares whose step would leave the board at a
// side are dropped first; off the top or bottom the bits leave the word.
template <int dx, int dy>
constexpr Word step(Word w) {
  static_assert(dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1);
  if constexpr (dx > 0) w &= ~kRightColumn;
  if constexpr (dx < 0) w &= ~kLeftColumn;
  constexpr int d = 8 * dy + dx;
  if constexpr (d >= 0)
    return w << d;
  else
    return w >> -d;
}

// The fields of the move of a piece of kind `kind` from square `from` by
// `d`, with the side's field already in `fixed`.
constexpr std::uint64_t plainFields(int from, int d, int kind, int kindAfter, std::uint64_t fixed) {
  return SquareMove::pack(from, from + d, kind, kindAfter) | fixed;
}

// `inOrder`: plain moves piece by piece as generateMoves lists them; else
// direction by direction, which perft may count in any order.
template <RuleFamily F, bool inOrder>
class Generator {
  static constexpr const FamilyRules& rules = familyRules(F);
  static_assert(!onDarkSquaresOnly(rules) && rules.choice == Choice::GreatestNumber && !rules.kingsCaptureFirst &&
                !rules.menStopAnywhere && !rules.man.removesTaken && !rules.king.removesTaken &&
                !rules.man.takesMenOnly && !rules.king.takesMenOnly && rules.man.reach == Reach::Jump);
  static constexpr bool kCrownAtTheEnd = rules.crowning == Crowning::AtTheEnd;
  static_assert(kCrownAtTheEnd || rules.crowning == Crowning::ByLastJump);
  static_assert(rules.man.captures.forward);

  using Move = SquareMove;

 public:
  Generator(const SquareBoard& b, int side, Move* list)
      : own_(b.pieces[side]),
        ownKings_(b.kings & b.pieces[side]),
        empty_(~(b.pieces[White] | b.pieces[Black])),
        takeable_(b.pieces[side ^ 1]),
        opponentKings_(b.kings & b.pieces[side ^ 1]),
        promotion_(kPromotion[side]),
        side_(side),
        list_(list) {}

  int run() {
    capturePass();
    if (count_ > 0) return keepGreatestNumber();
    if (side_ == White)
      plainPass<1>();
    else
      plainPass<-1>();
    return count_;
  }

 private:
  std::uint64_t sideField() const {
    if constexpr (inOrder) return Move::sideField(side_);
    return 0;
  }

  bool full() const { return count_ >= kMaxMoves; }

  void record(Word at, int kindAfter, int depth) {
    if (full()) return;
    list_[count_++] =
        Move{captured_, Move::pack(from_, lowestSquare(at), pieceKind_, kindAfter, depth, quality_) | sideField()};
  }

  // A full list takes no more moves; a sequence of kMaxSteps captures is
  // recorded as it stands.
  bool atLimit(Word at, int depth, int kindAfter) {
    if (full()) return true;
    if (depth < kMaxSteps) return false;
    record(at, kindAfter, depth);
    return true;
  }

  // A piece taken at step `depth`: a man counts 100, a king 300 - depth.
  int worth(Word victim, int depth) const { return (opponentKings_ & victim) ? 300 - depth : 100; }

  // A taken piece stays on its square until the move ends: it still blocks
  // but cannot be taken again.
  void toggleTaken(Word victim, int quality) {
    takeable_ ^= victim;
    captured_ ^= victim;
    quality_ += quality;
  }

  // The jump from `at` over the neighbour along (dx, dy) to the square
  // beyond; returns whether it was possible (and so was searched).
  template <int dx, int dy, class Next>
  [[gnu::always_inline]] bool jump(Word at, int depth, Next next) {
    const Word victim = step<dx, dy>(at);
    if (!(takeable_ & victim)) return false;
    const Word landing = step<dx, dy>(victim);
    if (!(empty_ & landing)) return false;
    const int quality = worth(victim, depth);
    toggleTaken(victim, quality);
    next(landing, depth + 1);
    toggleTaken(victim, -quality);
    return true;
  }

  // A capture from a distance along (dx, dy): the first occupied square is
  // the victim, every empty square beyond it a landing square.
  template <int dx, int dy, class Next>
  [[gnu::always_inline]] bool line(Word from, int depth, Next next) {
    Word victim = step<dx, dy>(from);
    while (victim & empty_) victim = step<dx, dy>(victim);
    if (!(takeable_ & victim)) return false;  // own piece, one taken already, or the edge
    Word landing = step<dx, dy>(victim);
    if (!(empty_ & landing)) return false;
    const int quality = worth(victim, depth);
    toggleTaken(victim, quality);
    do {
      next(landing, depth + 1);
      if (full()) break;
      landing = step<dx, dy>(landing);
    } while (landing & empty_);
    toggleTaken(victim, -quality);
    return true;
  }

  // What a man ends as on `at`: crowned there when it ends the move on its
  // promotion row, or when the last jump, with a forward part, took it there.
  int manKindAfter(Word at, int lastJumpKind) const {
    if constexpr (kCrownAtTheEnd) return (promotion_ & at) ? King : Man;
    return lastJumpKind;
  }

  // A man's jumps, its directions in order, forward ones along `f`.
  template <int f>
  void manCaptures(Word at, int depth, int lastJumpKind) {
    if (atLimit(at, depth, manKindAfter(at, lastJumpKind))) return;
    bool found = false;
    forEachDirection<rules.man.captures>([&]<int dx, int dy>() __attribute__((always_inline)) {
      constexpr int along = dy * f;
      found |= jump<dx, along>(
          at, depth, [this](Word to, int d) { manCaptures<f>(to, d, along != 0 && (promotion_ & to) ? King : Man); });
    });
    if (!found && depth >= 1) record(at, manKindAfter(at, lastJumpKind), depth);
  }

  // A king's jumps over a neighbour.
  void shortKing(Word at, int depth) {
    if (atLimit(at, depth, King)) return;
    const auto next = [this](Word to, int d) { shortKing(to, d); };
    bool found = false;
    forEachDirection<rules.king.captures>([&]<int dx, int dy>() __attribute__((always_inline)) {
      found |= jump<dx, dy>(at, depth, next);
    });
    if (!found && depth >= 1) record(at, King, depth);
  }

  // A king along its lines.
  void lineKing(Word at, int depth) {
    static_assert(rules.king.reach == Reach::Line);
    if (atLimit(at, depth, King)) return;
    const auto next = [this](Word to, int d) { lineKing(to, d); };
    bool found = false;
    forEachDirection<rules.king.captures>([&]<int dx, int dy>() __attribute__((always_inline)) {
      found |= line<dx, dy>(at, depth, next);
    });
    if (!found && depth >= 1) record(at, King, depth);
  }

  void kingSearch(Word at) {
    if constexpr (rules.king.reach == Reach::Jump)
      shortKing(at, 0);
    else
      lineKing(at, 0);
  }

  // The squares from which a piece jumps along (dx, dy) over one of
  // `victims` onto an empty square, as the board stands.
  template <int dx, int dy>
  Word jumpers(Word victims) const {
    return step<-dx, -dy>(victims & step<-dx, -dy>(empty_));
  }

  // The squares from which a piece jumps along one of `steps`, forward
  // ones along `f`.
  template <Steps steps, int f>
  Word jumpersAlong() const {
    Word from = 0;
    forEachDirection<steps>([&]<int dx, int dy>() __attribute__((always_inline)) {
      from |= jumpers < dx, steps.forward ? dy * f : dy > (takeable_);
    });
    return from;
  }

  // The pieces whose search finds something: exactly those with a first
  // jump; every king whose captures follow lines, its search its own test.
  Word mayCapture() const {
    const Word men = own_ & ~ownKings_;
    Word found =
        men & (side_ == White ? jumpersAlong<rules.man.captures, 1>() : jumpersAlong<rules.man.captures, -1>());
    if (ownKings_ == 0) return found;
    if constexpr (rules.king.reach == Reach::Jump)
      found |= ownKings_ & jumpersAlong<rules.king.captures, 1>();
    else
      found |= ownKings_;
    return found;
  }

  // Each piece in scan order, lifted off its square so that the square
  // counts as empty during its search.
  void capturePass() {
    for (Word bits = mayCapture(); bits != 0; bits &= bits - 1) {
      const Word b = bits & (0 - bits);
      from_ = lowestSquare(bits);
      empty_ |= b;
      if (ownKings_ & b) {
        pieceKind_ = King;
        kingSearch(b);
      } else {
        pieceKind_ = Man;
        if (side_ == White)
          manCaptures<1>(b, 0, Man);
        else
          manCaptures<-1>(b, 0, Man);
      }
      empty_ &= ~b;
    }
  }

  int keepGreatestNumber() {
    if (count_ == 1) return count_;
    int m = 0;
    for (int i = 0; i < count_; ++i) m = list_[i].captureCount() > m ? list_[i].captureCount() : m;
    int kept = 0;
    while (kept < count_ && list_[kept].captureCount() == m) ++kept;
    for (int i = kept + 1; i < count_; ++i)
      if (list_[i].captureCount() == m) list_[kept++] = list_[i];
    return count_ = kept;
  }

  // Plain moves never fill the list: each empty square is reached by at
  // most eight pieces, one a direction.
  void addPlain(int from, int d, int kind, int kindAfter) {
    list_[count_++] = Move{0, plainFields(from, d, kind, kindAfter, sideField())};
  }

  void kingMoves(Word at, int s) {
    constexpr const Steps& moves = rules.king.moves;
    static_assert(!moves.forward);
    forEachDirection<moves>([&]<int dx, int dy>() __attribute__((always_inline)) {
      constexpr int d = 8 * dy + dx;
      if constexpr (moves.slides) {
        int to = d;
        for (Word w = step<dx, dy>(at); w & empty_; w = step<dx, dy>(w), to += d) addPlain(s, to, King, King);
      } else if (empty_ & step<dx, dy>(at)) {
        addPlain(s, d, King, King);
      }
    });
  }

  // The men that can step along each of their directions, and those of
  // them that crown by it: a step with a forward part onto the promotion row.
  template <int f>
  void menSteps(Word men, Word (&can)[rules.man.moves.count], Word (&crown)[rules.man.moves.count]) const {
    int k = 0;
    forEachDirection<rules.man.moves>([&]<int dx, int dy>() __attribute__((always_inline)) {
      can[k] = men & step<-dx, -dy * f>(empty_);
      crown[k] = dy != 0 ? can[k] & step<-dx, -dy * f>(promotion_) : 0;
      ++k;
    });
  }

  static constexpr int manShift(int k, int f) {
    return 8 * rules.man.moves.step[k].dy * f + rules.man.moves.step[k].dx;
  }

  template <int f>
  void plainPass() {
    static_assert(rules.man.moves.forward && !rules.man.moves.slides);
    constexpr int kSteps = rules.man.moves.count;
    const Word men = own_ & ~ownKings_;
    Word can[kSteps], crown[kSteps];
    menSteps<f>(men, can, crown);
    const std::uint64_t fixed = sideField();
    Move* const list = list_;
    int count = count_;
    if constexpr (!inOrder) {
      for (int k = 0; k < kSteps; ++k) {
        const int d = manShift(k, f);
        for (Word bits = can[k] & ~crown[k]; bits != 0; bits &= bits - 1)
          list[count++] = Move{0, plainFields(lowestSquare(bits), d, Man, Man, 0)};
        for (Word bits = crown[k]; bits != 0; bits &= bits - 1)
          list[count++] = Move{0, plainFields(lowestSquare(bits), d, Man, King, 0)};
      }
      count_ = count;
      for (Word bits = ownKings_; bits != 0; bits &= bits - 1) kingMoves(bits & (0 - bits), lowestSquare(bits));
      return;
    }
    Word movers = ownKings_;
    for (int k = 0; k < kSteps; ++k) movers |= can[k];
    for (Word bits = movers; bits != 0; bits &= bits - 1) {
      const Word b = bits & (0 - bits);
      const int s = lowestSquare(bits);
      if (ownKings_ & b) {
        count_ = count;
        kingMoves(b, s);
        count = count_;
        continue;
      }
      // Every step's move is written; each counts only when it is possible.
      for (int k = 0; k < kSteps; ++k) {
        list[count] = Move{0, plainFields(s, manShift(k, f), Man, (crown[k] & b) ? King : Man, fixed)};
        count += (can[k] & b) ? 1 : 0;
      }
    }
    count_ = count;
  }

  const Word own_, ownKings_;
  Word empty_;     // the moving piece lifted
  Word takeable_;  // the opponent's pieces not yet taken in this sequence
  const Word opponentKings_, promotion_;
  const int side_;
  Move* const list_;
  int count_ = 0;
  // The sequence being built.
  Word captured_ = 0;
  int from_ = 0, pieceKind_ = Man, quality_ = 0;
};

template <RuleFamily F, bool inOrder>
int generate(const SquareBoard& b, int side, SquareMove* list) {
  return Generator<F, inOrder>(b, side, list).run();
}

template <RuleFamily F>
SquareGenerator generatorOf(bool inOrder) {
  return inOrder ? generate<F, true> : generate<F, false>;
}

}  // namespace

SquareBoard readSquareBoard(const Board& board) {
  SquareBoard b{};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const Cell& c = board[y][x];
      if (c.kind == Empty) continue;
      const Word bit = Word{1} << squareAt(x, y);
      b.pieces[c.side & 1] |= bit;
      if (c.kind == King) b.kings |= bit;
    }
  return b;
}

SquareGenerator squareGeneratorFor(RuleFamily family, MoveOrder order) {
  const bool inOrder = order == MoveOrder::Listed;
  switch (family) {
    case RuleFamily::Turkish: return generatorOf<RuleFamily::Turkish>(inOrder);
    case RuleFamily::Gothic: return generatorOf<RuleFamily::Gothic>(inOrder);
    default: return nullptr;
  }
}

}  // namespace velmora
