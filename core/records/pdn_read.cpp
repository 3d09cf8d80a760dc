// Reading PDN: lenient about everything around the moves, exact about the
// moves themselves, which must each be a legal move of the position.

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>

#include "core/platform/file_read.h"
#include "core/platform/player_name.h"
#include "core/platform/text.h"
#include "core/platform/translation.h"
#include "core/records/fen.h"
#include "core/records/pdn.h"
#include "core/records/pdn_board.h"
#include "core/records/recorded_game.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

constexpr const char* kResults[] = {"1-0", "0-1", "1-1", "2-0", "0-2", "0-0", "*", "1/2-1/2"};
constexpr const char* kSeparators = "-xX:";
constexpr const char* kTokenEnds = " \t\r\n{}()[];";

bool sameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string at(int line) { return fillIn(say("line %1"), std::to_string(line)) + ": "; }

std::string quoted(std::string_view s) { return quotedExcerpt(s); }

// A tag name in a message: a name runs to any length.
std::string tagName(const std::string& name) {
  return name.size() <= kQuotedBytes ? name : cutUtf8(name, kQuotedBytes) + "...";
}

// The text with its line count; `next` keeps the count as it goes.
struct Cursor {
  std::string_view text;
  size_t pos = 0;
  int line = 1;

  bool done() const { return pos >= text.size(); }
  char peek() const { return text[pos]; }
  char next() {
    const char c = text[pos++];
    if (c == '\n') ++line;
    return c;
  }
  void skipSpace() {
    while (!done() && std::strchr(" \t\r\n", peek()) && peek() != '\0') next();
  }
  void skipLine() {
    while (!done() && peek() != '\n') next();
  }
};

std::optional<std::string> skipComment(Cursor& c) {
  const int opened = c.line;
  c.next();
  while (!c.done())
    if (c.next() == '}') return std::nullopt;
  return at(opened) + say("the comment begun by \"{\" is not closed by \"}\"");
}

// A variation, with the variations and comments inside it.
std::optional<std::string> skipVariation(Cursor& c) {
  const int opened = c.line;
  int depth = 0;
  while (!c.done()) {
    const char ch = c.peek();
    if (ch == '{') {
      if (auto error = skipComment(c)) return error;
      continue;
    }
    if (ch == ';') {
      c.skipLine();
      continue;
    }
    c.next();
    if (ch == '(') ++depth;
    if (ch == ')' && --depth == 0) return std::nullopt;
  }
  return at(opened) + say("the variation begun by \"(\" is not closed by \")\"");
}

std::optional<std::string> readTag(Cursor& c, PdnGame& game) {
  const int line = c.line;
  c.next();
  c.skipSpace();
  std::string name;
  while (!c.done() && (std::isalnum(static_cast<unsigned char>(c.peek())) || c.peek() == '_')) name += c.next();
  if (name.empty()) return at(line) + say("expected a tag name after \"[\", as in [Event \"...\"]");
  if (game.tags.size() >= kMaxPdnTags)
    return at(line) + fillIn(say("a game has more than %1 tags"), std::to_string(kMaxPdnTags));
  c.skipSpace();
  if (c.done() || c.peek() != '"')
    return at(c.line) + fillIn(say("expected the value of tag %1 in quotes"), tagName(name));
  c.next();
  std::string value;
  for (;;) {
    if (c.done() || c.peek() == '\n')
      return at(c.line) + fillIn(say("the value of tag %1 is not closed by a quote"), tagName(name));
    const char ch = c.next();
    if (ch == '"') break;
    if (ch == '\\' && !c.done() && (c.peek() == '"' || c.peek() == '\\')) {
      value += c.next();
      continue;
    }
    value += ch;
  }
  c.skipSpace();
  if (c.done() || c.peek() != ']') return at(c.line) + fillIn(say("expected \"]\" to close tag %1"), tagName(name));
  c.next();
  // A value ends at a zero byte, as the name it may become does: what
  // follows would be tested but never kept.
  if (const size_t nul = value.find('\0'); nul != std::string::npos) value.resize(nul);
  game.tags.emplace_back(name, toUtf8(value));
  return std::nullopt;
}

// Squares joined by "-", "x" or ":": a letter then digits, or digits.
bool looksLikeMove(std::string_view token) {
  int squares = 0;
  size_t i = 0;
  while (i < token.size()) {
    const size_t start = i;
    if (std::isalpha(static_cast<unsigned char>(token[i])) && token[i] != 'x' && token[i] != 'X') ++i;
    const size_t digits = i;
    while (i < token.size() && std::isdigit(static_cast<unsigned char>(token[i]))) ++i;
    if (i == digits || i - start > 3) return false;
    ++squares;
    if (i == token.size()) break;
    if (!std::strchr(kSeparators, token[i]) || ++i == token.size()) return false;
  }
  return squares >= 2;
}

bool isResult(std::string_view token) {
  return std::any_of(std::begin(kResults), std::end(kResults), [&](const char* r) { return token == r; });
}

// The move of a token, without a move number before it ("12." or "12...")
// and strength marks after it; empty for a bare move number.
std::string_view moveOfToken(std::string_view token) {
  size_t digits = 0;
  while (digits < token.size() && std::isdigit(static_cast<unsigned char>(token[digits]))) ++digits;
  if (digits < token.size() && token[digits] == '.') token.remove_prefix(digits);
  while (!token.empty() && token.front() == '.') token.remove_prefix(1);
  while (!token.empty() && (token.back() == '!' || token.back() == '?')) token.remove_suffix(1);
  return token;
}

// The variant a GameType tag names: a code of our table, and when the tag
// gives the width too, a variant of that board. Codes of their own first.
std::optional<GameType> variantOfGameType(std::string_view tag) {
  const int code = readDecimal(tag);
  const size_t comma = tag.find(',');
  int width = 0;
  if (comma != std::string_view::npos) {
    const size_t widthAt = tag.find(',', comma + 1);
    if (widthAt != std::string_view::npos) width = readDecimal(tag.substr(widthAt + 1));
  }
  for (bool ownCode : {true, false})
    for (GameType t = 0; t < kVariantCount; ++t) {
      const PdnConvention& c = pdnConvention(t);
      if (c.hasCode == ownCode && c.code == code && (width == 0 || width == boardSizeOf(t))) return t;
    }
  return std::nullopt;
}

void setPlayer(PlayerRecord& player, std::string name) {
  if (name == "?") name.clear();
  setPlayerName(player, name);
  player.type = name == kComputerName ? ComputerPlayer : HumanPlayer;
  player.clockSeconds = 0;
}

struct CapturedSquares {
  std::vector<std::pair<int, int>> squares;
  bool operator==(const CapturedSquares&) const = default;
};

CapturedSquares capturedBy(const MoveRecord& m) {
  CapturedSquares c;
  for (int k = 0; k < m.captureCount; ++k) c.squares.emplace_back(m.steps[k].capturedX, m.steps[k].capturedY);
  std::sort(c.squares.begin(), c.squares.end());
  return c;
}

// Whether the move runs through the given squares: its start, its end, and
// any landing squares between in their order.
bool runsThrough(const MoveRecord& m, const std::vector<BoardSquare>& squares) {
  if (m.fromX != squares.front().x || m.fromY != squares.front().y) return false;
  const MoveStep& last = m.finalStep();
  if (last.toX != squares.back().x || last.toY != squares.back().y) return false;
  int k = 0;
  const int between = m.captureCount > 0 ? m.captureCount - 1 : 0;
  for (size_t i = 1; i + 1 < squares.size(); ++i) {
    while (k < between && (m.steps[k].toX != squares[i].x || m.steps[k].toY != squares[i].y)) ++k;
    if (k++ >= between) return false;
  }
  return true;
}

std::optional<std::string> playPdnMove(RecordedGame& state, const PdnMove& move) {
  const GameType type = state.gameType;
  if (state.plyCount >= kMaxGameMoves)
    return at(move.line) + fillIn(say("a game holds at most %1 moves"), std::to_string(kMaxGameMoves));
  std::vector<BoardSquare> squares;
  std::string_view rest = move.text;
  for (;;) {
    const size_t end = rest.find_first_of(kSeparators, 1);  // column "x" is no separator at the start
    const std::string_view name = rest.substr(0, end);
    const auto square = readPdnSquare(type, name);
    if (!square)
      return at(move.line) +
             fillIn(say("expected %1 in move %2, found %3"), pdnSquareHint(type), quoted(move.text), quoted(name));
    squares.push_back(*square);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  const int side = state.sideToMove();
  generateMoves(state.legalMoves, state, side);
  int found = -1;
  for (int i = 0; i < state.moveCount; ++i) {
    if (!runsThrough(state.legalMoves[i], squares)) continue;
    if (found >= 0 && !(capturedBy(state.legalMoves[i]) == capturedBy(state.legalMoves[found])))
      return at(move.line) +
             fillIn(say("%1 could be more than one capture; expected its full path"), quoted(move.text));
    if (found < 0) found = i;
  }
  if (found < 0)
    return at(move.line) + fillIn(say(pdnColour(type, side) == White ? "%1 is not a legal move of White here"
                                                                     : "%1 is not a legal move of Black here"),
                                  quoted(move.text));
  applyMove(state.legalMoves[found], state.gameRecord[state.plyCount], state);
  ++state.plyCount;
  return std::nullopt;
}

}  // namespace

std::string PdnGame::tag(std::string_view name) const {
  for (const auto& [key, value] : tags)
    if (sameText(key, name)) return value;
  return {};
}

std::string PdnGame::summary() const {
  const auto known = [](const std::string& v) { return !v.empty() && v != "?" && v.find('?') == std::string::npos; };
  std::string white = tag("White"), black = tag("Black");
  std::string text = (known(white) ? white : "?") + " \u2013 " + (known(black) ? black : "?");
  for (const char* name : {"Event", "Date"})
    if (known(tag(name))) text += ", " + tag(name);
  return text;
}

std::optional<std::string> parsePdn(std::string_view text, const std::function<bool(PdnGame&)>& take) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  Cursor c{text};
  PdnGame current;
  bool open = false;     // the current game has begun
  bool inMoves = false;  // its movetext has begun: a tag now begins another game
  bool taking = true;    // false once `take` has had enough
  const auto begin = [&] {
    if (!open) current.line = c.line;
    open = true;
  };
  const auto finish = [&] {
    if (open) taking = take(current);
    current = PdnGame{};
    open = inMoves = false;
  };
  while (taking) {
    c.skipSpace();
    if (c.done()) break;
    const char ch = c.peek();
    std::optional<std::string> error;
    if (ch == '%' && (c.pos == 0 || text[c.pos - 1] == '\n')) {
      c.skipLine();  // an escaped line
    } else if (ch == '[') {
      if (inMoves) finish();
      if (!taking) break;
      begin();
      error = readTag(c, current);
    } else if (ch == '{') {
      error = skipComment(c);
    } else if (ch == ';') {
      c.skipLine();
    } else if (ch == '(') {
      error = skipVariation(c);
    } else if (ch == '$') {
      c.next();
      while (!c.done() && std::isdigit(static_cast<unsigned char>(c.peek()))) c.next();
    } else {
      const int line = c.line;
      std::string token;
      while (!c.done() && !std::strchr(kTokenEnds, c.peek())) token += c.next();
      if (token.empty()) return at(line) + fillIn(say("unexpected %1"), quoted(std::string(1, c.next())));
      if (isResult(token)) {
        begin();
        finish();
        continue;
      }
      const std::string_view move = moveOfToken(token);
      if (move.empty()) continue;
      if (!looksLikeMove(move))
        return at(line) + fillIn(say("expected a move, a move number or a result, found %1"), quoted(token));
      begin();
      inMoves = true;
      // One move past the most a game holds is kept, for readPdnGame to
      // refuse with its line; more would only take memory.
      if (current.moves.size() <= static_cast<size_t>(kMaxGameMoves))
        current.moves.push_back({std::string(move), line});
    }
    if (error) return error;
  }
  if (taking) finish();
  return std::nullopt;
}

std::optional<std::string> parsePdn(std::string_view text, std::vector<PdnGame>& games, size_t maxGames, bool* more) {
  games.clear();
  if (more) *more = false;
  std::vector<PdnGame> found;
  const auto error = parsePdn(text, [&](PdnGame& game) {
    if (found.size() == maxGames) {
      if (more) *more = true;
      return false;
    }
    found.push_back(std::move(game));
    return true;
  });
  if (error) {
    if (more) *more = false;
    return error;
  }
  games = std::move(found);
  return std::nullopt;
}

std::optional<std::string> readPdnFile(const std::string& path, std::string& text) {
  return readRegularFile(path, kMaxPdnFileBytes, text);
}

std::optional<std::string> readPdnGame(const PdnGame& pdn, RecordedGame& state, GameType fallback) {
  // The variant: our own name first, then the GameType.
  GameType type = fallback;
  const std::string variant = pdn.tag("Variant"), gameType = pdn.tag("GameType");
  GameType named = -1;
  for (GameType t = 0; t < kVariantCount && named < 0; ++t)
    if (sameText(gameTypeName(t), variant)) named = t;
  // The code alone is how the federations' files write a game of their
  // rules; the code with the board's description is our classic game's.
  bool official = false;
  if (named >= 0) {
    type = named;
  } else if (!gameType.empty()) {
    const auto known = variantOfGameType(gameType);
    if (!known) return at(pdn.line) + fillIn(say("GameType %1 is not a variant this program plays"), quoted(gameType));
    type = *known;
    official = gameType.find(',') == std::string::npos && hasOfficialRules(type);
  }

  const std::string fen = pdn.tag("FEN");
  if (fen.empty()) {
    setUpBoard(state, state, type);
  } else if (auto error = readFen(fen, type, state)) {
    return at(pdn.line) + *error;
  }
  state.plyCount = 0;
  state.moveCount = 0;
  state.giveAway = 0;
  state.officialRules = official ? 1 : 0;
  for (int pdnSide : {White, Black})
    setPlayer(state.players[pdnColour(type, pdnSide)], pdn.tag(pdnSide == White ? "White" : "Black"));

  for (const PdnMove& move : pdn.moves)
    if (auto error = playPdnMove(state, move)) return error;
  return std::nullopt;
}

}  // namespace velmora
