#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test, then runs the
# core tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang-format

# The layout every file follows.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_WERROR=ON
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON -DVELMORA_SANITIZE=ON
cmake --build build/sanitize -j "$jobs" --target core_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs" -L core

echo "all tests passed"
