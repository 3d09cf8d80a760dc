#pragma once
// PDN 3.0 game files: writing the current game, reading the games of a file
// and taking one over as the current game. Squares, colours and results
// follow each variant's PDN convention (pdn_board.h); we convert at the edge.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/rules/board.h"

namespace velmora {

struct GameState;
struct MoveListing;

// The tags the game itself does not know; "?" where unknown.
struct PdnTags {
  std::string event = "?";
  std::string site = "?";
  std::string date = "????.??.??";  // YYYY.MM.DD
  std::string round = "?";
};

// The first `moves` moves of the game as one PDN game, CR LF line ends.
// The result is the game's own: who won at that move, a draw, or "*".
std::string writePdn(const GameState& game, int moves, const PdnTags& tags = {});

struct PdnMove {
  std::string text;  // as written, strength marks taken off
  int line;
};

// One game of a file as read, before its moves are checked.
struct PdnGame {
  std::vector<std::pair<std::string, std::string>> tags;  // values in UTF-8
  std::vector<PdnMove> moves;
  int line = 1;  // where the game begins

  // The value of the first tag of that name (any case), or "".
  std::string tag(std::string_view name) const;
  // "White – Black, Event, Date" for a list to choose from; unknown parts left out.
  std::string summary() const;
};

// Reads every game of a file's text. Comments, variations, NAGs, move
// numbers, strength marks and results are passed over; a byte order mark
// and CR LF are accepted. On malformed text returns the message, naming the
// line and what was expected, and `games` is left empty.
std::optional<std::string> parsePdn(std::string_view text, std::vector<PdnGame>& games);

// Builds the game in `state`: variant (from the Variant or GameType tag,
// `fallback` when neither is there), start (the FEN tag), players (named
// "Computer" is the computer) and the moves, each matched to a legal move.
// On failure returns the message with the line, and `state` is unspecified.
std::optional<std::string> readPdnGame(const PdnGame& pdn, GameState& state, GameType fallback = International);

}  // namespace velmora
