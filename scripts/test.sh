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
#   4. the core built without Qt (no Qt include under core/ or tools/, and
#      the tree configured without Qt), and the tests of the engines'
#      threads under ThreadSanitizer;
#   5. every fuzz target's seed and kept inputs, read by its harness under
#      the sanitizers (among the tests of 3).
# With --long, then also every test optimised at its full budget (the
# longest property tests take a third of their cases under the
# sanitizers), and a fixed libFuzzer run of every target from a fixed seed
# (scripts/fuzz.sh --check).
# The figures in the README are what each takes from a fresh clone.
# Open-ended fuzzing, whose answer depends on what it happens to reach, is
# scripts/fuzz.sh SECONDS and not part of this.
set -euo pipefail
cd "$(dirname "$0")/.."
long=0
case "${1:-}" in
  "") ;;
  --long) long=1 ;;
  *) echo "usage: scripts/test.sh [--long]" >&2; exit 2 ;;
esac
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
# Each step says when it begins, so that a slow one shows in the log.
step() { echo "== $* (at ${SECONDS} s)"; }

# The shipped program as scripts/run.sh builds it, without the tests, which
# run below under the sanitizers; then its package, installed and started.
step "the program as it ships"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_WERROR=ON -DVELMORA_TESTS=OFF
cmake --build build/release -j "$jobs"
tests/shell/package_test.sh build/release

# Every test under AddressSanitizer and UndefinedBehaviorSanitizer: the core
# tests, the window's tests, the command-line script, the manual.
step "every test under the sanitizers"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON -DVELMORA_SANITIZE=ON
cmake --build build/sanitize -j "$jobs"

# Twice as many at once as there are cores: the window's tests spend most
# of their time waiting on timers and on each other, not computing.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$((2 * jobs))"

# Without Qt, under ThreadSanitizer: the engines' threads. The core builds
# here without Qt, and the whole tree configures without it; an include of
# Qt or of the window under core/ or tools/ is refused before that.
step "without Qt, under ThreadSanitizer"
if git grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*(<Q|"shell/)' -- core tools; then
  echo "the includes above bring Qt or the window into the core or the command line" >&2
  exit 1
fi
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON -DVELMORA_SHELL=OFF -DVELMORA_TSAN=ON
cmake --build build/tsan -j "$jobs" --target thread_tests
TSAN_OPTIONS=halt_on_error=1 build/tsan/thread_tests --gtest_filter='Engine.*:ComputerMove.*:Analysis.*:Hub.*:HubClient.*'

if [ "$long" = 1 ]; then
  step "every test at its full budget, then the fixed fuzz runs"
  cmake -S . -B build/full -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_WERROR=ON
  cmake --build build/full -j "$jobs"
  ctest --test-dir build/full --output-on-failure -j "$jobs"
  scripts/fuzz.sh --check
fi

echo "all tests passed in ${SECONDS} s"
