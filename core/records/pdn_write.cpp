// Writing a game as PDN: strict, one form for every variant's convention.

#include <cstring>
#include <memory>

#include "core/records/fen.h"
#include "core/records/listing.h"
#include "core/records/pdn.h"
#include "core/records/pdn_board.h"
#include "core/records/recorded_game.h"
#include "core/rules/game_result.h"
#include "core/rules/generate.h"

namespace velmora {

namespace {

constexpr size_t kLineWidth = 79;

std::string tagLine(const std::string& name, const std::string& value) {
  std::string escaped;
  for (char c : value) {
    if (c == '"' || c == '\\') escaped += '\\';
    escaped += c;
  }
  return "[" + name + " \"" + escaped + "\"]\r\n";
}

std::string playerName(const RecordedGame& game, int side) {
  const std::string name(game.players[side].name, strnlen(game.players[side].name, sizeof game.players[side].name));
  return name.empty() ? "?" : name;
}

// The game's own verdict at the end of the first `moves` moves.
std::string resultText(const RecordedGame& game, int moves) {
  auto played = std::make_unique<RecordedPosition>();
  setUpStartOf(*played, *played, game.gameType, game.start);
  played->giveAway = game.giveAway;
  played->officialRules = game.officialRules;
  for (int j = 0; j < moves; ++j) applyMove(game.gameRecord[j], played->gameRecord[j], *played);
  played->plyCount = moves;
  const GameResult result = gameResult(*played, played->sideToMove(), moves);
  if (result == GameGoesOn) return "*";
  if (result == Draw) return "1-1";
  return pdnColour(game.gameType, result == WhiteWins ? White : Black) == White ? "1-0" : "0-1";
}

bool samePath(const MoveRecord& a, const MoveRecord& b) {
  if (a.captureCount != b.captureCount) return false;
  for (int k = 0; k < a.captureCount; ++k)
    if (a.steps[k].toX != b.steps[k].toX || a.steps[k].toY != b.steps[k].toY) return false;
  return true;
}

// Start and end square; every landing square when another capture of the
// position shares both.
std::string pdnMoveText(const RecordedPosition& position, const MoveRecord& m) {
  const GameType type = position.gameType;
  const MoveStep& last = m.finalStep();
  const std::string from = pdnSquare(type, m.fromX, m.fromY);
  if (m.captureCount == 0) return from + '-' + pdnSquare(type, last.toX, last.toY);
  bool ambiguous = false;
  for (int i = 0; i < position.moveCount && !ambiguous; ++i) {
    const MoveRecord& other = position.legalMoves[i];
    ambiguous = other.fromX == m.fromX && other.fromY == m.fromY && other.finalStep().toX == last.toX &&
                other.finalStep().toY == last.toY && !samePath(other, m);
  }
  const char separator = pdnConvention(type).captureSeparator;
  std::string text = from;
  for (int k = ambiguous ? 0 : m.captureCount - 1; k < m.captureCount; ++k)
    text += separator + pdnSquare(type, m.steps[k].toX, m.steps[k].toY);
  return text;
}

// Numbered moves, the result last, broken into lines of at most 79 characters.
std::string movetext(const RecordedGame& game, int moves, const std::string& result) {
  auto s = std::make_unique<RecordedPosition>();
  setUpStartOf(*s, *s, game.gameType, game.start);
  s->officialRules = game.officialRules;
  s->plyCount = 0;
  std::string text, line;
  const auto add = [&](const std::string& word) {
    if (!line.empty() && line.size() + 1 + word.size() > kLineWidth) {
      text += line + "\r\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
  };
  for (int i = 0; i < moves; ++i) {
    const int side = s->sideToMove();
    generateMoves(s->legalMoves, *s, side);
    // Pairs begin with our White's move: the first mover in every convention.
    const std::string number = std::to_string((i + game.start.side) / 2 + 1);
    if (side == White) add(number + ".");
    if (side == Black && i == 0) add(number + "...");
    add(pdnMoveText(*s, game.gameRecord[i]));
    applyMove(game.gameRecord[i], s->gameRecord[i], *s);
    ++s->plyCount;
  }
  add(result);
  return text + line + "\r\n";
}

}  // namespace

std::string writePdn(const RecordedGame& game, int moves, const PdnTags& tags) {
  const GameType type = game.gameType;
  const PdnConvention& convention = pdnConvention(type);
  const std::string result = resultText(game, moves);
  std::string text;
  text += tagLine("Event", tags.event);
  text += tagLine("Site", tags.site);
  text += tagLine("Date", tags.date);
  text += tagLine("Round", tags.round);
  text += tagLine("White", playerName(game, pdnColour(type, White)));
  text += tagLine("Black", playerName(game, pdnColour(type, Black)));
  text += tagLine("Result", result);
  text += tagLine("GameType", game.officialRules ? officialGameTypeTag(type) : pdnGameTypeTag(type));
  if (!convention.hasCode) text += tagLine("Variant", gameTypeName(type));
  if (game.start.custom) {
    auto start = std::make_unique<RecordedPosition>();
    setUpStartOf(*start, *start, game.gameType, game.start);
    start->plyCount = 0;
    text += tagLine("FEN", writeFen(*start));
  }
  return text + "\r\n" + movetext(game, moves, result);
}

}  // namespace velmora
