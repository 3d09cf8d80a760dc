# Writes OUT, a C++ source holding each opening book's text as bytes, for
# builtInBookText. BOOKS: TYPE=FILE pairs joined by '|', TYPE the variant's
# number.
# Bytes rather than a string literal: a book may be longer than a literal
# may be on some compilers.
string(REPLACE "|" ";" BOOKS "${BOOKS}")
set(arrays "")
set(cases "")
foreach(pair IN LISTS BOOKS)
  string(REPLACE "=" ";" parts "${pair}")
  list(GET parts 0 type)
  list(GET parts 1 file)
  file(READ "${file}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  string(APPEND arrays "const char kBook${type}[] = {${bytes}};\n")
  string(APPEND cases "    case ${type}: return {kBook${type}, sizeof kBook${type}};\n")
endforeach()
file(WRITE "${OUT}.new" "// Made by cmake/embed_books.cmake from res/books; not to be edited.
#include <string_view>

#include \"core/ai/book_texts.h\"

namespace velmora {
namespace {
${arrays}}  // namespace

std::string_view builtInBookText(GameType type) {
  switch (type) {
${cases}    default: return {};
  }
}

}  // namespace velmora
")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
