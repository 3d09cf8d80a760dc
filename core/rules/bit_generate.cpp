// The move generator of the diagonal variants on bitboards: the moves of
// generateMoves, in its order, as compact moves. Captures first, pieces in
// scan order (the bits from the lowest are the rows upwards, each from the
// left), each piece's capture search depth first in its fixed direction
// order; the variant's choice among them; plain moves only when there is none.

#include "core/rules/bitboard.h"
#include "core/rules/move.h"
#include "core/rules/rule_family.h"

namespace velmora {

namespace {

// Listed: plain moves piece by piece as generateMoves lists them; Any:
// direction by direction, which perft may walk in any order; Count: the
// plain moves only counted, for the last ply of perft (captures are still
// listed, the choice among them needs them).
template <RuleFamily F, int N, MoveOrder order>
class Generator {
  static constexpr bool inOrder = order == MoveOrder::Listed;
  static constexpr const FamilyRules& rules = familyRules(F);
  static_assert(onDarkSquaresOnly(rules));

  using G = Geometry<N>;
  using Word = typename G::Word;
  using Move = BitMove<N>;

 public:
  Generator(const BitBoard<N>& b, int side, Move* list)
      : own_(b.pieces[side]),
        ownKings_(b.kings & b.pieces[side]),
        empty_(G::kBoard & ~(b.pieces[White] | b.pieces[Black])),
        takeable_(b.pieces[side ^ 1]),
        opponentKings_(b.kings & b.pieces[side ^ 1]),
        promotion_(kPromotion[side]),
        side_(side),
        list_(list) {}

  // What the side can do, without listing it: 0 nothing, 1 plain moves
  // only, 2 captures, which are compulsory. A search's quiet leaves ask only
  // this.
  int look() const {
    if (menThatCapture(own_ & ~ownKings_) != 0 || kingsCapture(ownKings_)) return 2;
    return hasPlainMove() ? 1 : 0;
  }

  int run() {
    if constexpr (rules.kingsCaptureFirst) {
      capturePass(King);
      if (count_ > 0) return chooseAmongCaptures(rules.choice);
      capturePass(Man);
      if (count_ > 0) return chooseAmongCaptures(rules.menChoice);
    } else {
      capturePass(Empty);
      if (count_ > 0) return chooseAmongCaptures(rules.choice);
    }
    if (side_ == White)
      plainPass<1>();
    else
      plainPass<-1>();
    return count_;
  }

 private:
  // The squares `steps` steps of (dx, dy) away that stay on the board; only
  // along rows does the layout need it, the ghosts bound the rest.
  template <int dx, int dy, int steps>
  static constexpr Word kReach = G::reach(dx, dy, steps);
  static constexpr Word kPromotion[2] = {G::promotionRow(White), G::promotionRow(Black)};

  // The side goes into the moves the searches read; a counting walk's moves
  // go without, a few instructions a leaf.
  std::uint64_t sideField() const {
    if constexpr (inOrder) return Move::sideField(side_);
    return 0;
  }

  bool full() const { return count_ >= kMaxMoves; }
  int manKindAt(Word at) const { return (promotion_ & at) ? King : Man; }

  // The searches pass the square they stand on as its bit: a shift by a
  // constant moves it along a line, even in a 128-bit word.
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

  // The pieces a capturer may still take: men only for men that take no king.
  Word takeableBy(bool menOnly) const { return menOnly ? takeable_ & ~opponentKings_ : takeable_; }

  // What taking `victim` at step `depth` adds for the family's choice.
  int worth(Word victim, int depth) const {
    return worthOf(rules.choice, (opponentKings_ & victim) ? King : Man, depth);
  }

  // Takes `victim` out of play for the deeper search, or puts it back: a
  // marked piece still blocks but cannot be taken again, a removed one
  // leaves its square empty.
  template <bool remove>
  void toggleTaken(Word victim, int quality) {
    takeable_ ^= victim;
    captured_ ^= victim;
    if constexpr (remove) empty_ ^= victim;
    quality_ += quality;
  }

  // A step along (dx, dy); along rows, where the layout has no ghosts, only
  // from the squares whose step stays on the board.
  template <int dx, int dy>
  static Word advance(Word w) {
    if constexpr (dy == 0) w &= kReach<dx, dy, 1>;
    return G::template shifted<G::shift(dx, dy)>(w);
  }

  // The jump from `at` over the neighbour along (dx, dy) to the square
  // beyond; returns whether it was possible (and so was searched).
  template <int dx, int dy, bool remove, bool menOnly, class Next>
  [[gnu::always_inline]] bool jump(Word at, int depth, Next next) {
    // One branch for both tests: a missing victim leaves no landing square.
    const Word victim = advance<dx, dy>(at) & takeableBy(menOnly);
    const Word landing = advance<dx, dy>(victim) & empty_;
    if (landing == 0) return false;
    const int quality = worth(victim, depth);
    toggleTaken<remove>(victim, quality);
    next(landing, depth + 1);
    toggleTaken<remove>(victim, -quality);
    return true;
  }

  // A capture from a distance along (dx, dy): the first occupied square is
  // the victim, the empty squares beyond it are landing squares (only the
  // nearest with `nearestOnly`). The victim is marked.
  template <int dx, int dy, bool nearestOnly, class Next>
  [[gnu::always_inline]] bool line(Word from, int depth, Next next) {
    Word victim = advance<dx, dy>(from);
    while (victim & empty_) victim = advance<dx, dy>(victim);
    if (!(takeable_ & victim)) return false;  // own piece, one taken already, or the edge
    Word landing = advance<dx, dy>(victim);
    if (!(empty_ & landing)) return false;  // a piece on the edge is never taken
    const int quality = worth(victim, depth);
    toggleTaken<false>(victim, quality);
    if constexpr (rules.kingsGoOn) {
      static_assert(!nearestOnly);
      landOnGoingOn<dx, dy>(landing, depth, next);
    } else {
      do {
        next(landing, depth + 1);
        if (nearestOnly || full()) break;
        landing = advance<dx, dy>(landing);
      } while (landing & empty_);
    }
    toggleTaken<false>(victim, -quality);
    return true;
  }

  // The landing squares from `first` on along (dx, dy) from which the
  // capture goes on, or all of them where it goes on from none.
  template <int dx, int dy, class Next>
  void landOnGoingOn(Word first, int depth, Next next) {
    Word all = 0, goingOn = 0;
    for (Word at = first; at & empty_; at = advance<dx, dy>(at)) {
      all |= at;
      if (kingsCapture(at)) goingOn |= at;
    }
    const Word chosen = goingOn != 0 ? goingOn : all;
    for (Word at = first; at & empty_; at = advance<dx, dy>(at)) {
      if (!(chosen & at)) continue;
      next(at, depth + 1);
      if (full()) break;
    }
  }

  // A man's jumps, its directions in order, forward ones along `f`. It is
  // recorded as crowned where it ends on its promotion row: a man that
  // crowns on the way either ends there, having no forward jump left, is
  // crowned only at the end, or goes on as a king.
  template <int f>
  void manCaptures(Word at, int depth) {
    constexpr const PieceRules& man = rules.man;
    static_assert(man.reach == Reach::Jump);
    if (atLimit(at, depth, manKindAt(at))) return;
    // A man crowned on the way may go on as a king.
    const auto next = [this](Word to, int d) {
      if constexpr (rules.crowning == Crowning::GoesOnAsKing)
        if (promotion_ & to) return kingSearch(to, d);
      manCaptures<f>(to, d);
    };
    // Most sequences end after their first jump: with eight directions one
    // test of them all is cheaper than a branch each.
    if constexpr (man.captures.count > 4)
      if (depth >= 1 && !(at & jumpersAlong<man.captures, f>(takeableBy(man.takesMenOnly))))
        return record(at, manKindAt(at), depth);
    bool found = false;
    forEachDirection<man.captures>([&]<int dx, int dy>() __attribute__((always_inline)) {
      constexpr int along = man.captures.forward ? dy * f : dy;
      found |= jump<dx, along, man.removesTaken, man.takesMenOnly>(at, depth, next);
    });
    if (!found && depth >= 1) record(at, manKindAt(at), depth);
  }

  // A king's jumps over a neighbour.
  void shortKing(Word at, int depth) {
    constexpr const PieceRules& king = rules.king;
    if (atLimit(at, depth, King)) return;
    const auto next = [this](Word to, int d) { shortKing(to, d); };
    bool found = false;
    forEachDirection<king.captures>([&]<int dx, int dy>() __attribute__((always_inline)) {
      found |= jump<dx, dy, king.removesTaken, king.takesMenOnly>(at, depth, next);
    });
    if (!found && depth >= 1) record(at, King, depth);
  }

  // Every jump of a man whose capture may stop anywhere ends a listed move.
  // A man crowned by a jump goes on as a king, still recorded as a man; when
  // it has nothing more to take, the king search lists the sequence a second
  // time.
  template <int dx, int dy>
  [[gnu::always_inline]] void stopAnywhereJump(Word at, int depth) {
    const Word victim = advance<dx, dy>(at);
    if (!(takeable_ & victim)) return;
    const Word landing = advance<dx, dy>(victim);
    if (!(empty_ & landing)) return;
    const int kindAfter = manKindAt(landing), quality = worth(victim, depth);
    captured_ ^= victim;
    quality_ += quality;
    record(landing, kindAfter, depth + 1);
    takeable_ ^= victim;
    if (kindAfter == Man)
      stopAnywhereMan(landing, depth + 1);
    else
      kingSearch(landing, depth + 1);
    takeable_ ^= victim;
    quality_ -= quality;
    captured_ ^= victim;
  }

  void stopAnywhereMan(Word at, int depth) {
    static_assert(rules.crowning == Crowning::GoesOnAsKing && !rules.man.captures.forward);
    if (depth == kMaxSteps || full()) return;
    forEachDirection<rules.man.captures>([&]<int dx, int dy>()
                                             __attribute__((always_inline)) { stopAnywhereJump<dx, dy>(at, depth); });
  }

  // A king along its lines; captured pieces are marked.
  void lineKing(Word at, int depth) {
    constexpr const PieceRules& king = rules.king;
    static_assert(!king.removesTaken);
    if (atLimit(at, depth, King)) return;
    const auto next = [this](Word to, int d) { lineKing(to, d); };
    bool found = false;
    forEachDirection<king.captures>([&]<int dx, int dy>() __attribute__((always_inline)) {
      found |= line<dx, dy, king.reach == Reach::LineLandingBehind>(at, depth, next);
    });
    if (!found && depth >= 1) record(at, King, depth);
  }

  void manSearch(Word at) {
    if constexpr (rules.menStopAnywhere)
      stopAnywhereMan(at, 0);
    else if (rules.man.captures.forward && side_ == Black)
      manCaptures<-1>(at, 0);
    else
      manCaptures<1>(at, 0);
  }

  void kingSearch(Word at, int depth) {
    if constexpr (rules.king.reach == Reach::Jump)
      shortKing(at, depth);
    else
      lineKing(at, depth);
  }

  // The squares from which a piece jumps along (dx, dy) over one of
  // `victims`, as the board stands.
  template <int dx, int dy>
  Word jumpers(Word victims) const {
    constexpr int d = G::shift(dx, dy);
    Word w = G::template shifted<-d>(victims) & G::template shifted<-2 * d>(empty_);
    if constexpr (dy == 0) w &= kReach<dx, dy, 2>;
    return w;
  }

  // The squares from which a piece jumps over one of `victims` along one
  // of `steps`, forward ones along `f`.
  template <Steps steps, int f>
  Word jumpersAlong(Word victims) const {
    Word from = 0;
    forEachDirection<steps>([&]<int dx, int dy>() __attribute__((always_inline)) {
      from |= jumpers < dx, steps.forward ? dy * f : dy > (victims);
    });
    return from;
  }

  // The men whose search finds something: exactly those with a first jump.
  Word menThatCapture(Word men) const {
    constexpr const PieceRules& man = rules.man;
    if (men == 0) return 0;
    const Word victims = takeableBy(man.takesMenOnly);
    if (man.captures.forward && side_ == Black) return men & jumpersAlong<man.captures, -1>(victims);
    return men & jumpersAlong<man.captures, 1>(victims);
  }

  // Kings that jump are tested at once; a line king's search is its own test.
  Word kingsThatMayCapture(Word kings) const {
    if (kings == 0) return 0;
    if constexpr (rules.king.reach == Reach::Jump) return kings & jumpersAlong<rules.king.captures, 1>(takeable_);
    return kings;
  }

  // A line king's first capture along (dx, dy): over the empty squares to
  // a piece to take with an empty square behind it.
  template <int dx, int dy>
  bool lineCapture(Word kings) const {
    Word victims = 0;
    for (Word ray = advance<dx, dy>(kings); ray != 0; ray = advance<dx, dy>(ray & empty_)) victims |= ray & takeable_;
    return (advance<dx, dy>(victims) & empty_) != 0;
  }

  bool kingsCapture(Word kings) const {
    if (kings == 0) return false;
    if constexpr (rules.king.reach == Reach::Jump) {
      return (kings & jumpersAlong<rules.king.captures, 1>(takeable_)) != 0;
    } else {
      bool found = false;
      forEachDirection<rules.king.captures>([&]<int dx, int dy>() __attribute__((always_inline)) {
        found = found || lineCapture<dx, dy>(kings);
      });
      return found;
    }
  }

  // The squares from which a step along (dx, dy) lands on an empty square.
  template <int dx, int dy>
  Word steppers() const {
    return G::template shifted<-G::shift(dx, dy)>(empty_);
  }

  bool hasPlainMove() const {
    const Word men = own_ & ~ownKings_;
    const Word manSteps =
        side_ == White ? steppers<-1, 1>() | steppers<1, 1>() : steppers<-1, -1>() | steppers<1, -1>();
    if ((men & manSteps) != 0) return true;
    bool found = false;
    forEachDirection<rules.king.moves>([&]<int dx, int dy>() __attribute__((always_inline)) {
      found = found || (ownKings_ & steppers<dx, dy>()) != 0;
    });
    return found;
  }

  // Each piece of the kind `only` (any kind when Empty) in scan order, lifted
  // off its square so that the square counts as empty during its search.
  void capturePass(int only) {
    const Word men = only == King ? 0 : own_ & ~ownKings_;
    const Word kings = only == Man ? 0 : ownKings_;
    for (Word bits = menThatCapture(men) | kingsThatMayCapture(kings); bits != 0; bits &= bits - 1) {
      const Word b = bits & (0 - bits);
      from_ = lowestSquare(bits);
      empty_ |= b;
      if (kings & b) {
        pieceKind_ = King;
        kingSearch(b, 0);
      } else {
        pieceKind_ = Man;
        manSearch(b);
      }
      empty_ &= ~b;
    }
  }

  // Moves the moves that `keep` accepts down to the front, in their order.
  template <class Keep>
  int compact(Keep keep) {
    int kept = 0;
    while (kept < count_ && keep(list_[kept])) ++kept;  // mostly all of them
    for (int i = kept + 1; i < count_; ++i)
      if (keep(list_[i])) list_[kept++] = list_[i];
    return count_ = kept;
  }

  int keepGreatestNumber() {
    if (count_ == 1) return count_;  // most captures have no rival
    int m = 0;
    for (int i = 0; i < count_; ++i) m = list_[i].captureCount() > m ? list_[i].captureCount() : m;
    return compact([m](const Move& move) { return move.captureCount() == m; });
  }

  int keepGreatestNumberThenQuality() {
    if (keepGreatestNumber() == 1) return count_;
    int best = 0;
    for (int i = 0; i < count_; ++i) best = list_[i].quality() > best ? list_[i].quality() : best;
    return compact([best](const Move& move) { return move.quality() == best; });
  }

  // Only among the sequences that crowned the man does the longest win.
  int keepLongestOfCrowning() {
    const auto crowned = [](const Move& move) { return move.kindAfter() != move.pieceKind(); };
    int m = -1;
    for (int i = 0; i < count_; ++i)
      if (crowned(list_[i]) && list_[i].captureCount() > m) m = list_[i].captureCount();
    if (m < 0) return count_;
    return compact([m, crowned](const Move& move) { return !crowned(move) || move.captureCount() == m; });
  }

  int keepGreatestQuality() {
    int best = 0;
    for (int i = 0; i < count_; ++i) best = list_[i].quality() > best ? list_[i].quality() : best;
    return compact([best](const Move& move) { return move.quality() == best; });
  }

  // A king's captures, where there are any, before the men's.
  int keepKingsCaptures() {
    bool king = false;
    for (int i = 0; i < count_ && !king; ++i) king = list_[i].pieceKind() == King;
    if (!king) return count_;
    return compact([](const Move& move) { return move.pieceKind() == King; });
  }

  int choose(Choice choice) {
    switch (choice) {
      case Choice::All: break;
      case Choice::GreatestNumber: return keepGreatestNumber();
      case Choice::GreatestNumberThenQuality: return keepGreatestNumberThenQuality();
      case Choice::LongestOfCrowning: return keepLongestOfCrowning();
      case Choice::GreatestNumberThenKings: return keepGreatestNumberThenQuality();
      case Choice::GreatestNumberThenKingFirst:
        if (keepGreatestNumber() == 1) return count_;
        keepKingsCaptures();
        return keepGreatestQuality();
      case Choice::GreatestValueThenKingFirst: keepGreatestQuality(); return keepKingsCaptures();
    }
    return count_;
  }

  // Routes to one captured set from one square to one square are one
  // move: the first found stays. The lists are short; most hold one move.
  int keepOnePerCapturedSet() {
    constexpr std::uint64_t kEnds = Move::pack(0xff, 0xff, 0, 0);
    int kept = 0;
    for (int i = 0; i < count_; ++i) {
      bool seen = false;
      for (int j = 0; j < kept && !seen; ++j)
        seen = list_[j].captured == list_[i].captured && ((list_[j].fields ^ list_[i].fields) & kEnds) == 0;
      if (!seen) list_[kept++] = list_[i];
    }
    return count_ = kept;
  }

  int chooseAmongCaptures(Choice choice) {
    choose(choice);
    if constexpr (rules.oneMovePerCapturedSet) keepOnePerCapturedSet();
    return count_;
  }

  // Plain moves never fill the list: 30 kings of 22 squares each are 660.
  void addPlain(int from, int to, int kind, int kindAfter) {
    list_[count_++] = Move{0, Move::pack(from, to, kind, kindAfter) | sideField()};
  }

  template <int dx, int dy>
  [[gnu::always_inline]] void kingStep(Word at, int s) {
    constexpr int d = G::shift(dx, dy);
    if (empty_ & G::template shifted<d>(at)) addPlain(s, s + d, King, King);
  }

  template <int dx, int dy>
  [[gnu::always_inline]] void kingSlide(Word from, int s) {
    constexpr int d = G::shift(dx, dy);
    int to = s + d;
    for (Word at = G::template shifted<d>(from); at & empty_; at = G::template shifted<d>(at), to += d)
      addPlain(s, to, King, King);
  }

  void kingMoves(Word at, int s) {
    constexpr const Steps& moves = rules.king.moves;
    static_assert(!moves.forward);
    forEachDirection<moves>([&]<int dx, int dy>() __attribute__((always_inline)) {
      if constexpr (moves.slides)
        kingSlide<dx, dy>(at, s);
      else
        kingStep<dx, dy>(at, s);
    });
  }

  int kingMoveCount(Word at) const {
    constexpr const Steps& moves = rules.king.moves;
    int count = 0;
    forEachDirection<moves>([&]<int dx, int dy>() __attribute__((always_inline)) {
      constexpr int d = G::shift(dx, dy);
      Word to = G::template shifted<d>(at) & empty_;
      if constexpr (moves.slides)
        for (; to != 0; to = G::template shifted<d>(to) & empty_) ++count;
      else
        count += to != 0 ? 1 : 0;
    });
    return count;
  }

  // Pieces in scan order; a man to the left forward, then to the right.
  template <int forward>
  void plainPass() {
    constexpr const Steps& manMoves = rules.man.moves;
    static_assert(manMoves.forward && manMoves.count == 2 && manMoves.step[0].dx == -1 && manMoves.step[0].dy == 1 &&
                  manMoves.step[1].dx == 1 && manMoves.step[1].dy == 1);
    constexpr int left = G::shift(-1, forward), right = G::shift(1, forward);
    const Word men = own_ & ~ownKings_, kings = ownKings_;
    const Word toLeft = men & G::template shifted<-left>(empty_);
    const Word toRight = men & G::template shifted<-right>(empty_);
    const Word crownLeft = toLeft & G::template shifted<-left>(promotion_);
    const Word crownRight = toRight & G::template shifted<-right>(promotion_);
    if constexpr (order == MoveOrder::Count) {
      count_ += squareCount(toLeft) + squareCount(toRight);
      for (Word bits = kings; bits != 0; bits &= bits - 1) count_ += kingMoveCount(bits & (0 - bits));
      return;
    }
    // A man's two moves differ from its square's in fixed fields only.
    const std::uint64_t leftFields = Move::pack(0, 0, Man, Man) + (static_cast<std::uint64_t>(left) << 8) + sideField();
    const std::uint64_t rightFields =
        Move::pack(0, 0, Man, Man) + (static_cast<std::uint64_t>(right) << 8) + sideField();
    constexpr std::uint64_t kCrowned = Move::pack(0, 0, 0, King - Man);
    // Kept in locals: the moves' stores could otherwise alias the fields.
    Move* const list = list_;
    int count = count_;
    if constexpr (!inOrder) {
      const auto add = [&](Word from, std::uint64_t fields) {
        for (; from != 0; from &= from - 1)
          list[count++] = Move{0, static_cast<std::uint64_t>(lowestSquare(from)) * 0x101 + fields};
      };
      add(toLeft & ~crownLeft, leftFields);
      add(crownLeft, leftFields + kCrowned);
      add(toRight & ~crownRight, rightFields);
      add(crownRight, rightFields + kCrowned);
      count_ = count;
      for (Word bits = kings; bits != 0; bits &= bits - 1) kingMoves(bits & (0 - bits), lowestSquare(bits));
      return;
    }
    for (Word bits = toLeft | toRight | kings; bits != 0; bits &= bits - 1) {
      const Word b = bits & (0 - bits);
      const int s = lowestSquare(bits);
      if (kings & b) {
        count_ = count;
        kingMoves(b, s);
        count = count_;
        continue;
      }
      // Both moves are written; each counts only when its square is free.
      const std::uint64_t square = static_cast<std::uint64_t>(s) * 0x101;
      list[count] = Move{0, square + leftFields + ((crownLeft & b) ? kCrowned : 0)};
      count += (toLeft & b) ? 1 : 0;
      list[count] = Move{0, square + rightFields + ((crownRight & b) ? kCrowned : 0)};
      count += (toRight & b) ? 1 : 0;
    }
    count_ = count;
  }

  const Word own_, ownKings_;
  Word empty_;     // the moving piece lifted, removed pieces' squares too
  Word takeable_;  // the opponent's pieces not yet taken in this sequence
  const Word opponentKings_, promotion_;
  const int side_;
  Move* const list_;
  int count_ = 0;
  // The sequence being built.
  Word captured_ = 0;
  int from_ = 0, pieceKind_ = Man, quality_ = 0;
};

template <RuleFamily F, int N, MoveOrder order>
int generate(const BitBoard<N>& b, int side, BitMove<N>* list) {
  return Generator<F, N, order>(b, side, list).run();
}

template <RuleFamily F, int N>
int look(const BitBoard<N>& b, int side) {
  return Generator<F, N, MoveOrder::Listed>(b, side, nullptr).look();
}

template <RuleFamily F, int N>
BitLook<N> lookOf() {
  if constexpr (onDarkSquaresOnly(familyRules(F)))
    return look<F, N>;
  else
    return nullptr;
}

// None for a family whose moves leave the dark squares.
template <RuleFamily F, int N>
BitGenerator<N> generatorOf(MoveOrder order) {
  if constexpr (onDarkSquaresOnly(familyRules(F))) {
    switch (order) {
      case MoveOrder::Listed: return generate<F, N, MoveOrder::Listed>;
      case MoveOrder::Any: return generate<F, N, MoveOrder::Any>;
      case MoveOrder::Count: return generate<F, N, MoveOrder::Count>;
    }
  }
  return nullptr;
}

}  // namespace

template <int N>
BitBoard<N> readBitBoard(const Board& board) {
  using G = Geometry<N>;
  BitBoard<N> b{};
  for (int y = 0; y < N; ++y)
    for (int x = y % 2; x < N; x += 2) {
      const Cell& c = board[y][x];
      if (c.kind == Empty) continue;
      b.pieces[c.side & 1] |= G::bit(G::square(x, y));
      if (c.kind == King) b.kings |= G::bit(G::square(x, y));
    }
  return b;
}

template <int N>
BitGenerator<N> bitGeneratorFor(RuleFamily family, MoveOrder order) {
  switch (family) {
    case RuleFamily::American: return generatorOf<RuleFamily::American, N>(order);
    case RuleFamily::International: return generatorOf<RuleFamily::International, N>(order);
    case RuleFamily::PoolCheckers: return generatorOf<RuleFamily::PoolCheckers, N>(order);
    case RuleFamily::Russian: return generatorOf<RuleFamily::Russian, N>(order);
    case RuleFamily::Italian: return generatorOf<RuleFamily::Italian, N>(order);
    case RuleFamily::Spanish: return generatorOf<RuleFamily::Spanish, N>(order);
    case RuleFamily::Thai: return generatorOf<RuleFamily::Thai, N>(order);
    case RuleFamily::Turkish: return generatorOf<RuleFamily::Turkish, N>(order);
    case RuleFamily::Gothic: return generatorOf<RuleFamily::Gothic, N>(order);
    case RuleFamily::Frisian: return generatorOf<RuleFamily::Frisian, N>(order);
    case RuleFamily::AmericanOfficial: return generatorOf<RuleFamily::AmericanOfficial, N>(order);
    case RuleFamily::InternationalOfficial: return generatorOf<RuleFamily::InternationalOfficial, N>(order);
    case RuleFamily::PoolCheckersOfficial: return generatorOf<RuleFamily::PoolCheckersOfficial, N>(order);
    case RuleFamily::RussianOfficial: return generatorOf<RuleFamily::RussianOfficial, N>(order);
    case RuleFamily::ItalianOfficial: return generatorOf<RuleFamily::ItalianOfficial, N>(order);
    case RuleFamily::SpanishOfficial: return generatorOf<RuleFamily::SpanishOfficial, N>(order);
    case RuleFamily::FrisianOfficial: return generatorOf<RuleFamily::FrisianOfficial, N>(order);
  }
  return nullptr;
}

template <int N>
BitLook<N> bitLookFor(RuleFamily family) {
  switch (family) {
    case RuleFamily::American: return lookOf<RuleFamily::American, N>();
    case RuleFamily::International: return lookOf<RuleFamily::International, N>();
    case RuleFamily::PoolCheckers: return lookOf<RuleFamily::PoolCheckers, N>();
    case RuleFamily::Russian: return lookOf<RuleFamily::Russian, N>();
    case RuleFamily::Italian: return lookOf<RuleFamily::Italian, N>();
    case RuleFamily::Spanish: return lookOf<RuleFamily::Spanish, N>();
    case RuleFamily::Thai: return lookOf<RuleFamily::Thai, N>();
    case RuleFamily::Turkish: return lookOf<RuleFamily::Turkish, N>();
    case RuleFamily::Gothic: return lookOf<RuleFamily::Gothic, N>();
    case RuleFamily::Frisian: return lookOf<RuleFamily::Frisian, N>();
    case RuleFamily::AmericanOfficial: return lookOf<RuleFamily::AmericanOfficial, N>();
    case RuleFamily::InternationalOfficial: return lookOf<RuleFamily::InternationalOfficial, N>();
    case RuleFamily::PoolCheckersOfficial: return lookOf<RuleFamily::PoolCheckersOfficial, N>();
    case RuleFamily::RussianOfficial: return lookOf<RuleFamily::RussianOfficial, N>();
    case RuleFamily::ItalianOfficial: return lookOf<RuleFamily::ItalianOfficial, N>();
    case RuleFamily::SpanishOfficial: return lookOf<RuleFamily::SpanishOfficial, N>();
    case RuleFamily::FrisianOfficial: return lookOf<RuleFamily::FrisianOfficial, N>();
  }
  return nullptr;
}

template BitBoard<8> readBitBoard<8>(const Board&);
template BitBoard<10> readBitBoard<10>(const Board&);
template BitBoard<12> readBitBoard<12>(const Board&);
template BitGenerator<8> bitGeneratorFor<8>(RuleFamily, MoveOrder);
template BitGenerator<10> bitGeneratorFor<10>(RuleFamily, MoveOrder);
template BitGenerator<12> bitGeneratorFor<12>(RuleFamily, MoveOrder);
template BitLook<8> bitLookFor<8>(RuleFamily);
template BitLook<10> bitLookFor<10>(RuleFamily);
template BitLook<12> bitLookFor<12>(RuleFamily);

}  // namespace velmora
