#pragma once
// The manual's board diagrams, drawn by the board's own painter: at build
// time into the picture files a web browser shows, and in the help window at
// the size and screen density each is shown at.

#include <QImage>
#include <optional>
#include <string>

#include "shell/paint/printing.h"

namespace velmora {

struct GameState;

// Sets `game` to the position text of the variant and, when `move` is not
// empty, marks that move as a picked-up piece's move is marked and keeps its
// path and taken pieces in `marks`. The reason when the variant, the
// position or the move is wrong.
std::optional<std::string> setUpDiagram(GameState& game, const std::string& variant, const std::string& position,
                                        const std::string& move, DiagramMarks& marks);

// The diagram of one line of the manual's list (name|variant|position|move)
// drawn `pixels` wide with the default appearance, whatever the player chose:
// the captions name squares as a board with White below shows them. A null
// image when the line is wrong.
QImage manualDiagram(const std::string& line, int pixels);

// The line of the list `text` (the file diagrams.txt) that draws the
// diagram `name`; empty when there is none.
std::string diagramLine(const std::string& text, const std::string& name);

}  // namespace velmora
