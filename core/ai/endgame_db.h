#pragma once
// The endgame databases of one rules family and board: the outcome under
// best play of every position of the materials it holds, for the side to
// move, and the plies to the game's end (the shortest win, the longest
// loss). Filled by the builder or from the files in a folder; probing
// allocates nothing.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ai/endgame_index.h"
#include "core/rules/bitboard.h"

namespace velmora {

enum class EndgameOutcome { Win, Loss, Draw };

struct EndgameResult {
  EndgameOutcome outcome;
  int plies;  // to the end of the game; 0 for a draw
  bool operator==(const EndgameResult&) const = default;
};

// One byte a position: 0 a draw, else the plies to the end plus one. A
// loss is an even number of plies away and a win an odd one, so the byte
// says both.
constexpr int kLongestEndgamePlies = 254;
constexpr std::uint8_t endgameValue(EndgameOutcome o, int plies) {
  return o == EndgameOutcome::Draw ? std::uint8_t{0} : static_cast<std::uint8_t>(plies + 1);
}
constexpr EndgameResult endgameResult(std::uint8_t value) {
  if (value == 0) return {EndgameOutcome::Draw, 0};
  const int plies = value - 1;
  return {plies % 2 == 1 ? EndgameOutcome::Win : EndgameOutcome::Loss, plies};
}

template <int N>
struct EndgameTable {
  EndgameIndex<N> index;
  std::vector<std::uint8_t> values;  // by index
};

template <int N>
class EndgameDb {
 public:
  explicit EndgameDb(RuleFamily family) : family_(family) {}

  RuleFamily family() const { return family_; }
  // The largest number of pieces of the materials held.
  int maxPieces() const { return maxPieces_; }
  const EndgameTable<N>* table(const Material& m) const;
  // Keeps `table`, replacing one of the same material.
  void add(EndgameTable<N> table);

  // Loads the file of `m` for the family and board from `folder`; says what
  // is wrong with a file that is missing, damaged or foreign.
  std::optional<std::string> load(const std::string& folder, const Material& m);
  // Loads every material of 1 to `pieces` pieces; stops at the first that
  // does not load.
  std::optional<std::string> loadAll(const std::string& folder, int pieces);

  // The byte of the position (see endgameValue), or -1 where its material
  // is not held. The board must be a legal position.
  int value(const BitBoard<N>& b, int side) const {
    const Material m = materialOf(b);
    if (m.pieces() > maxPieces_) return -1;
    const EndgameTable<N>* t = table(m);
    return t != nullptr ? t->values[t->index.index(b, side)] : -1;
  }
  // Nothing for a position whose material is not held, or that no game
  // reaches (a man on its crowning row, pieces on one square).
  std::optional<EndgameResult> probe(const BitBoard<N>& b, int side) const;

 private:
  static int slotOf(const Material& m) {
    constexpr int k = kMaxEndgamePieces + 1;
    return ((m.whiteMen * k + m.whiteKings) * k + m.blackMen) * k + m.blackKings;
  }
  static constexpr int kSlots =
      (kMaxEndgamePieces + 1) * (kMaxEndgamePieces + 1) * (kMaxEndgamePieces + 1) * (kMaxEndgamePieces + 1);

  RuleFamily family_;
  int maxPieces_ = 0;
  std::vector<std::unique_ptr<EndgameTable<N>>> tables_;
  std::vector<std::int16_t> slots_ = std::vector<std::int16_t>(kSlots, -1);
};

template <int N>
inline const EndgameTable<N>* EndgameDb<N>::table(const Material& m) const {
  if (m.pieces() > kMaxEndgamePieces) return nullptr;
  const int slot = slots_[static_cast<std::size_t>(slotOf(m))];
  return slot < 0 ? nullptr : tables_[static_cast<std::size_t>(slot)].get();
}

// Every material of `pieces` pieces or fewer, at least one of them on the
// board, in an order in which each comes after every material its moves
// lead to: fewer pieces first, then fewer men.
std::vector<Material> endgameMaterials(int pieces);

// The families a database is built for: those on the dark squares of the
// board, where the side left without a move loses.
bool endgameFamily(RuleFamily family);

}  // namespace velmora
