#include "core/platform/translation.h"

#include <atomic>

namespace velmora {

namespace {
// Set once at start and on a change of language, read from workers too.
std::atomic<Translator> current{nullptr};
}  // namespace

void setTranslator(Translator translator) { current = translator; }

std::string say(const char* english) {
  const Translator translator = current;
  return translator ? translator(english) : std::string(english);
}

std::string fillIn(std::string text, std::string_view part1, std::string_view part2, std::string_view part3) {
  const std::string_view parts[3] = {part1, part2, part3};
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '3') {
      out += parts[text[i + 1] - '1'];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace velmora
