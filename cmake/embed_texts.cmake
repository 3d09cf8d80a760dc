# Writes OUT, a C++ source holding each text of FILES as bytes, for a
# function FUNCTION(GameType) declared in HEADER. FILES: TYPE=FILE pairs
# joined by '|', TYPE the variant's number.
# Bytes rather than a string literal: a text may be longer than a literal
# may be on some compilers.
string(REPLACE "|" ";" FILES "${FILES}")
set(arrays "")
set(cases "")
foreach(pair IN LISTS FILES)
  string(REPLACE "=" ";" parts "${pair}")
  list(GET parts 0 type)
  list(GET parts 1 file)
  file(READ "${file}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND arrays "const char kText${type}[] = {${bytes}};\n")
  string(APPEND cases "    case ${type}: return {kText${type}, sizeof kText${type}};\n")
endforeach()
file(WRITE "${OUT}.new" "// Made by cmake/embed_texts.cmake; not to be edited.
#include <string_view>

#include \"${HEADER}\"

namespace velmora {
namespace {
${arrays}}  // namespace

std::string_view ${FUNCTION}(GameType type) {
  switch (type) {
${cases}    default: return {};
  }
}

}  // namespace velmora
")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
