#include "shell/paint/manual_diagram.h"

#include <QPoint>
#include <algorithm>
#include <memory>
#include <sstream>

#include "core/game/game_state.h"
#include "core/platform/text.h"
#include "core/records/notation.h"
#include "core/rules/generate.h"
#include "core/rules/position_text.h"
#include "core/view/appearance.h"
#include "shell/paint/skins.h"

namespace velmora {

std::optional<std::string> setUpDiagram(GameState& game, const std::string& variant, const std::string& position,
                                        const std::string& move, DiagramMarks& marks) {
  const GameType type = gameTypeFromName(variant.c_str());
  if (type < 0) return "unknown variant " + quotedExcerpt(variant);
  auto why = readPosition(position, type, game);
  if (!why) why = lightSquarePiece(game.board, type);
  if (why || move.empty()) return why;
  generateMoves(game.legalMoves, game, game.sideToMove());
  for (int i = 0; i < game.moveCount; ++i) {
    const MoveRecord& m = game.legalMoves[i];
    if (moveText(m) != move) continue;
    game.marks[m.fromY][m.fromX].selected = 1;
    for (int k = 0; k + 1 < m.captureCount; ++k) game.marks[m.steps[k].toY][m.steps[k].toX].pathStep = 1;
    game.marks[m.finalStep().toY][m.finalStep().toX].moveTarget = 1;
    marks.path = {QPoint(m.fromX, m.fromY)};
    for (int k = 0; k < std::max(1, static_cast<int>(m.captureCount)); ++k) {
      marks.path.emplace_back(m.steps[k].toX, m.steps[k].toY);
      if (m.captureCount > 0) marks.captured.emplace_back(m.steps[k].capturedX, m.steps[k].capturedY);
    }
    return std::nullopt;
  }
  return quotedExcerpt(move) + " is not a legal move of that position";
}

std::string diagramLine(const std::string& text, const std::string& name) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(name + "|", 0) == 0) return line;
  }
  return {};
}

QImage manualDiagram(const std::string& line, int pixels) {
  std::vector<std::string> fields;
  std::istringstream parts(line);
  for (std::string field; std::getline(parts, field, '|');) fields.push_back(field);
  if (fields.size() < 3) return {};
  auto game = std::make_unique<GameState>();
  DiagramMarks marks;
  const std::string move = fields.size() > 3 ? fields[3] : std::string();
  if (setUpDiagram(*game, fields[1], fields[2], move, marks)) return {};
  // The board painter reads the player's appearance; a diagram is drawn with
  // the one it was written for, and the player's is put back at once.
  const AppearanceSettings players = appearance;
  appearance = defaultAppearance;
  const SkinSet skin = makeSkinSet(builtInSkin(appearance.skinNumber), appearance.skinNumber);
  QImage picture = diagramPicture(*game, skin, pixels, marks, !move.empty());
  appearance = players;
  return picture;
}

}  // namespace velmora
