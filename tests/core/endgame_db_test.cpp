// The endgame databases: the numbering of the positions, the tables built
// and checked against every position's moves, outcomes endgame theory
// knows, and the files, damaged and foreign ones included.

#include "core/ai/endgame_db.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

#include "core/ai/endgame_build.h"
#include "core/ai/endgame_file.h"
#include "core/platform/file_read.h"
#include "core/platform/file_write.h"
#include "support/test_support.h"

namespace velmora {
namespace {

// Every material of up to three pieces, built once for each family asked.
const EndgameDb<8>& threePieces(RuleFamily family) {
  static std::map<RuleFamily, std::unique_ptr<EndgameDb<8>>> built;
  auto& db = built[family];
  if (!db) {
    db = std::make_unique<EndgameDb<8>>(family);
    for (const Material& m : endgameMaterials(3)) {
      const auto problem = buildEndgameTable(*db, m);
      EXPECT_FALSE(problem) << *problem;
    }
  }
  return *db;
}

struct Probe {
  BitBoard<8> board;
  int side;
};

Probe bits(GameType type, const std::string& text) {
  const auto state = test::position(type, text);
  return {readBitBoard<8>(state->board), state->sideToMove()};
}

std::optional<EndgameResult> probe(const EndgameDb<8>& db, GameType type, const std::string& text) {
  const Probe p = bits(type, text);
  return db.probe(p.board, p.side);
}

// The positions of `m` counted one by one: each piece on a square of its
// own, a man off its crowning row, pieces of one kind in rising order.
template <int N>
std::uint64_t countByHand(const Material& m) {
  const int squares = N * N / 2, row = N / 2;
  // Kinds in order: white men, white kings, black men, black kings.
  const int counts[4] = {m.whiteMen, m.whiteKings, m.blackMen, m.blackKings};
  std::vector<int> kinds;
  for (int k = 0; k < 4; ++k) kinds.insert(kinds.end(), static_cast<std::size_t>(counts[k]), k);
  std::vector<int> at(kinds.size());
  std::uint64_t total = 0;
  const auto place = [&](const auto& self, std::size_t p) -> void {
    if (p == kinds.size()) {
      ++total;
      return;
    }
    const int first = p > 0 && kinds[p - 1] == kinds[p] ? at[p - 1] + 1 : 0;
    for (int s = first; s < squares; ++s) {
      if ((kinds[p] == 0 && s >= squares - row) || (kinds[p] == 2 && s < row)) continue;
      bool taken = false;
      for (std::size_t q = 0; q < p; ++q) taken = taken || at[q] == s;
      if (taken) continue;
      at[p] = s;
      self(self, p + 1);
    }
  };
  place(place, 0);
  return 2 * total;
}

template <int N>
void expectNumbering(const Material& m) {
  using G = Geometry<N>;
  const EndgameIndex<N> index(m);
  ASSERT_EQ(index.size(), countByHand<N>(m)) << materialName(m);
  for (std::uint64_t i = 0; i < index.size(); ++i) {
    const BitBoard<N> b = index.board(i);
    const auto men = ~b.kings;
    const bool fits = materialOf(b) == m && (b.pieces[White] & b.pieces[Black]) == 0 &&
                      ((b.pieces[White] | b.pieces[Black]) & ~G::kBoard) == 0 &&
                      (b.pieces[White] & men & G::promotionRow(White)) == 0 &&
                      (b.pieces[Black] & men & G::promotionRow(Black)) == 0;
    ASSERT_TRUE(fits) << materialName(m) << " number " << i;
    ASSERT_EQ(index.index(b, EndgameIndex<N>::side(i)), i) << materialName(m);
    const BitBoard<N> back = flippedBoard(flippedBoard(b));
    ASSERT_TRUE(back.pieces[White] == b.pieces[White] && back.pieces[Black] == b.pieces[Black] &&
                back.kings == b.kings);
    ASSERT_TRUE(materialOf(flippedBoard(b)) == m.flipped());
  }
}

TEST(EndgameIndex, NumbersEveryPositionOnceAndReadsItBack) {
  expectNumbering<8>({1, 1, 1, 0});
  expectNumbering<8>({2, 0, 1, 0});
  expectNumbering<8>({0, 1, 0, 2});
  expectNumbering<8>({1, 0, 2, 0});
  expectNumbering<8>({0, 0, 1, 0});
  expectNumbering<10>({1, 0, 1, 1});
  expectNumbering<10>({2, 0, 0, 1});
}

TEST(EndgameIndex, ListsMaterialsAfterThoseTheirMovesLeadTo) {
  const std::vector<Material> list = endgameMaterials(4);
  for (std::size_t i = 0; i < list.size(); ++i) {
    const Material& m = list[i];
    const auto before = [&](const Material& other) {
      for (std::size_t k = 0; k < i; ++k)
        if (list[k] == other) return true;
      return false;
    };
    // A crowning, then each kind of piece taken.
    std::vector<Material> next;
    if (m.whiteMen > 0) next.push_back({m.whiteMen - 1, m.whiteKings + 1, m.blackMen, m.blackKings});
    if (m.blackMen > 0) next.push_back({m.whiteMen, m.whiteKings, m.blackMen - 1, m.blackKings + 1});
    if (m.pieces() > 1) {
      if (m.whiteMen > 0) next.push_back({m.whiteMen - 1, m.whiteKings, m.blackMen, m.blackKings});
      if (m.whiteKings > 0) next.push_back({m.whiteMen, m.whiteKings - 1, m.blackMen, m.blackKings});
      if (m.blackMen > 0) next.push_back({m.whiteMen, m.whiteKings, m.blackMen - 1, m.blackKings});
      if (m.blackKings > 0) next.push_back({m.whiteMen, m.whiteKings, m.blackMen, m.blackKings - 1});
    }
    for (const Material& n : next) EXPECT_TRUE(before(n)) << materialName(n) << " after " << materialName(m);
  }
  EXPECT_EQ(list.size(), 4u + 10u + 20u + 35u);
}

TEST(EndgameBuild, EveryEntryAgreesWithItsMovesShortAndFlyingKings) {
  for (RuleFamily family : {RuleFamily::American, RuleFamily::Russian}) {
    const EndgameDb<8>& db = threePieces(family);
    for (const Material& m : endgameMaterials(3)) {
      const auto problem = verifyEndgameTable(db, m);
      EXPECT_FALSE(problem) << *problem;
    }
  }
}

TEST(EndgameBuild, VerifyNamesAWrongEntry) {
  EndgameDb<8> db(RuleFamily::American);
  for (const Material& m : endgameMaterials(2)) ASSERT_FALSE(buildEndgameTable(db, m));
  const Material kings{0, 1, 0, 1};
  EndgameTable<8> wrong = *db.table(kings);
  const auto won = std::find_if(wrong.values.begin(), wrong.values.end(),
                                [](std::uint8_t v) { return endgameResult(v).outcome == EndgameOutcome::Win; });
  ASSERT_NE(won, wrong.values.end());
  *won = endgameValue(EndgameOutcome::Draw, 0);
  db.add(std::move(wrong));
  const auto problem = verifyEndgameTable(db, kings);
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find("holds draw, its moves make it win"), std::string::npos) << *problem;
}

TEST(EndgameBuild, AManAloneWinsAtOnceAndNoPiecesLoses) {
  const EndgameTable<8>& man = *threePieces(RuleFamily::American).table({1, 0, 0, 0});
  for (std::uint64_t i = 0; i < man.values.size(); ++i) {
    const EndgameResult expected = EndgameIndex<8>::side(i) == White ? EndgameResult{EndgameOutcome::Win, 1}
                                                                     : EndgameResult{EndgameOutcome::Loss, 0};
    ASSERT_EQ(endgameResult(man.values[i]), expected) << i;
  }
}

// Two kings beat one wherever the lone king cannot win one of them (by a
// capture at once, or by a move after which every move of theirs leaves one
// to be taken) and neither stands in a single corner, where the lone king
// can shut it in.
TEST(EndgameBuild, TwoKingsBeatOneInAmerican) {
  const EndgameDb<8>& db = threePieces(RuleFamily::American);
  const EndgameTable<8>& t = *db.table({0, 2, 0, 1});
  const BitGenerator<8> generate = bitGeneratorFor<8>(RuleFamily::American);
  const BitLook<8> look = bitLookFor<8>(RuleFamily::American);
  std::vector<BitMove<8>> whiteMoves(kMaxMoves), blackMoves(kMaxMoves);
  const auto kingFalls = [&](const BitBoard<8>& b) {
    const int n = generate(b, White, whiteMoves.data());
    for (int k = 0; k < n; ++k)
      if (look(played(b, whiteMoves[static_cast<std::size_t>(k)], White), Black) != 2) return false;
    return true;
  };
  using G = Geometry<8>;
  const auto singleCorners = G::bit(G::square(0, 0)) | G::bit(G::square(7, 7));
  int strongToMove = 0, loneToMove = 0;
  for (std::uint64_t i = 0; i < t.values.size(); ++i) {
    const BitBoard<8> b = t.index.board(i);
    if ((b.pieces[White] & singleCorners) != 0) continue;
    const EndgameOutcome outcome = endgameResult(t.values[i]).outcome;
    if (EndgameIndex<8>::side(i) == White) {
      if (kingFalls(b)) continue;
      ++strongToMove;
      ASSERT_EQ(outcome, EndgameOutcome::Win) << i;
      continue;
    }
    if (look(b, Black) == 2) continue;
    bool threat = false;
    const int n = generate(b, Black, blackMoves.data());
    for (int k = 0; k < n && !threat; ++k)
      threat = kingFalls(played(b, blackMoves[static_cast<std::size_t>(k)], Black));
    if (threat) continue;
    ++loneToMove;
    ASSERT_EQ(outcome, EndgameOutcome::Loss) << i;
  }
  EXPECT_GT(strongToMove, 10000);
  EXPECT_GT(loneToMove, 10000);
}

TEST(EndgameBuild, KnownEndingsOfShortAndFlyingKings) {
  const EndgameDb<8>& american = threePieces(RuleFamily::American);
  const EndgameDb<8>& russian = threePieces(RuleFamily::Russian);
  const EndgameResult draw{EndgameOutcome::Draw, 0};
  const auto doubleCorner =
      probe(american, American, "W:.B....../......../......../......../...W.W../......../......../........");
  ASSERT_TRUE(doubleCorner);
  EXPECT_EQ(doubleCorner->outcome, EndgameOutcome::Win);
  // A king against a king far from it: a draw, whoever moves.
  EXPECT_EQ(probe(american, American, "W:.B....../......../......../......../...W..../......../......../........"),
            draw);
  EXPECT_EQ(probe(american, American, "B:.B....../......../......../......../...W..../......../......../........"),
            draw);
  EXPECT_EQ(probe(russian, Russian, "W:......../......../......../......B./...W..../......../......../........"), draw);
  EXPECT_EQ(probe(russian, Russian, "B:......../......../......../......B./...W..../......../......../........"), draw);
  // A king shut in the single corner must step out to be taken.
  const EndgameResult lostInTwo{EndgameOutcome::Loss, 2};
  EXPECT_EQ(probe(american, American, "B:......../......../......../......../......../..W...../......../B......."),
            lostInTwo);
  EXPECT_EQ(probe(russian, Russian, "B:.......W/......../......../......../......../......../......../B......."),
            lostInTwo);
  // A runaway man crowns first.
  const auto runaway =
      probe(american, American, "W:......../......../.......b/..w...../......../......../......../......w.");
  ASSERT_TRUE(runaway);
  EXPECT_EQ(runaway->outcome, EndgameOutcome::Win);
  const auto farBehind =
      probe(russian, Russian, "W:......../b......./......../....w.../......../......../......../........");
  ASSERT_TRUE(farBehind);
  EXPECT_EQ(farBehind->outcome, EndgameOutcome::Win);
}

TEST(EndgameDb, ProbesNothingOutsideItsMaterialOrOffTheGame) {
  const EndgameDb<8>& db = threePieces(RuleFamily::American);
  EXPECT_FALSE(probe(db, American, "W:......../......../.......b/..w...../.b....../......../......../......w."));
  using G = Geometry<8>;
  BitBoard<8> crowned{{G::bit(G::square(1, 7)), G::bit(G::square(2, 2))}, 0};  // a white man on its crowning row
  EXPECT_FALSE(db.probe(crowned, White));
  BitBoard<8> stacked{{G::bit(G::square(2, 2)), G::bit(G::square(2, 2))}, 0};
  EXPECT_FALSE(db.probe(stacked, White));
}

TEST(EndgameFile, ProbesFromFilesAgreeWithTheBuild) {
  const EndgameDb<8>& built = threePieces(RuleFamily::Russian);
  test::WorkDir dir;
  for (const Material& m : endgameMaterials(3))
    ASSERT_FALSE(writeEndgameTable(dir.path, RuleFamily::Russian, 8, m, built.table(m)->values));
  EndgameDb<8> read(RuleFamily::Russian);
  const auto problem = read.loadAll(dir.path, 3);
  ASSERT_FALSE(problem) << *problem;
  EXPECT_EQ(read.maxPieces(), 3);
  for (const Material& m : endgameMaterials(3)) {
    const EndgameTable<8>& t = *built.table(m);
    for (std::uint64_t i = 0; i < t.values.size(); ++i) {
      const auto r = read.probe(t.index.board(i), EndgameIndex<8>::side(i));
      ASSERT_TRUE(r && *r == endgameResult(t.values[i])) << materialName(m) << " " << i;
    }
  }
}

TEST(EndgameFile, RefusesDamagedTruncatedAndForeignFiles) {
  const EndgameDb<8>& built = threePieces(RuleFamily::American);
  const Material m{1, 0, 0, 1};
  const std::vector<std::uint8_t>& values = built.table(m)->values;
  const std::string good = encodeEndgameTable(RuleFamily::American, 8, m, values);
  const std::uint64_t positions = values.size();
  std::vector<std::uint8_t> out;
  ASSERT_FALSE(decodeEndgameTable(good, RuleFamily::American, 8, m, positions, out));
  EXPECT_EQ(out, values);

  for (std::size_t cut : {std::size_t{0}, std::size_t{9}, std::size_t{kEndgameHeaderBytes},
                          std::size_t{kEndgameHeaderBytes + 1}, good.size() / 2, good.size() - 1})
    EXPECT_TRUE(decodeEndgameTable(std::string_view(good).substr(0, cut), RuleFamily::American, 8, m, positions, out))
        << "cut at " << cut;
  EXPECT_TRUE(decodeEndgameTable(good + '\0', RuleFamily::American, 8, m, positions, out));
  for (std::size_t at = 0; at < good.size(); at += at < kEndgameHeaderBytes ? 1 : 7) {
    std::string bad = good;
    bad[at] = static_cast<char>(bad[at] ^ 0x21);
    EXPECT_TRUE(decodeEndgameTable(bad, RuleFamily::American, 8, m, positions, out)) << "byte " << at;
  }
  EXPECT_TRUE(decodeEndgameTable(good, RuleFamily::Russian, 8, m, positions, out));
  EXPECT_TRUE(decodeEndgameTable(good, RuleFamily::American, 10, m, positions, out));
  EXPECT_TRUE(decodeEndgameTable(good, RuleFamily::American, 8, m.flipped(), positions, out));

  // Through the folder: a missing file, and another table under this one's name.
  test::WorkDir dir;
  EndgameDb<8> db(RuleFamily::American);
  EXPECT_TRUE(db.load(dir.path, m));
  const std::string path = dir.path + "/" + endgameFileName(RuleFamily::American, 8, m);
  ASSERT_TRUE(replaceFile(path, encodeEndgameTable(RuleFamily::American, 8, m.flipped(), values)));
  const auto problem = db.load(dir.path, m);
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find("other material"), std::string::npos) << *problem;
  EXPECT_FALSE(db.probe(
      bits(American, "W:......../......../......../..w...../......../......../...B..../........").board, White));
}

}  // namespace
}  // namespace velmora
