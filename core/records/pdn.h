#pragma once
// PDN 3.0 game files: writing the current game, reading the games of a file
// and taking one over as the current game. Squares, colours and results
// follow each variant's PDN convention (pdn_board.h); we convert at the edge.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/rules/board.h"

namespace velmora {

struct RecordedGame;
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
std::string writePdn(const RecordedGame& game, int moves, const PdnTags& tags = {});

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

// A PDN file larger than this is refused; large databases fit well within it.
constexpr std::uintmax_t kMaxPdnFileBytes = 64u << 20;
// The Import PDN dialog lists at most this many games of a file.
constexpr size_t kMaxListedPdnGames = 1000;
// A game with more tags than this is refused: it is no record of a game.
constexpr size_t kMaxPdnTags = 100;

// The whole text of a PDN file: a regular file of at most kMaxPdnFileBytes;
// otherwise the message saying what is wrong with it.
std::optional<std::string> readPdnFile(const std::string& path, std::string& text);

// Reads the games of a file's text in order, handing each to `take` as soon
// as it is read; `take` returns false to stop reading there. Comments,
// variations, NAGs, move numbers, strength marks and results are passed
// over; a byte order mark and CR LF are accepted; a tag value ends at a zero
// byte. Of a game's moves only the first 401 are kept (the 401st makes
// readPdnGame refuse it). On malformed text, up to where reading stopped,
// returns the message, naming the line and what was expected.
std::optional<std::string> parsePdn(std::string_view text, const std::function<bool(PdnGame&)>& take);

// The first `maxGames` games of the text; `more`, when given, tells whether
// another game follows them. On malformed text returns the message and
// `games` is left empty.
std::optional<std::string> parsePdn(std::string_view text, std::vector<PdnGame>& games, size_t maxGames = SIZE_MAX,
                                    bool* more = nullptr);

// Builds the game in `state`: variant (from the Variant or GameType tag,
// `fallback` when neither is there), start (the FEN tag), players (named
// "Computer" is the computer) and the moves, each matched to a legal move.
// On failure returns the message with the line, and `state` is unspecified.
std::optional<std::string> readPdnGame(const PdnGame& pdn, RecordedGame& state, GameType fallback = International);

}  // namespace velmora
