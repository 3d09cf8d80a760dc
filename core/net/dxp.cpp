#include "core/net/dxp.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/net/engine_moves.h"
#include "core/records/pdn_board.h"
#include "core/rules/game_record.h"
#include "core/rules/generate.h"
#include "core/rules/position.h"
#include "core/rules/position_text.h"

namespace velmora {

namespace {

std::string number(int value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", width, value);
  return text;
}

std::string padded(const std::string& name) {
  std::string text = name.substr(0, kDxpNameWidth);
  for (char& c : text)
    if (c < 0x20 || c > 0x7E) c = '?';  // the protocol is ASCII
  text.resize(kDxpNameWidth, ' ');
  return text;
}

// A field of `width` characters at `at`: digits, right-aligned; leading
// spaces are taken as a careless sender's padding.
bool readNumber(std::string_view text, size_t at, int width, int& value) {
  value = 0;
  bool digits = false;
  for (size_t i = at; i < at + static_cast<size_t>(width); ++i) {
    const char c = text[i];
    if (c == ' ' && !digits) continue;
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
    digits = true;
  }
  return digits;
}

std::string nameAt(std::string_view text, size_t at) {
  std::string name(text.substr(at, kDxpNameWidth));
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

bool printable(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

int squareNumber(int x, int y) { return std::stoi(pdnSquare(International, x, y)); }

std::optional<BoardSquare> squareOf(int number) {
  if (number < 1 || number > kDxpSquares) return std::nullopt;
  return readPdnSquare(International, std::to_string(number));
}

struct Writer {
  std::string operator()(const DxpRequest& r) const {
    std::string text =
        "R" + number(r.version, 2) + padded(r.name) + r.followerColour + number(r.minutes, 3) + number(r.moves, 3);
    if (r.fromStart) return text + "A";
    return text + "B" + r.sideToMove + r.board;
  }
  std::string operator()(const DxpAccept& a) const { return "A" + padded(a.name) + number(a.code, 1); }
  std::string operator()(const DxpMove& m) const {
    std::string text = "M" + number(m.seconds, 4) + number(m.from, 2) + number(m.to, 2) + number(m.capturedCount, 2);
    for (int i = 0; i < m.capturedCount; ++i) text += number(m.captured[i], 2);
    return text;
  }
  std::string operator()(const DxpEnd& e) const { return "E" + number(e.reason, 1) + number(e.stop, 1); }
  std::string operator()(const DxpChat& c) const { return "C" + c.text; }
  std::string operator()(const DxpBackUp& b) const { return "B" + number(b.moveNumber, 3) + b.side; }
  std::string operator()(const DxpBackUpAccept& k) const { return "K" + number(k.code, 1); }
};

std::optional<DxpMessage> refuse(std::string& why, const std::string& text) {
  why = text;
  return std::nullopt;
}

bool colour(char c) { return c == 'W' || c == 'Z'; }

}  // namespace

std::string dxpText(const DxpMessage& message) { return std::visit(Writer{}, message); }

std::optional<DxpMessage> readDxp(std::string_view text, std::string& why) {
  if (text.empty()) return refuse(why, "an empty message");
  if (!printable(text)) return refuse(why, "a message that is not plain ASCII text");
  const size_t n = text.size();
  switch (text[0]) {
    case 'R': {
      DxpRequest r;
      if (n != 43 && n != 94) return refuse(why, "a game request of " + std::to_string(n) + " characters");
      if (!readNumber(text, 1, 2, r.version) || !readNumber(text, 36, 3, r.minutes) ||
          !readNumber(text, 39, 3, r.moves))
        return refuse(why, "a game request with a number that does not read");
      r.name = nameAt(text, 3);
      r.followerColour = text[35];
      if (!colour(r.followerColour)) return refuse(why, "a game request with a colour that is neither W nor Z");
      r.fromStart = text[42] == 'A';
      if (text[42] != (n == 43 ? 'A' : 'B')) return refuse(why, "a game request whose position is neither A nor B");
      if (!r.fromStart) {
        r.sideToMove = text[43];
        if (!colour(r.sideToMove)) return refuse(why, "a game request whose side to move is neither W nor Z");
        r.board = std::string(text.substr(44, kDxpSquares));
      }
      return r;
    }
    case 'A': {
      DxpAccept a;
      if (n != 34 || !readNumber(text, 33, 1, a.code)) return refuse(why, "a game acceptance that does not read");
      a.name = nameAt(text, 1);
      return a;
    }
    case 'M': {
      DxpMove m;
      if (n < 11 || !readNumber(text, 1, 4, m.seconds) || !readNumber(text, 5, 2, m.from) ||
          !readNumber(text, 7, 2, m.to) || !readNumber(text, 9, 2, m.capturedCount))
        return refuse(why, "a move that does not read");
      if (m.capturedCount > kMaxSteps || n != 11 + 2 * static_cast<size_t>(m.capturedCount))
        return refuse(why, "a move whose captured squares do not match their count");
      for (int i = 0; i < m.capturedCount; ++i)
        if (!readNumber(text, 11 + 2 * static_cast<size_t>(i), 2, m.captured[i]))
          return refuse(why, "a move with a captured square that does not read");
      return m;
    }
    case 'E': {
      DxpEnd e;
      if (n != 3 || !readNumber(text, 1, 1, e.reason) || !readNumber(text, 2, 1, e.stop) || e.reason > 3 || e.stop > 1)
        return refuse(why, "a game end that does not read");
      return e;
    }
    case 'C': return DxpChat{std::string(text.substr(1))};
    case 'B': {
      DxpBackUp b;
      if (n != 5 || !readNumber(text, 1, 3, b.moveNumber) || !colour(text[4]))
        return refuse(why, "a back-up request that does not read");
      b.side = text[4];
      return b;
    }
    case 'K': {
      DxpBackUpAccept k;
      if (n != 2 || !readNumber(text, 1, 1, k.code)) return refuse(why, "a back-up answer that does not read");
      return k;
    }
    default: return refuse(why, std::string("a message of unknown kind '") + text[0] + "'");
  }
}

DxpMove dxpMoveOf(const MoveRecord& move) {
  DxpMove m;
  m.from = squareNumber(move.fromX, move.fromY);
  const MoveStep& last = move.finalStep();
  m.to = squareNumber(last.toX, last.toY);
  m.capturedCount = move.captureCount;
  for (int i = 0; i < move.captureCount; ++i)
    m.captured[i] = squareNumber(move.steps[i].capturedX, move.steps[i].capturedY);
  return m;
}

int legalDxpMove(RecordedPosition& state, const DxpMove& move) {
  const auto from = squareOf(move.from), to = squareOf(move.to);
  if (!from || !to) return -1;
  std::vector<BoardSquare> taken;
  for (int i = 0; i < move.capturedCount; ++i) {
    const auto s = squareOf(move.captured[i]);
    if (!s) return -1;
    taken.push_back(*s);
  }
  return legalMoveByEnds(state, *from, *to, &taken);
}

std::string dxpBoard(const Position& position) {
  std::string board;
  for (int k = 1; k <= kDxpSquares; ++k) {
    const auto s = squareOf(k);
    const Cell& c = position.board[s->y][s->x];
    const char man = c.side == White ? 'w' : 'z';
    board += c.kind == Empty ? 'e' : c.kind == King ? static_cast<char>(man - 'a' + 'A') : man;
  }
  return board;
}

std::optional<std::string> readDxpBoard(std::string_view board, char side, RecordedPosition& state) {
  if (board.size() != kDxpSquares) return "a board that is not 50 squares";
  std::vector<PlacedPiece> pieces;
  for (int k = 1; k <= kDxpSquares; ++k) {
    const char c = board[static_cast<size_t>(k - 1)];
    const std::string ours = ".wbWB";
    const size_t kind = std::string("ewzWZ").find(c);
    if (kind == std::string::npos) {
      std::string why = "a board square that is not e, w, z, W or Z: '";
      why += c;
      return why + "'";
    }
    if (kind > 0) pieces.push_back({*squareOf(k), ours[kind]});
  }
  return placePieces(International, side != 'Z', pieces, state);
}

}  // namespace velmora
