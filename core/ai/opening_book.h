#pragma once
// The Expert's opening book: positions near a variant's start with the moves
// its own deep searches found good and their scores. Played from, a move is
// drawn among those close to the best, so that games vary.
//
// The text, a line a position: "<position text> <move> <score> ...", each
// move "c3-d4" from its first square to its last (a capture too: the route
// is the first the rules list), each score in hundredths of a man for the
// side to move. '#' begins a comment line.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/rules/move.h"
#include "core/rules/position.h"

namespace velmora {

struct BookMove {
  std::string move;  // "c3-d4"
  int score = 0;
};

class OpeningBook {
 public:
  // Reads a book; a line that does not read is an error naming its number,
  // and nothing of the book is kept.
  static std::optional<OpeningBook> read(std::string_view text, std::string* error);

  void add(const std::string& position, std::vector<BookMove> moves);
  // The moves of a position text, or null.
  const std::vector<BookMove>* find(const std::string& position) const;
  std::size_t size() const { return entries_.size(); }
  // The book as text, its positions in order, so that a rebuilt book diffs.
  std::string text() const;

 private:
  std::unordered_map<std::string, std::vector<BookMove>> entries_;
};

// The book of a variant built into the program, or null where it has none.
// Read at its first use; the built-in books are checked by the tests.
const OpeningBook* builtInBook(GameType type);

// How far below the best a move may score and still be played.
constexpr int kBookMargin = 12;

// The book's move in `position` (the side to move is `side`), as an index
// into generateMoves' list, or -1 when the book has none that is legal.
// `random`, in [0, 1), draws among the moves within kBookMargin of the best,
// the better ones more often.
int bookChoice(const OpeningBook& book, Position& position, int side, double random, int* score = nullptr);

// "c3-d4": a move's first and last squares as the book names them.
std::string bookMoveText(const MoveRecord& move);

}  // namespace velmora
