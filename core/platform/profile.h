#pragma once
// Reading INI-style profile files by the rules of the Windows profile
// functions: section and key names match without regard to case, white
// space around names and values is ignored, a value is cut to its buffer,
// integers are decimal with an optional sign, and whatever is missing gives
// the caller's default.

#include <string>
#include <vector>

namespace velmora {

// How a value is written so that the reader gives it back: in quotes when
// it begins or ends with white space or is itself quoted.
std::string profileValue(const std::string& value);

// "KEY = VALUE" and CR LF. A line break inside the value is written as a
// space: it would end the value and turn the rest into a line of its own.
std::string profileLine(const std::string& key, const std::string& value);

class Profile {
 public:
  // A missing or unreadable file reads as empty. Only the first MiB of a
  // file is read: a profile is a few hundred bytes.
  static Profile readFile(const std::string& path);
  static Profile fromText(const std::string& text);

  // The value, at most bufferSize - 1 characters, or `fallback` when the
  // section or key is missing.
  std::string getString(const std::string& section, const std::string& key, const std::string& fallback,
                        size_t bufferSize) const;
  // The value read as a decimal number; `fallback` when missing.
  int getInt(const std::string& section, const std::string& key, int fallback) const;

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  const std::string* find(const std::string& section, const std::string& key) const;

  std::vector<Section> sections_;
};

}  // namespace velmora
