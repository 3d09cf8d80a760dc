// The oracle of the engine's generators: a plain walk over the board's cells,
// square by square, that takes the rules of each family from its description
// and shares no code with the engine. Slow on purpose: nothing is pre-tested,
// nothing is kept as bits, a capture is followed cell by cell.

#include "support/reference_generator.h"

#include <algorithm>
#include <initializer_list>

#include "core/rules/rule_family.h"

namespace velmora::reference {

namespace {

class Walk {
 public:
  Walk(GameState& state, MoveRecord* list, int side)
      : s_(state),
        rules_(familyRules(rulesOf(state))),
        list_(list),
        n_(state.boardSize),
        mover_(side),
        forward_(side == White ? 1 : -1),
        crowningRow_(side == White ? state.boardSize - 1 : 0) {}

  void run() {
    s_.moveCount = 0;
    if (rules_.kingsCaptureFirst) {
      if (captures(King)) return chooseOne(rules_.choice);
      if (captures(Man)) return chooseOne(rules_.menChoice);
    } else if (captures(Empty)) {
      return chooseOne(rules_.choice);
    }
    plainMoves();
  }

 private:
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < n_ && y < n_; }
  bool emptyAt(int x, int y) const { return inside(x, y) && s_.board[y][x].kind == Empty; }
  // A piece the capture may take: the opponent's, and not taken yet.
  bool victimAt(int x, int y) const {
    if (!inside(x, y)) return false;
    const Cell& c = s_.board[y][x];
    return c.kind != Empty && c.side != mover_ && !taken_[y][x];
  }
  bool full() const { return s_.moveCount >= kMaxMoves; }
  Step oriented(const Steps& steps, const Step& d) const { return {d.dx, steps.forward ? d.dy * forward_ : d.dy}; }

  static MoveStep jump(int toX, int toY, int kindAfter, int victimX, int victimY, int victimKind) {
    const auto byte = [](int v) { return static_cast<std::int8_t>(v); };
    return MoveStep{byte(toX), byte(toY), byte(kindAfter), byte(victimX), byte(victimY), byte(victimKind)};
  }

  void add(const MoveRecord& m) {
    if (!full()) list_[s_.moveCount++] = m;
  }

  // The capture so far, from the lifted piece, as a record.
  void record(int depth, bool crownAtTheEnd) {
    MoveRecord m{};
    m.fromX = static_cast<std::int8_t>(fromX_);
    m.fromY = static_cast<std::int8_t>(fromY_);
    m.pieceKind = static_cast<std::int8_t>(fromKind_);
    m.pieceSide = static_cast<std::int8_t>(mover_);
    m.captureCount = static_cast<std::int8_t>(depth);
    std::copy(path_, path_ + depth, m.steps);
    MoveStep& last = m.steps[depth - 1];
    if (crownAtTheEnd && last.toY == crowningRow_) last.kindAfter = King;
    add(m);
  }

  // Every piece of the mover of kind `only` (either kind when Empty), rows
  // upwards and each row from the left, lifted off its square while its
  // captures are looked for. Returns whether any was found.
  bool captures(int only) {
    for (int y = 0; y < n_; ++y)
      for (int x = 0; x < n_; ++x) {
        Cell& c = s_.board[y][x];
        if (c.kind == Empty || c.side != mover_ || (only != Empty && c.kind != only)) continue;
        fromX_ = x;
        fromY_ = y;
        fromKind_ = c.kind;
        c.kind = Empty;
        if (fromKind_ == King)
          kingCaptures(x, y, 0);
        else
          manCaptures(x, y, 0);
        c.kind = fromKind_;
      }
    return s_.moveCount > 0;
  }

  // Takes the victim for the deeper search and gives it back after it.
  template <class Deeper>
  void take(int vx, int vy, bool remove, Deeper deeper) {
    Cell& victim = s_.board[vy][vx];
    const Cell kept = victim;
    taken_[vy][vx] = true;
    if (remove) victim.kind = Empty;
    deeper();
    victim = kept;
    taken_[vy][vx] = false;
  }

  void manCaptures(int x, int y, int depth) {
    const bool stopAnywhere = rules_.menStopAnywhere;
    const bool crownAtTheEnd = rules_.crowning == Crowning::AtTheEnd;
    if (full() || depth == kMaxSteps) {
      if (!stopAnywhere && depth == kMaxSteps) record(depth, crownAtTheEnd);
      return;
    }
    const PieceRules& man = rules_.man;
    bool found = false;
    for (const Step& raw : man.captures) {
      const Step d = oriented(man.captures, raw);
      const int vx = x + d.dx, vy = y + d.dy, lx = vx + d.dx, ly = vy + d.dy;
      if (!victimAt(vx, vy) || !emptyAt(lx, ly)) continue;
      const int victimKind = s_.board[vy][vx].kind;
      if (man.takesMenOnly && victimKind != Man) continue;
      found = true;
      // Landing on the crowning row, not moving along it, crowns, unless
      // only the end of the capture counts.
      const bool crowns = !crownAtTheEnd && d.dy != 0 && ly == crowningRow_;
      path_[depth] = jump(lx, ly, crowns ? King : Man, vx, vy, victimKind);
      if (stopAnywhere) record(depth + 1, false);
      take(vx, vy, man.removesTaken, [&] {
        if (crowns && rules_.crowning == Crowning::GoesOnAsKing)
          kingCaptures(lx, ly, depth + 1);
        else
          manCaptures(lx, ly, depth + 1);
      });
    }
    if (!found && depth >= 1 && !stopAnywhere) record(depth, crownAtTheEnd);
  }

  void kingCaptures(int x, int y, int depth) {
    if (full()) return;
    if (depth == kMaxSteps) return record(depth, false);
    const PieceRules& king = rules_.king;
    bool found = false;
    for (const Step& d : king.captures) {
      int vx = x + d.dx, vy = y + d.dy;
      if (king.reach != Reach::Jump)
        while (emptyAt(vx, vy)) vx += d.dx, vy += d.dy;
      if (!victimAt(vx, vy) || !emptyAt(vx + d.dx, vy + d.dy)) continue;
      found = true;
      const int victimKind = s_.board[vy][vx].kind;
      take(vx, vy, king.removesTaken, [&] {
        // A king that must go on lands only where it can, if it can anywhere.
        bool goesOn = false;
        for (int lx = vx + d.dx, ly = vy + d.dy; rules_.kingsGoOn && emptyAt(lx, ly); lx += d.dx, ly += d.dy)
          goesOn = goesOn || kingTakesFrom(lx, ly);
        for (int lx = vx + d.dx, ly = vy + d.dy; emptyAt(lx, ly); lx += d.dx, ly += d.dy) {
          if (goesOn && !kingTakesFrom(lx, ly)) continue;
          path_[depth] = jump(lx, ly, King, vx, vy, victimKind);
          kingCaptures(lx, ly, depth + 1);
          if (king.reach != Reach::Line) break;
        }
      });
    }
    if (!found && depth >= 1) record(depth, false);
  }

  bool kingTakesFrom(int x, int y) const {
    for (const Step& d : rules_.king.captures) {
      int vx = x + d.dx, vy = y + d.dy;
      while (emptyAt(vx, vy)) vx += d.dx, vy += d.dy;
      if (victimAt(vx, vy) && emptyAt(vx + d.dx, vy + d.dy)) return true;
    }
    return false;
  }

  static int kingsTaken(const MoveRecord& m) {
    int kings = 0;
    for (int j = 0; j < m.captureCount; ++j) kings += m.steps[j].capturedKind == King;
    return kings;
  }
  // Ranks the captures with one number of kings by the steps their kings
  // fell at: the earliest first king the highest.
  static int earlyKings(const MoveRecord& m) {
    int rank = 0;
    for (int j = 0; j < m.captureCount; ++j)
      if (m.steps[j].capturedKind == King) rank |= 1 << (kMaxSteps - 1 - j);
    return rank;
  }
  // A king counts nearly two men: the men a capture is worth, then fewer kings.
  static int value(const MoveRecord& m) { return 2 * (m.captureCount + kingsTaken(m)) * 32 - kingsTaken(m); }
  static int byKing(const MoveRecord& m) { return m.pieceKind == King; }

  // The choice, then one move per captured set where the routes are one.
  void chooseOne(Choice choice) {
    choose(choice);
    if (!rules_.oneMovePerCapturedSet) return;
    int kept = 0;
    for (int i = 0; i < s_.moveCount; ++i) {
      const MoveRecord& m = list_[i];
      const auto same = [&](const MoveRecord& k) {
        if (k.fromX != m.fromX || k.fromY != m.fromY || k.captureCount != m.captureCount) return false;
        if (k.finalStep().toX != m.finalStep().toX || k.finalStep().toY != m.finalStep().toY) return false;
        for (int j = 0; j < m.captureCount; ++j) {
          const auto at = [&](const MoveStep& st) {
            return st.capturedX == m.steps[j].capturedX && st.capturedY == m.steps[j].capturedY;
          };
          if (std::none_of(k.steps, k.steps + k.captureCount, at)) return false;
        }
        return true;
      };
      if (std::none_of(list_, list_ + kept, same)) list_[kept++] = m;
    }
    s_.moveCount = kept;
  }

  // What a capture is worth for the choice by quality: a man 100, a king
  // taken at step j 300 - j, so that kings taken early weigh more.
  static int worth(const MoveRecord& m) {
    int sum = 0;
    for (int j = 0; j < m.captureCount; ++j) sum += m.steps[j].capturedKind == King ? 300 - j : 100;
    return sum;
  }
  static bool crowned(const MoveRecord& m) { return m.finalStep().kindAfter != m.pieceKind; }

  template <class Keep>
  void keepOnly(Keep keep) {
    const auto end = std::stable_partition(list_, list_ + s_.moveCount, keep);
    s_.moveCount = static_cast<int>(end - list_);
  }

  // The captures that measure most by each measure in turn.
  void keepMost(std::initializer_list<int (*)(const MoveRecord&)> measures) {
    for (const auto measure : measures) {
      const int best = most(measure);
      keepOnly([&](const MoveRecord& m) { return measure(m) == best; });
    }
  }

  template <class Measure>
  int most(Measure measure) const {
    int best = -1;
    for (int i = 0; i < s_.moveCount; ++i) best = std::max(best, measure(list_[i]));
    return best;
  }

  void choose(Choice choice) {
    const auto length = [](const MoveRecord& m) { return static_cast<int>(m.captureCount); };
    switch (choice) {
      case Choice::All: return;
      case Choice::GreatestNumber:
      case Choice::GreatestNumberThenQuality: {
        const int longest = most(length);
        keepOnly([&](const MoveRecord& m) { return length(m) == longest; });
        if (choice == Choice::GreatestNumber) return;
        const int best = most(worth);
        keepOnly([&](const MoveRecord& m) { return worth(m) == best; });
        return;
      }
      case Choice::LongestOfCrowning: {
        const int longest = most([&](const MoveRecord& m) { return crowned(m) ? length(m) : -1; });
        keepOnly([&](const MoveRecord& m) { return !crowned(m) || length(m) == longest; });
        return;
      }
      case Choice::GreatestNumberThenKings: return keepMost({length, kingsTaken});
      case Choice::GreatestNumberThenKingFirst: return keepMost({length, byKing, kingsTaken, earlyKings});
      case Choice::GreatestValueThenKingFirst: return keepMost({value, byKing});
    }
  }

  void plainMove(int x, int y, int toX, int toY, int kindAfter) {
    MoveRecord m{};
    m.fromX = static_cast<std::int8_t>(x);
    m.fromY = static_cast<std::int8_t>(y);
    m.pieceKind = static_cast<std::int8_t>(s_.board[y][x].kind);
    m.pieceSide = static_cast<std::int8_t>(mover_);
    m.steps[0].toX = static_cast<std::int8_t>(toX);
    m.steps[0].toY = static_cast<std::int8_t>(toY);
    m.steps[0].kindAfter = static_cast<std::int8_t>(kindAfter);
    add(m);
  }

  void plainMoves() {
    for (int y = 0; y < n_; ++y)
      for (int x = 0; x < n_; ++x) {
        const Cell& c = s_.board[y][x];
        if (c.kind == Empty || c.side != mover_) continue;
        const Steps& steps = c.kind == King ? rules_.king.moves : rules_.man.moves;
        for (const Step& raw : steps) {
          const Step d = oriented(steps, raw);
          for (int tx = x + d.dx, ty = y + d.dy; emptyAt(tx, ty); tx += d.dx, ty += d.dy) {
            const bool crowns = c.kind == King || (d.dy != 0 && ty == crowningRow_);
            plainMove(x, y, tx, ty, crowns ? King : Man);
            if (!steps.slides) break;
          }
        }
      }
  }

  GameState& s_;
  const FamilyRules& rules_;
  MoveRecord* list_;
  const int n_, mover_, forward_, crowningRow_;
  int fromX_ = 0, fromY_ = 0, fromKind_ = Man;
  MoveStep path_[kMaxSteps] = {};
  bool taken_[kMaxBoardSize][kMaxBoardSize] = {};
};

}  // namespace

void generateMoves(MoveRecord* list, GameState& state, int side) { Walk(state, list, side).run(); }

}  // namespace velmora::reference
