#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test that can
# catch a fault, with the same answer on every run:
#   1. the source layout (clang-format) and includes written from the
#      repository root;
#   2. every test of the release build: the core, the window on Qt's
#      offscreen platform, the command line, the manual, the Debian package;
#   3. the core and the command line built without Qt;
#   4. every test once more under AddressSanitizer and
#      UndefinedBehaviorSanitizer, and the tests of threads under
#      ThreadSanitizer;
#   5. every fuzz target over its seeds and kept inputs, then a fixed run
#      from a fixed seed (scripts/fuzz.sh --check).
# Under ten minutes from a fresh clone on two cores. Open-ended fuzzing,
# whose answer depends on what it happens to reach, is scripts/fuzz.sh
# SECONDS and not part of this.
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

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_WERROR=ON
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

# The core and the command line build without Qt: a Qt include under core/
# or tools/ fails here. Unoptimised, as only the build itself is the test.
cmake -S . -B build/core-only -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON -DVELMORA_SHELL=OFF
cmake --build build/core-only -j "$jobs" --target velmora-cli

# Everything once more under AddressSanitizer and UndefinedBehaviorSanitizer:
# the core tests, the window's tests and the command-line script.
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON -DVELMORA_SANITIZE=ON
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

# The engines' threads under ThreadSanitizer: engines thinking side by side,
# stopped, and driving computer games. The core alone, so that the build
# stays short.
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON -DVELMORA_SHELL=OFF -DVELMORA_TSAN=ON
cmake --build build/tsan -j "$jobs" --target core_tests
TSAN_OPTIONS=halt_on_error=1 build/tsan/core_tests --gtest_filter='Engine.*:ComputerMove.*:Analysis.*'

# Every reader of outside input over its kept inputs and a fixed fuzz run.
scripts/fuzz.sh --check

echo "all tests passed"
