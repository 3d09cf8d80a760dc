#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test, checks that
# the core builds without Qt, then runs every test once more under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang-format poppler-utils dpkg-dev desktop-file-utils appstream file

# The layout every file follows.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_WERROR=ON
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

# The core and the command line build without Qt: a Qt include under core/
# fails here.
cmake -S . -B build/core-only -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_WERROR=ON -DVELMORA_SHELL=OFF
cmake --build build/core-only -j "$jobs" --target velmora-cli core_tests

# Everything once more under AddressSanitizer and UndefinedBehaviorSanitizer:
# the core tests, the window's tests and the command-line script.
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON -DVELMORA_SANITIZE=ON
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

# Every reader of outside input fuzzed for a while from its seed corpus.
scripts/fuzz.sh 20

echo "all tests passed"
