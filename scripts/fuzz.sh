#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for SECONDS (default 60),
# starting from the seed corpus in tests/fuzz/corpus. What a run finds stays
# in build/fuzz/corpus; a crash leaves its input in build/fuzz and fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh clang libclang-rt-14-dev

CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_FUZZ=ON \
  -DVELMORA_SHELL=OFF -DVELMORA_TESTS=OFF >/dev/null
cmake --build build/fuzz -j "$(nproc 2>/dev/null || echo 2)"

for seeds in tests/fuzz/corpus/*/; do
  target=$(basename "$seeds")
  corpus=build/fuzz/corpus/$target
  mkdir -p "$corpus"
  echo "fuzzing $target for $seconds s"
  (cd build/fuzz && ASAN_OPTIONS=detect_leaks=1 "./${target}_fuzz" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 "../../$corpus" "../../$seeds" 2>&1 | tail -12)
done
echo "fuzzing passed"
