#include "core/ai/endgame_build.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "core/rules/move.h"
#include "core/rules/position_text.h"
#include "core/rules/rule_family.h"

namespace velmora {

namespace {

const char kStopped[] = "stopped";

// What the moves of a position lead to, from the entries known so far.
struct Exits {
  int moves = 0;
  int inside = 0;             // plain moves, which keep the material
  int shortestWin = INT_MAX;  // plies through a successor lost for the opponent
  int longestLoss = 0;        // plies through the successors won for the opponent
  bool draw = false;          // a successor is drawn
  bool missing = false;       // a successor's material is not held
};

// A plain move keeps the material; a capture or a crowning changes it.
template <int N>
bool keepsMaterial(const BitMove<N>& m) {
  return m.captured == 0 && m.kindAfter() == m.pieceKind();
}

template <int N>
void addExit(Exits& e, int value) {
  if (value < 0) {
    e.missing = true;
    return;
  }
  const EndgameResult r = endgameResult(static_cast<std::uint8_t>(value));
  if (r.outcome == EndgameOutcome::Loss) e.shortestWin = std::min(e.shortestWin, r.plies + 1);
  if (r.outcome == EndgameOutcome::Win) e.longestLoss = std::max(e.longestLoss, r.plies + 1);
  if (r.outcome == EndgameOutcome::Draw) e.draw = true;
}

// Calls visit(q) for each position q, `mover` to move, from which a plain
// move of `mover` leads to `b`: each piece of `mover` stepped back the way
// it came, onto an empty square. Whether the move was legal in q (no
// capture to make instead) is the caller's to ask.
template <int N, class Visit>
void forEachUnmove(const BitBoard<N>& b, int mover, const FamilyRules& rules, Visit&& visit) {
  using G = Geometry<N>;
  const auto empty = G::kBoard & ~(b.pieces[White] | b.pieces[Black]);
  for (auto w = b.pieces[mover]; w != 0; w &= w - 1) {
    const int to = lowestSquare(w);
    const bool king = (b.kings & G::bit(to)) != 0;
    const Steps& steps = king ? rules.king.moves : rules.man.moves;
    const int x = G::column(to), y = G::row(to);
    for (const Step& step : steps) {
      const int dx = step.dx, dy = steps.forward && mover == Black ? -step.dy : step.dy;
      for (int fx = x - dx, fy = y - dy; fx >= 0 && fy >= 0 && fx < N && fy < N; fx -= dx, fy -= dy) {
        const auto from = G::bit(G::square(fx, fy));
        if ((empty & from) == 0) break;
        BitBoard<N> q = b;
        q.pieces[mover] ^= G::bit(to) | from;
        if (king) q.kings ^= G::bit(to) | from;
        visit(q);
        if (!steps.slides) break;
      }
    }
  }
}

template <int N>
std::string describe(const BitBoard<N>& b, int side) {
  using G = Geometry<N>;
  Board board = {};
  for (int y = 0; y < N; ++y)
    for (int x = y % 2; x < N; x += 2) {
      const auto bit = G::bit(G::square(x, y));
      const int owner = (b.pieces[White] & bit) != 0 ? White : (b.pieces[Black] & bit) != 0 ? Black : -1;
      if (owner >= 0) board[y][x] = {(b.kings & bit) != 0 ? King : Man, owner};
    }
  return positionText(board, N, side);
}

std::string resultText(int value) {
  if (value < 0) return "nothing";
  const EndgameResult r = endgameResult(static_cast<std::uint8_t>(value));
  const char* name = r.outcome == EndgameOutcome::Win ? "win" : r.outcome == EndgameOutcome::Loss ? "loss" : "draw";
  return r.outcome == EndgameOutcome::Draw ? name : std::string(name) + " in " + std::to_string(r.plies);
}

// The retrograde analysis of one material. A forward pass lists what the
// captures and crownings lead to, from the finished tables, and counts the
// plain moves of each position; then the positions are settled in order of
// their plies to the end, each telling the positions a plain move leads
// from: a loss makes them wins one ply further, a win takes one of their
// ways out, and the last way out taken makes them losses. What is never
// settled is a draw.
template <int N>
class Builder {
 public:
  Builder(const EndgameDb<N>& db, const Material& m, const std::atomic<bool>* stop)
      : db_(db),
        stop_(stop),
        index_(m),
        rules_(familyRules(db.family())),
        generate_(bitGeneratorFor<N>(db.family(), MoveOrder::Any)),
        look_(bitLookFor<N>(db.family())),
        moves_(kMaxMoves) {}

  std::optional<std::string> run(std::vector<std::uint8_t>& values) {
    const std::uint64_t size = index_.size();
    if (size > UINT32_MAX) return "too many positions for one table";
    flags_.assign(size, 0);
    open_.assign(size, 0);
    plies_.assign(size, 0);
    if (auto problem = countExits()) return problem;
    for (std::size_t level = 0; level < buckets_.size(); ++level) {
      for (std::size_t at = 0; at < buckets_[level].size(); ++at) {
        if (stopping(at)) return kStopped;
        const std::uint32_t i = buckets_[level][at];
        if ((flags_[i] & kSettled) != 0) continue;  // settled earlier by a shorter win
        if (level > kLongestEndgamePlies)
          return "a game longer than " + std::to_string(kLongestEndgamePlies) + " plies";
        flags_[i] |= kSettled;
        tellPredecessors(i, static_cast<int>(level));
      }
      std::vector<std::uint32_t>().swap(buckets_[level]);
    }
    values.resize(size);
    for (std::uint64_t i = 0; i < size; ++i)
      values[i] = (flags_[i] & kSettled) != 0 && (flags_[i] & kDrawn) == 0 ? static_cast<std::uint8_t>(plies_[i] + 1)
                                                                           : std::uint8_t{0};
    return std::nullopt;
  }

 private:
  enum : std::uint8_t { kSettled = 1, kWinFound = 2, kDrawExit = 4, kDrawn = 8 };

  // The flag is read every few thousand positions: often enough to stop
  // within a moment, seldom enough to cost nothing.
  bool stopping(std::uint64_t count) const {
    return (count & 0xfff) == 0 && stop_ != nullptr && stop_->load(std::memory_order_relaxed);
  }

  void settleAt(std::uint64_t i, int plies) {
    plies_[i] = static_cast<std::uint16_t>(plies);
    const auto level = static_cast<std::size_t>(plies);
    if (level >= buckets_.size()) buckets_.resize(level + 1);
    buckets_[level].push_back(static_cast<std::uint32_t>(i));
  }

  std::optional<std::string> countExits() {
    for (std::uint64_t i = 0; i < index_.size(); ++i) {
      if (stopping(i)) return kStopped;
      const BitBoard<N> b = index_.board(i);
      const int side = EndgameIndex<N>::side(i);
      Exits e;
      e.moves = generate_(b, side, moves_.data());
      for (int k = 0; k < e.moves; ++k) {
        const BitMove<N>& m = moves_[static_cast<std::size_t>(k)];
        if (keepsMaterial(m))
          ++e.inside;
        else
          addExit<N>(e, db_.value(played(b, m, side), side ^ 1));
      }
      if (e.missing) return "the table a move leads to is missing from " + describe(b, side);
      if (e.shortestWin != INT_MAX) {
        flags_[i] = kWinFound;
        settleAt(i, e.shortestWin);
      } else if (e.inside == 0 && e.draw) {
        flags_[i] = kSettled | kDrawn;
      } else if (e.inside == 0) {
        settleAt(i, e.longestLoss);  // no move at all: lost at once
      } else {
        open_[i] = static_cast<std::uint8_t>(e.inside);
        plies_[i] = static_cast<std::uint16_t>(e.longestLoss);
        flags_[i] = e.draw ? kDrawExit : 0;
      }
    }
    return std::nullopt;
  }

  void tellPredecessors(std::uint32_t i, int plies) {
    const BitBoard<N> b = index_.board(i);
    const int mover = EndgameIndex<N>::side(i) ^ 1;
    const bool lost = plies % 2 == 0;
    forEachUnmove<N>(b, mover, rules_, [&](const BitBoard<N>& q) {
      if (look_(q, mover) == 2) return;  // a capture was due instead
      const std::uint64_t j = index_.index(q, mover);
      std::uint8_t& f = flags_[j];
      if ((f & kSettled) != 0) return;
      if (lost) {
        if ((f & kWinFound) != 0 && plies_[j] <= plies + 1) return;
        f |= kWinFound;
        settleAt(j, plies + 1);
        return;
      }
      --open_[j];
      if ((f & kWinFound) != 0) return;
      plies_[j] = static_cast<std::uint16_t>(std::max<int>(plies_[j], plies + 1));
      if (open_[j] == 0 && (f & kDrawExit) == 0) settleAt(j, plies_[j]);
    });
  }

  const EndgameDb<N>& db_;
  const std::atomic<bool>* stop_;
  EndgameIndex<N> index_;
  const FamilyRules& rules_;
  BitGenerator<N> generate_;
  BitLook<N> look_;
  std::vector<BitMove<N>> moves_;
  std::vector<std::uint8_t> flags_;
  std::vector<std::uint8_t> open_;                   // plain moves to successors not yet known won
  std::vector<std::uint16_t> plies_;                 // the win found, else the longest loss so far
  std::vector<std::vector<std::uint32_t>> buckets_;  // positions to settle, by plies
};

}  // namespace

template <int N>
std::optional<std::string> buildEndgameTable(EndgameDb<N>& db, const Material& m, const std::atomic<bool>* stop) {
  if (!endgameFamily(db.family())) return "no tables for these rules";
  if (m.pieces() > kMaxEndgamePieces) return "more than " + std::to_string(kMaxEndgamePieces) + " pieces";
  EndgameTable<N> table{EndgameIndex<N>(m), {}};
  // The colours exchanged and the board turned round, a table already
  // built serves: its position with the other side to move is the same game.
  if (const EndgameTable<N>* mirror = db.table(m.flipped()); mirror != nullptr && !(m.flipped() == m)) {
    table.values.resize(table.index.size());
    for (std::uint64_t i = 0; i < table.index.size(); ++i) {
      const std::uint64_t j = mirror->index.index(flippedBoard(table.index.board(i)), EndgameIndex<N>::side(i) ^ 1);
      table.values[i] = mirror->values[j];
    }
  } else if (auto problem = Builder<N>(db, m, stop).run(table.values)) {
    return materialName(m) + ": " + *problem;
  }
  db.add(std::move(table));
  return std::nullopt;
}

template <int N>
std::optional<std::string> verifyEndgameTable(const EndgameDb<N>& db, const Material& m) {
  const EndgameTable<N>* table = db.table(m);
  if (table == nullptr) return materialName(m) + ": no table";
  const BitGenerator<N> generate = bitGeneratorFor<N>(db.family(), MoveOrder::Any);
  if (generate == nullptr) return "no tables for these rules";
  std::vector<BitMove<N>> moves(kMaxMoves);
  for (std::uint64_t i = 0; i < table->index.size(); ++i) {
    const BitBoard<N> b = table->index.board(i);
    const int side = EndgameIndex<N>::side(i);
    if (table->index.index(b, side) != i) return materialName(m) + ": position " + std::to_string(i) + " numbered anew";
    Exits e;
    e.moves = generate(b, side, moves.data());
    for (int k = 0; k < e.moves; ++k)
      addExit<N>(e, db.value(played(b, moves[static_cast<std::size_t>(k)], side), side ^ 1));
    if (e.missing) return materialName(m) + ": the table a move leads to is missing from " + describe(b, side);
    const int expected = e.shortestWin != INT_MAX ? e.shortestWin + 1 : e.draw ? 0 : e.longestLoss + 1;
    if (table->values[i] != expected)
      return materialName(m) + ": " + describe(b, side) + " holds " + resultText(table->values[i]) +
             ", its moves make it " + resultText(expected);
  }
  return std::nullopt;
}

template std::optional<std::string> buildEndgameTable<8>(EndgameDb<8>&, const Material&, const std::atomic<bool>*);
template std::optional<std::string> buildEndgameTable<10>(EndgameDb<10>&, const Material&, const std::atomic<bool>*);
template std::optional<std::string> verifyEndgameTable<8>(const EndgameDb<8>&, const Material&);
template std::optional<std::string> verifyEndgameTable<10>(const EndgameDb<10>&, const Material&);

}  // namespace velmora
