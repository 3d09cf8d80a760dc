#pragma once
// The window's language: the translations loaded for it, the texts marked
// for translation, and the languages offered in Customize > Language.

#include <QString>
#include <string>

namespace velmora {

// A language of the window, named in itself.
struct Language {
  const char* code;  // as the settings file and the translation files name it
  const char* name;
};
constexpr int kLanguageCount = 9;
extern const Language kLanguages[kLanguageCount];

// Where the compiled translations are: beside the program in its build
// folder, or among the installed data.
void setTranslationsDirectory(const std::string& folder);

// The language the system asks for (LANGUAGE, then LANG and LC_ALL/LC_MESSAGES
// as the locale gives them), as one of kLanguages' codes; "en" for any other.
std::string systemLanguage();

// Loads and installs `code` ("" follows the system) for the window and the
// core's texts; false when its translation could not be read, in which
// case the texts stay English.
bool applyLanguage(const std::string& code);

// The language shown now.
std::string currentLanguage();

// An English text of the window in the language shown.
QString ui(const char* english);

// A number as the language shown writes it: 87.5 is "87,5" in German.
QString shownNumber(double value);

}  // namespace velmora
