// The generator framework every variant shares: captures first, scanned row
// by row; the variant's choice among them; plain moves only when there is none.

#include "rules/generate.h"

#include <cstring>

#include "rules/generator_parts.h"

namespace velmora {

namespace {

using namespace gen;

enum class Choice { All, GreatestNumber, GreatestNumberThenQuality };

struct VariantRules {
  CaptureSearch manCapture;
  CaptureSearch kingCapture;
  Choice choice;
  PlainMoves manPlain;
  PlainMoves kingPlain;
};

constexpr VariantRules kAmerican{forwardManSearch, shortKingSearch, Choice::GreatestNumber, diagonalManPlain,
                                 shortKingPlain};
constexpr VariantRules kInternational{fourWayManSearch, flyingKingSearch, Choice::GreatestNumber, diagonalManPlain,
                                      flyingKingPlain};
constexpr VariantRules kPoolCheckers{fourWayManSearch, flyingKingSearch, Choice::All, diagonalManPlain,
                                     flyingKingPlain};
constexpr VariantRules kItalian{italianManSearch, shortKingSearch, Choice::GreatestNumberThenQuality,
                                diagonalManPlain, shortKingPlain};
constexpr VariantRules kSpanish{forwardManSearch, flyingKingSearch, Choice::GreatestNumberThenQuality,
                                diagonalManPlain, flyingKingPlain};
constexpr VariantRules kThai{forwardManSearch, thaiKingSearch, Choice::All, diagonalManPlain, flyingKingPlain};
constexpr VariantRules kTurkish{turkishManSearch, turkishKingSearch, Choice::GreatestNumber, turkishManPlain,
                                turkishKingPlain};
constexpr VariantRules kGothic{gothicManSearch, gothicKingSearch, Choice::GreatestNumber, gothicManPlain,
                               gothicKingPlain};
constexpr VariantRules kFrisian{frisianManSearch, frisianKingSearch, Choice::GreatestNumberThenQuality,
                                diagonalManPlain, flyingKingPlain};


// The mover's pieces in scan order (rows from 0, columns from 0 within a row),
// found in one pass so that the capture and plain passes visit only them.
struct Pieces {
  std::int8_t x[kMaxBoardSize * kMaxBoardSize];
  std::int8_t y[kMaxBoardSize * kMaxBoardSize];
  int count;
};

void findPieces(const Context& g, Pieces& p) {
  const int n = g.n, mover = g.mover;
  int count = 0;
  for (int y = 0; y < n; ++y) {
    const Cell* row = g.state.board[y];
    for (int x = 0; x < n; ++x)
      if (row[x].kind != Empty && row[x].side == mover) {
        p.x[count] = static_cast<std::int8_t>(x);
        p.y[count] = static_cast<std::int8_t>(y);
        ++count;
      }
  }
  p.count = count;
}

// Runs the capture search of each piece whose kind is `only` (any kind when
// Empty), lifted off its square so that the square counts as empty during
// its own search.
template <const VariantRules& rules>
void capturePass(Context& g, const Pieces& p, int only) {
  for (int i = 0; i < p.count; ++i) {
    const int x = p.x[i], y = p.y[i];
    Cell& c = g.at(x, y);
    const int kind = c.kind;
    if (only != Empty && kind != only) continue;
    c.kind = Empty;
    (kind == Man ? rules.manCapture : rules.kingCapture)(g, x, y, 0, Start{x, y, kind});
    c.kind = kind;
  }
}

template <const VariantRules& rules>
void plainPass(Context& g, const Pieces& p) {
  for (int i = 0; i < p.count; ++i) {
    const int x = p.x[i], y = p.y[i];
    (g.at(x, y).kind == Man ? rules.manPlain : rules.kingPlain)(g, x, y);
  }
}

// One instance per variant family, so that the searches and plain moves of the
// family are called directly in the hot loops.
template <const VariantRules& rules>
void generateTabled(Context& g) {
  Pieces pieces;
  findPieces(g, pieces);
  capturePass<rules>(g, pieces, Empty);
  if (g.state.moveCount > 0) {
    if (rules.choice == Choice::GreatestNumber) keepGreatestNumber(g);
    if (rules.choice == Choice::GreatestNumberThenQuality) keepGreatestNumberThenQuality(g);
    return;
  }
  plainPass<rules>(g, pieces);
}

// Russian: kings' captures come first and exclude the men's.
constexpr VariantRules kRussian{russianManSearch, flyingKingSearch, Choice::All, diagonalManPlain, flyingKingPlain};

void generateRussian(Context& g) {
  Pieces pieces;
  findPieces(g, pieces);
  capturePass<kRussian>(g, pieces, King);
  if (g.state.moveCount > 0) {
    keepGreatestNumber(g);
    return;
  }
  capturePass<kRussian>(g, pieces, Man);
  if (g.state.moveCount > 0) {
    keepRussianCrownedLongest(g);
    return;
  }
  plainPass<kRussian>(g, pieces);
}

}  // namespace

void generateMoves(MoveRecord* list, GameState& state, int side) {
  state.moveCount = 0;
  state.moverSide = side;
  state.opponentSide = otherSide(side);
  Context g{state, list, state.boardSize, side, otherSide(side)};
  switch (state.gameType) {
    case Brazilian:
    case Canadian:
    case International: return generateTabled<kInternational>(g);
    case PoolCheckers: return generateTabled<kPoolCheckers>(g);
    case Russian: return generateRussian(g);
    case Italian: return generateTabled<kItalian>(g);
    case Spanish: return generateTabled<kSpanish>(g);
    case Thai: return generateTabled<kThai>(g);
    case Turkish: return generateTabled<kTurkish>(g);
    case Gothic: return generateTabled<kGothic>(g);
    case Frisian: return generateTabled<kFrisian>(g);
    default: return generateTabled<kAmerican>(g);  // American, Crowded, Sparse checkers, unknown values
  }
}

int captureQuality(const MoveRecord& move) {
  int quality = 0;
  for (int j = 0; j < move.captureCount; ++j) {
    quality += move.steps[j].capturedKind * 100;
    if (move.steps[j].capturedKind == King) quality += 100 - j;
  }
  return quality;
}

// Captured pieces, then the origin, then the destination: a capture may end on
// its own starting square.
void applyMove(const MoveRecord& move, MoveRecord& slot, GameState& state) {
  const int steps = move.captureCount > 0 ? move.captureCount : 1;
  if (&slot != &move) std::memcpy(&slot, &move, 5 + sizeof(MoveStep) * static_cast<size_t>(steps));
  for (int k = 0; k < move.captureCount; ++k) state.board[move.steps[k].capturedY][move.steps[k].capturedX].kind = Empty;
  state.board[move.fromY][move.fromX].kind = Empty;
  const MoveStep& last = move.finalStep();
  state.board[last.toY][last.toX] = Cell{last.kindAfter, move.pieceSide};
}

void undoMove(const MoveRecord& move, GameState& state) {
  const int opponent = otherSide(move.pieceSide);
  for (int k = 0; k < move.captureCount; ++k)
    state.board[move.steps[k].capturedY][move.steps[k].capturedX] = Cell{move.steps[k].capturedKind, opponent};
  const MoveStep& last = move.finalStep();
  state.board[last.toY][last.toX].kind = Empty;
  state.board[move.fromY][move.fromX] = Cell{move.pieceKind, move.pieceSide};
}

}  // namespace velmora
