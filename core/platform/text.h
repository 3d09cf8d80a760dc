#pragma once
// Text from outside and its limits. Inside the program and in the files we
// write, text is UTF-8; text that is not valid UTF-8 comes from other
// copies' files, which hold Windows-1252, and is read as that. Length
// limits are in bytes, as the fixed buffers of the files and the game are,
// and never split a character.

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

bool isValidUtf8(std::string_view text);

// The text itself when it is valid UTF-8, else read as Windows-1252.
std::string toUtf8(std::string_view text);

// The longest prefix of at most `maxBytes` bytes that ends on a character
// boundary of UTF-8 text.
std::string cutUtf8(std::string_view text, size_t maxBytes);

// Outside text quoted in a message: in double quotes, and beyond
// kQuotedBytes bytes cut with "..." so that a huge token gives a short message.
constexpr size_t kQuotedBytes = 40;
std::string quotedExcerpt(std::string_view text);

// White space, an optional sign and decimal digits up to the first
// non-digit, as C's atoi reads them: no digits read as 0, and a number
// beyond int saturates at its limit instead of overflowing.
int readDecimal(std::string_view text);

// The first line of `text`, without its '\n', which is taken off `text`.
std::string_view takeLine(std::string_view& text);

// The words of a line: the runs between blanks (space, tab, carriage return).
std::vector<std::string_view> wordsOf(std::string_view line);

}  // namespace velmora
