#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test that can
# catch a fault, with the same answer on every run:
#   1. the source layout (clang-format) and includes written from the
#      repository root;
#   2. the program as it ships: optimised across files, warnings as errors,
#      packaged for Debian, the package installed and started;
#   3. every test (the core, the window on Qt's offscreen platform, the
#      command line, the manual, the translations) under AddressSanitizer and
#      UndefinedBehaviorSanitizer;
#   4. the core and the command line built without Qt, and the tests of the
#      engines' threads under ThreadSanitizer;
#   5. every fuzz target over its seeds and kept inputs, then a fixed run
#      from a fixed seed (scripts/fuzz.sh --check).
# The figure in the README is what it takes from a fresh clone. Open-ended
# fuzzing, whose answer depends on what it happens to reach, is
# scripts/fuzz.sh SECONDS and not part of this.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang-format poppler-utils dpkg-dev desktop-file-utils appstream file

# The layout every file follows.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# Includes are written from the repository root ("core/rules/board.h"): one
# going up from the including file hides which layer it reaches into.
if git grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"\.\.' -- '*.cpp' '*.h'; then
  echo "the includes above go up from their file; write them from the repository root" >&2
  exit 1
fi

jobs=$(nproc 2>/dev/null || echo 2)

# The shipped program: what the build of the README makes, without its
# tests, which run below under the sanitizers. Its package is made from
# what is built, not from a build of every target.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_WERROR=ON \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build build/release -j "$jobs" --target velmora velmora-cli manual translations icons media
ctest --test-dir build/release --output-on-failure -R '^package$'

# Every test under AddressSanitizer and UndefinedBehaviorSanitizer: the core
# tests, the window's tests, the command-line script, the manual.
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON -DVELMORA_SANITIZE=ON
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

# Without Qt, under ThreadSanitizer: the command line (a Qt include under
# core/ or tools/ fails here) and the engines' threads.
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON -DVELMORA_SHELL=OFF -DVELMORA_TSAN=ON
cmake --build build/tsan -j "$jobs" --target velmora-cli thread_tests
TSAN_OPTIONS=halt_on_error=1 build/tsan/thread_tests

# Every reader of outside input over its kept inputs and a fixed fuzz run.
scripts/fuzz.sh --check

echo "all tests passed"
