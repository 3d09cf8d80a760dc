#include "core/ai/expert_eval.h"

#include <algorithm>
#include <cstdlib>

#include "core/rules/game_result.h"
#include "core/rules/rule_family.h"

namespace velmora {

namespace {

struct Piece {
  int x, y, side, kind;
};

// The pieces of the board, read once: every term below walks this list.
struct Pieces {
  Piece list[kMaxBoardSize * kMaxBoardSize];
  int count = 0;
  int men[2] = {};
  int kings[2] = {};
  int of(int s) const { return men[s] + kings[s]; }
};

void readPieces(const Position& p, Pieces& out) {
  for (int y = 0; y < p.boardSize; ++y)
    for (int x = 0; x < p.boardSize; ++x) {
      const Cell& c = p.board[y][x];
      if (c.kind == Empty) continue;
      const int s = c.side & 1;
      out.list[out.count++] = Piece{x, y, s, c.kind};
      (c.kind == Man ? out.men : out.kings)[s] += 1;
    }
}

int forwardOf(int side) { return side == White ? 1 : -1; }

// Rows a man of `side` on row y has come from its home row.
int progress(int side, int y, int n) { return side == White ? y : n - 1 - y; }

bool onBoard(int x, int y, int n) { return x >= 0 && y >= 0 && x < n && y < n; }

// No enemy piece stands in the widening cone ahead of the man, so none can
// meet it before it crowns: it runs through unless a king hunts it down.
bool runsThrough(const Position& p, int side, int x, int y) {
  const int n = p.boardSize, f = forwardOf(side);
  for (int k = 1;; ++k) {
    const int row = y + f * k;
    if (row < 0 || row >= n) return true;
    for (int cx = std::max(0, x - k - 1); cx <= std::min(n - 1, x + k + 1); ++cx) {
      const Cell& c = p.board[row][cx];
      if (c.kind != Empty && (c.side & 1) != side) return false;
    }
  }
}

// Empty squares a flying king reaches along its lines: the lines it controls.
int kingReach(const Position& p, int x, int y, const Steps& lines) {
  int reach = 0;
  for (const Step& d : lines)
    for (int cx = x + d.dx, cy = y + d.dy; onBoard(cx, cy, p.boardSize) && p.board[cy][cx].kind == Empty;
         cx += d.dx, cy += d.dy)
      ++reach;
  return reach;
}

int distance(int x1, int y1, int x2, int y2) { return std::max(std::abs(x1 - x2), std::abs(y1 - y2)); }

// Rows or columns the square is from the nearest edge.
int edgeDistance(int x, int y, int n) { return std::min(std::min(x, n - 1 - x), std::min(y, n - 1 - y)); }

// The sum over the kings of `side` of the distance to the nearest enemy piece.
int kingDistances(const Pieces& all, int side, int n) {
  int sum = 0;
  for (int k = 0; k < all.count; ++k) {
    const Piece& king = all.list[k];
    if (king.kind != King || king.side != side) continue;
    int nearest = n;
    for (int e = 0; e < all.count; ++e)
      if (all.list[e].side != side) nearest = std::min(nearest, distance(king.x, king.y, all.list[e].x, all.list[e].y));
    sum += nearest;
  }
  return sum;
}

// The ending where one side has only kings left and fewer pieces: the
// stronger side closes in on them and drives them to the edge.
int huntScore(const Pieces& all, int strong, int n) {
  int score = 0;
  for (int w = 0; w < all.count; ++w) {
    const Piece& weak = all.list[w];
    if (weak.kind != King || weak.side == strong) continue;
    score -= 6 * edgeDistance(weak.x, weak.y, n);
    for (int k = 0; k < all.count; ++k) {
      const Piece& c = all.list[k];
      if (c.kind == King && c.side == strong) score -= 3 * distance(c.x, c.y, weak.x, weak.y);
    }
  }
  return score;
}

}  // namespace

int expertKingValue(GameType type) { return kingsFly(familyRulesOf(type)) ? 300 : 160; }

int expertEvaluate(const Position& p, int side, int quietPlies) {
  return expertEvaluate(p, side, quietPlies, builtInPatterns(p.gameType));
}

int expertEvaluate(const Position& p, int side, int quietPlies, const PatternWeights* patterns) {
  const int n = p.boardSize;
  Pieces m;
  readPieces(p, m);
  const FamilyRules& rules = familyRulesOf(p.gameType);
  const bool flying = kingsFly(rules);
  const int kingValue = expertKingValue(p.gameType);
  const int total = m.of(White) + m.of(Black);
  // Men count for more the fewer pieces are left: an extra man decides an
  // ending, while early on it is often given back.
  const bool ending = total <= n;

  int score[2] = {};
  for (int s = 0; s < 2; ++s) score[s] = m.men[s] * kManValue + m.kings[s] * kingValue;

  for (int k = 0; k < m.count; ++k) {
    const Piece& c = m.list[k];
    const int s = c.side, enemy = s ^ 1, x = c.x, y = c.y;
    int& v = score[s];
    if (c.kind == Man) {
      const int r = progress(s, y, n);
      v += r * (ending ? 6 : 3);
      if (x >= 2 && x <= n - 3 && r >= 2 && r <= n - 3) v += 4;  // centre
      if (r == 0 && m.men[enemy] > 0 && !ending) v += 6;         // guards the crowning row
      if (m.kings[enemy] == 0 && 2 * r >= n && runsThrough(p, s, x, y)) v += 30 + 8 * r;
    } else if (flying) {
      v += 2 * kingReach(p, x, y, rules.king.moves);
    } else {
      v += 4 * edgeDistance(x, y, n);
    }
  }

  // The side ahead goes after the other's pieces with its kings: waiting
  // draws, by the quiet run or by repetition.
  const int materialLead =
      m.men[White] * kManValue + m.kings[White] * kingValue - (m.men[Black] * kManValue + m.kings[Black] * kingValue);
  if (materialLead != 0) {
    const int strong = materialLead > 0 ? White : Black;
    if (m.kings[strong] > 0) score[strong] -= 2 * kingDistances(m, strong, n);
    // Where kings step one square and men may not take them (Italian), an ending of
    // kings is slow to win and the quiet run draws it, so the side ahead
    // trades pieces while men are left to take and to be taken.
    if (!flying && rules.man.takesMenOnly) {
      const int start = 2 * variantInfo(p.gameType).rowsOfMen * n / 2;  // pieces at the start
      score[strong] += std::abs(materialLead) * std::max(0, start - total) / (2 * start);
    }
  }

  int result = score[side] - score[side ^ 1];
  if (patterns != nullptr && patterns->boardSize == n) result += patternScore(*patterns, p.board, side);

  // A lone king against kings only holds the draw where kings fly and the
  // other side has too few; a king against a king draws everywhere.
  for (int strong = 0; strong < 2; ++strong) {
    const int weak = strong ^ 1;
    if (m.men[weak] == 0 && m.of(weak) < m.of(strong)) {
      const int hunt = huntScore(m, strong, n);
      result += strong == side ? hunt : -hunt;
    }
  }
  if (m.men[White] == 0 && m.men[Black] == 0) {
    const int more = std::max(m.kings[White], m.kings[Black]), fewer = std::min(m.kings[White], m.kings[Black]);
    if (fewer >= 1 && (more <= fewer || (flying && fewer == 1 && more <= 2))) result /= 16;
  }
  // A long quiet run draws: the lead counts for less as it runs out, so the
  // side ahead makes progress with its men or a capture while it still can.
  if (quietPlies > kQuietMovesForDraw / 3)
    result = result * (kQuietMovesForDraw + 5 - quietPlies) / (kQuietMovesForDraw + 5 - kQuietMovesForDraw / 3);
  return result;
}

int giveAwayEvaluate(const Position& p, int side) {
  const int n = p.boardSize;
  int score[2] = {};
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      const Cell& c = p.board[y][x];
      if (c.kind == Empty) continue;
      const int s = c.side & 1;
      // Every piece is a burden, a king (which moves freely) the more so.
      score[s] -= c.kind == King ? 250 : kManValue;
      if (c.kind == Man) {
        // A man with an open square ahead is a move the side must still use up.
        const int ty = y + forwardOf(s);
        int open = 0;
        for (int dx : {-1, 1})
          if (onBoard(x + dx, ty, n) && p.board[ty][x + dx].kind == Empty) open = 1;
        score[s] -= 5 * open;
      }
    }
  return score[side] - score[side ^ 1];
}

}  // namespace velmora
