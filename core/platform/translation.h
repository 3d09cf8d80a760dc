#pragma once
// The texts the player reads, in the player's language. The core writes
// them in English and marks each with `say`; the window's toolkit supplies
// the translation. Parts filled in at run time are %1, %2, %3 in the text,
// so that a translation may put them where its grammar wants them.
// Files, settings, saved games and the network keep their English texts:
// those never go through here.

#include <string>
#include <string_view>

namespace velmora {

// English in, the player's language out; null leaves English.
using Translator = std::string (*)(const char* english);
void setTranslator(Translator translator);

// The text in the player's language.
std::string say(const char* english);

// Marks a text of a table to be translated where it is shown; it is the
// English text itself.
constexpr const char* N_(const char* english) { return english; }

// `text` with %1, %2 and %3 replaced by the parts (fillIn(say("On %1"), square)).
std::string fillIn(std::string text, std::string_view part1, std::string_view part2 = {}, std::string_view part3 = {});

}  // namespace velmora
