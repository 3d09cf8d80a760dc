#include "core/platform/profile.h"

#include <cctype>
#include <fstream>
#include <iterator>

#include "core/platform/text.h"

namespace velmora {

namespace {

constexpr size_t kMaxProfileBytes = 1 << 20;

std::string trim(const std::string& s) {
  size_t begin = 0, end = s.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(s[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(s[end - 1]))) --end;
  return s.substr(begin, end - begin);
}

bool sameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace

std::string profileValue(const std::string& value) {
  if (value.empty()) return value;
  const auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  const bool quoted =
      value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  return space(value.front()) || space(value.back()) || quoted ? '"' + value + '"' : value;
}

std::string profileLine(const std::string& key, const std::string& value) {
  std::string line = key + " = " + value;
  for (size_t i = key.size(); i < line.size(); ++i)
    if (line[i] == '\r' || line[i] == '\n') line[i] = ' ';
  return line + "\r\n";
}

Profile Profile::readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Profile{};
  std::string text(kMaxProfileBytes, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  return fromText(text);
}

Profile Profile::fromText(const std::string& text) {
  Profile profile;
  Section* current = nullptr;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty()) continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      const std::string name = trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      profile.sections_.push_back(Section{name, {}});
      current = &profile.sections_.back();
      continue;
    }
    const size_t equals = line.find('=');
    if (current == nullptr || equals == std::string::npos) continue;
    current->entries.push_back(Entry{trim(line.substr(0, equals)), trim(line.substr(equals + 1))});
  }
  return profile;
}

// The first section of that name, and in it the first key of that name.
const std::string* Profile::find(const std::string& section, const std::string& key) const {
  for (const Section& s : sections_) {
    if (!sameName(s.name, section)) continue;
    for (const Entry& e : s.entries)
      if (sameName(e.key, key)) return &e.value;
    return nullptr;
  }
  return nullptr;
}

std::string Profile::getString(const std::string& section, const std::string& key, const std::string& fallback,
                               size_t bufferSize) const {
  const std::string* value = find(section, key);
  std::string result = value ? *value : fallback;
  // A zero byte ends the value, and the spaces before it go with it.
  const size_t nul = result.find('\0');
  bool cut = nul != std::string::npos;
  if (cut) {
    result.resize(nul);
    while (!result.empty() && std::isspace(static_cast<unsigned char>(result.back()))) result.pop_back();
  }
  // One pair of matching quotes around the value is taken off.
  if (value && result.size() >= 2 && (result.front() == '"' || result.front() == '\'') &&
      result.back() == result.front())
    result = result.substr(1, result.size() - 2);
  // Text other copies wrote in Windows-1252 becomes UTF-8; the limit is in
  // bytes and never splits a character.
  result = toUtf8(result);
  if (bufferSize > 0 && result.size() > bufferSize - 1) {
    result = cutUtf8(result, bufferSize - 1);
    cut = true;
  }
  // A cut leaves no spaces at the end, as a value read whole has none.
  if (cut)
    while (!result.empty() && std::isspace(static_cast<unsigned char>(result.back()))) result.pop_back();
  return result;
}

int Profile::getInt(const std::string& section, const std::string& key, int fallback) const {
  const std::string* value = find(section, key);
  return value ? readDecimal(*value) : fallback;
}

}  // namespace velmora
