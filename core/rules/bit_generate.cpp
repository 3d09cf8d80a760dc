// The move generator of the diagonal variants on bitboards: the moves of
// generateMoves, in its order, as compact moves. Captures first, pieces in
// scan order (the bits from the lowest are the rows upwards, each from the
// left), each piece's capture search depth first in its fixed direction
// order; the variant's choice among them; plain moves only when there is none.

#include "core/rules/bitboard.h"
#include "core/rules/move.h"

namespace velmora {

namespace {

enum class ManCapture { Forward, ForwardMenOnly, FourWay, Russian, Frisian };
enum class KingCapture { Short, Flying, Thai, Frisian };
enum class Choice { All, GreatestNumber, GreatestNumberThenQuality, Russian };

struct Rules {
  ManCapture man;
  KingCapture king;
  Choice choice;
  bool slidingKings;  // plain moves along whole diagonals, or one square
};

// clang-format off
constexpr Rules kAmerican     {ManCapture::Forward,        KingCapture::Short,   Choice::GreatestNumber,            false};
constexpr Rules kInternational{ManCapture::FourWay,        KingCapture::Flying,  Choice::GreatestNumber,            true};
constexpr Rules kPoolCheckers {ManCapture::FourWay,        KingCapture::Flying,  Choice::All,                       true};
constexpr Rules kRussian      {ManCapture::Russian,        KingCapture::Flying,  Choice::Russian,                   true};
constexpr Rules kItalian      {ManCapture::ForwardMenOnly, KingCapture::Short,   Choice::GreatestNumberThenQuality, false};
constexpr Rules kSpanish      {ManCapture::Forward,        KingCapture::Flying,  Choice::GreatestNumberThenQuality, true};
constexpr Rules kThai         {ManCapture::Forward,        KingCapture::Thai,    Choice::All,                       true};
constexpr Rules kFrisian      {ManCapture::Frisian,        KingCapture::Frisian, Choice::GreatestNumberThenQuality, true};
// clang-format on

// `inOrder`: plain moves piece by piece as generateMoves lists them; else
// direction by direction, which perft may count in any order.
template <const Rules& rules, int N, bool inOrder>
class Generator {
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

  int run() {
    if constexpr (rules.choice == Choice::Russian) {
      // Kings' captures come first and exclude the men's.
      capturePass(King);
      if (count_ > 0) return keepGreatestNumber();
      capturePass(Man);
      if (count_ > 0) return keepRussianCrownedLongest();
    } else {
      capturePass(Empty);
      if (count_ > 0) return choose();
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

  // A piece taken at step `depth`: a man counts 100, a king 300 - depth.
  int worth(Word victim, int depth) const { return (opponentKings_ & victim) ? 300 - depth : 100; }

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
    const Word victim = advance<dx, dy>(at);
    if (!(takeable_ & victim)) return false;
    const Word landing = advance<dx, dy>(victim);
    if (!(empty_ & landing)) return false;
    if (menOnly && (opponentKings_ & victim)) return false;
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
    do {
      next(landing, depth + 1);
      if (nearestOnly || full()) break;
      landing = advance<dx, dy>(landing);
    } while (landing & empty_);
    toggleTaken<false>(victim, -quality);
    return true;
  }

  // Men that capture forward only and kings one square at a time remove
  // what they take; a man landing on its promotion row is crowned there and,
  // with no forward jump left, ends.
  void forwardMan(Word at, int depth) {
    if (atLimit(at, depth, manKindAt(at))) return;
    constexpr bool menOnly = rules.man == ManCapture::ForwardMenOnly;
    const auto next = [this](Word to, int d) { forwardMan(to, d); };
    bool found;
    if (side_ == White) {
      found = jump<-1, 1, true, menOnly>(at, depth, next);
      found |= jump<1, 1, true, menOnly>(at, depth, next);
    } else {
      found = jump<-1, -1, true, menOnly>(at, depth, next);
      found |= jump<1, -1, true, menOnly>(at, depth, next);
    }
    if (!found && depth >= 1) record(at, manKindAt(at), depth);
  }

  void shortKing(Word at, int depth) {
    if (atLimit(at, depth, King)) return;
    const auto next = [this](Word to, int d) { shortKing(to, d); };
    bool found = jump<-1, 1, true, false>(at, depth, next);
    found |= jump<1, 1, true, false>(at, depth, next);
    found |= jump<-1, -1, true, false>(at, depth, next);
    found |= jump<1, -1, true, false>(at, depth, next);
    if (!found && depth >= 1) record(at, King, depth);
  }

  // Men of the flying-king family and Frisian men capture backwards too and
  // mark what they take; crowned only when the whole sequence ends on the
  // promotion row.
  void fourWayMan(Word at, int depth) {
    if (atLimit(at, depth, manKindAt(at))) return;
    const auto next = [this](Word to, int d) { fourWayMan(to, d); };
    bool found = jump<-1, 1, false, false>(at, depth, next);
    found |= jump<1, 1, false, false>(at, depth, next);
    found |= jump<-1, -1, false, false>(at, depth, next);
    found |= jump<1, -1, false, false>(at, depth, next);
    if constexpr (rules.man == ManCapture::Frisian) {
      // Straight along columns and rows, over the playable squares two apart.
      found |= jump<0, 2, false, false>(at, depth, next);
      found |= jump<0, -2, false, false>(at, depth, next);
      found |= jump<2, 0, false, false>(at, depth, next);
      found |= jump<-2, 0, false, false>(at, depth, next);
    }
    if (!found && depth >= 1) record(at, manKindAt(at), depth);
  }

  // Every jump of a Russian man ends a listed move. A man crowned by a jump
  // goes on as a flying king, still recorded as a man; when it has nothing
  // more to take, the king search lists the sequence a second time.
  template <int dx, int dy>
  [[gnu::always_inline]] void russianJump(Word at, int depth) {
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
      russianMan(landing, depth + 1);
    else
      flyingKing(landing, depth + 1);
    takeable_ ^= victim;
    quality_ -= quality;
    captured_ ^= victim;
  }

  void russianMan(Word at, int depth) {
    if (depth == kMaxSteps || full()) return;
    russianJump<1, 1>(at, depth);
    russianJump<-1, 1>(at, depth);
    russianJump<1, -1>(at, depth);
    russianJump<-1, -1>(at, depth);
  }

  void flyingKing(Word at, int depth) {
    if (atLimit(at, depth, King)) return;
    constexpr bool nearest = rules.king == KingCapture::Thai;  // lands directly behind the piece
    const auto next = [this](Word to, int d) { flyingKing(to, d); };
    bool found = line<1, 1, nearest>(at, depth, next);
    found |= line<-1, 1, nearest>(at, depth, next);
    found |= line<1, -1, nearest>(at, depth, next);
    found |= line<-1, -1, nearest>(at, depth, next);
    if constexpr (rules.king == KingCapture::Frisian) {
      found |= line<0, 2, false>(at, depth, next);
      found |= line<0, -2, false>(at, depth, next);
      found |= line<2, 0, false>(at, depth, next);
      found |= line<-2, 0, false>(at, depth, next);
    }
    if (!found && depth >= 1) record(at, King, depth);
  }

  void manSearch(Word at) {
    if constexpr (rules.man == ManCapture::Forward || rules.man == ManCapture::ForwardMenOnly)
      forwardMan(at, 0);
    else if constexpr (rules.man == ManCapture::Russian)
      russianMan(at, 0);
    else
      fourWayMan(at, 0);
  }

  void kingSearch(Word at) {
    if constexpr (rules.king == KingCapture::Short)
      shortKing(at, 0);
    else
      flyingKing(at, 0);
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

  Word fourWayJumpers(Word victims) const {
    return jumpers<-1, 1>(victims) | jumpers<1, 1>(victims) | jumpers<-1, -1>(victims) | jumpers<1, -1>(victims);
  }

  // The men whose search finds something: exactly those with a first jump.
  Word menThatCapture(Word men) const {
    if (men == 0) return 0;
    const Word victims = rules.man == ManCapture::ForwardMenOnly ? takeable_ & ~opponentKings_ : takeable_;
    if constexpr (rules.man == ManCapture::Forward || rules.man == ManCapture::ForwardMenOnly) {
      if (side_ == White) return men & (jumpers<-1, 1>(victims) | jumpers<1, 1>(victims));
      return men & (jumpers<-1, -1>(victims) | jumpers<1, -1>(victims));
    }
    Word from = fourWayJumpers(victims);
    if constexpr (rules.man == ManCapture::Frisian)
      from |= jumpers<0, 2>(victims) | jumpers<0, -2>(victims) | jumpers<2, 0>(victims) | jumpers<-2, 0>(victims);
    return men & from;
  }

  // Short kings are tested at once; a flying king's search is its own test.
  Word kingsThatMayCapture(Word kings) const {
    if (kings == 0) return 0;
    if constexpr (rules.king == KingCapture::Short) return kings & fourWayJumpers(takeable_);
    return kings;
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
        kingSearch(b);
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
  int keepRussianCrownedLongest() {
    const auto crowned = [](const Move& move) { return move.kindAfter() != move.pieceKind(); };
    int m = -1;
    for (int i = 0; i < count_; ++i)
      if (crowned(list_[i]) && list_[i].captureCount() > m) m = list_[i].captureCount();
    if (m < 0) return count_;
    return compact([m, crowned](const Move& move) { return !crowned(move) || move.captureCount() == m; });
  }

  int choose() {
    if constexpr (rules.choice == Choice::GreatestNumber) return keepGreatestNumber();
    if constexpr (rules.choice == Choice::GreatestNumberThenQuality) return keepGreatestNumberThenQuality();
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
    if constexpr (rules.slidingKings) {
      kingSlide<1, 1>(at, s);
      kingSlide<-1, 1>(at, s);
      kingSlide<1, -1>(at, s);
      kingSlide<-1, -1>(at, s);
    } else {
      kingStep<-1, 1>(at, s);
      kingStep<1, 1>(at, s);
      kingStep<-1, -1>(at, s);
      kingStep<1, -1>(at, s);
    }
  }

  // Pieces in scan order; a man to the left forward, then to the right.
  template <int forward>
  void plainPass() {
    constexpr int left = G::shift(-1, forward), right = G::shift(1, forward);
    const Word men = own_ & ~ownKings_, kings = ownKings_;
    const Word toLeft = men & G::template shifted<-left>(empty_);
    const Word toRight = men & G::template shifted<-right>(empty_);
    const Word crownLeft = toLeft & G::template shifted<-left>(promotion_);
    const Word crownRight = toRight & G::template shifted<-right>(promotion_);
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

template <const Rules& rules, int N, bool inOrder>
int generate(const BitBoard<N>& b, int side, BitMove<N>* list) {
  return Generator<rules, N, inOrder>(b, side, list).run();
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
  const bool inOrder = order == MoveOrder::Listed;
  switch (family) {
    case RuleFamily::American: return inOrder ? generate<kAmerican, N, true> : generate<kAmerican, N, false>;
    case RuleFamily::International:
      return inOrder ? generate<kInternational, N, true> : generate<kInternational, N, false>;
    case RuleFamily::PoolCheckers:
      return inOrder ? generate<kPoolCheckers, N, true> : generate<kPoolCheckers, N, false>;
    case RuleFamily::Russian: return inOrder ? generate<kRussian, N, true> : generate<kRussian, N, false>;
    case RuleFamily::Italian: return inOrder ? generate<kItalian, N, true> : generate<kItalian, N, false>;
    case RuleFamily::Spanish: return inOrder ? generate<kSpanish, N, true> : generate<kSpanish, N, false>;
    case RuleFamily::Thai: return inOrder ? generate<kThai, N, true> : generate<kThai, N, false>;
    case RuleFamily::Frisian: return inOrder ? generate<kFrisian, N, true> : generate<kFrisian, N, false>;
    case RuleFamily::Turkish:
    case RuleFamily::Gothic: return nullptr;
  }
  return nullptr;
}

template BitBoard<8> readBitBoard<8>(const Board&);
template BitBoard<10> readBitBoard<10>(const Board&);
template BitBoard<12> readBitBoard<12>(const Board&);
template BitGenerator<8> bitGeneratorFor<8>(RuleFamily, MoveOrder);
template BitGenerator<10> bitGeneratorFor<10>(RuleFamily, MoveOrder);
template BitGenerator<12> bitGeneratorFor<12>(RuleFamily, MoveOrder);

}  // namespace velmora
