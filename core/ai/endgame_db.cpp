#include "core/ai/endgame_db.h"

#include <algorithm>

#include "core/ai/endgame_file.h"
#include "core/platform/file_read.h"
#include "core/rules/rule_family.h"

namespace velmora {

std::vector<Material> endgameMaterials(int pieces) {
  std::vector<Material> list;
  for (int total = 1; total <= std::min(pieces, kMaxEndgamePieces); ++total)
    for (int men = 0; men <= total; ++men)
      for (int whiteMen = 0; whiteMen <= men; ++whiteMen)
        for (int white = whiteMen; white <= total - (men - whiteMen); ++white)
          list.push_back({whiteMen, white - whiteMen, men - whiteMen, total - white - (men - whiteMen)});
  return list;
}

bool endgameFamily(RuleFamily family) { return onDarkSquaresOnly(familyRules(family)); }

template <int N>
void EndgameDb<N>::add(EndgameTable<N> table) {
  const Material m = table.index.material();
  auto& slot = slots_[static_cast<std::size_t>(slotOf(m))];
  if (slot < 0) {
    slot = static_cast<std::int16_t>(tables_.size());
    tables_.push_back(nullptr);
  }
  tables_[static_cast<std::size_t>(slot)] = std::make_unique<EndgameTable<N>>(std::move(table));
  maxPieces_ = std::max(maxPieces_, m.pieces());
}

template <int N>
std::optional<std::string> EndgameDb<N>::load(const std::string& folder, const Material& m) {
  if (m.pieces() > kMaxEndgamePieces) return "more than " + std::to_string(kMaxEndgamePieces) + " pieces";
  const std::string name = endgameFileName(family_, N, m);
  const std::string path = folder + "/" + name;
  EndgameTable<N> t{EndgameIndex<N>(m), {}};
  std::string bytes;
  if (auto problem = readRegularFile(path, endgameFileBound(t.index.size()), bytes)) return *problem;
  if (auto problem = decodeEndgameTable(bytes, family_, N, m, t.index.size(), t.values)) return name + ": " + *problem;
  add(std::move(t));
  return std::nullopt;
}

template <int N>
std::optional<std::string> EndgameDb<N>::loadAll(const std::string& folder, int pieces) {
  for (const Material& m : endgameMaterials(pieces))
    if (auto problem = load(folder, m)) return problem;
  return std::nullopt;
}

template <int N>
std::optional<EndgameResult> EndgameDb<N>::probe(const BitBoard<N>& b, int side) const {
  using G = Geometry<N>;
  const auto all = b.pieces[White] | b.pieces[Black];
  const auto men = all & ~b.kings;
  if ((b.pieces[White] & b.pieces[Black]) != 0 || (b.kings & ~all) != 0 || (all & ~G::kBoard) != 0 ||
      (men & b.pieces[White] & G::promotionRow(White)) != 0 || (men & b.pieces[Black] & G::promotionRow(Black)) != 0)
    return std::nullopt;
  const int v = value(b, side & 1);
  if (v < 0) return std::nullopt;
  return endgameResult(static_cast<std::uint8_t>(v));
}

template class EndgameDb<8>;
template class EndgameDb<10>;

}  // namespace velmora
