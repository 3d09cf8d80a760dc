#!/usr/bin/env bash
# Fuzzes every reader of outside input. The targets are built with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer on, and without Qt.
#
#   scripts/fuzz.sh --check    what the test command runs: every seed input
#                              (tests/fuzz/corpus/TARGET) and every kept
#                              input (tests/fuzz/regressions/TARGET) once,
#                              then a fixed number of runs of each target
#                              from a fixed seed; the same result every time
#   scripts/fuzz.sh SECONDS    open-ended: each target for SECONDS (default
#                              60) from the seeds and what earlier runs found
#                              (kept in build/fuzz/corpus); a crash leaves
#                              its input in build/fuzz and fails
#
# An input that an open-ended run finds to crash is kept for good: copy it
# into tests/fuzz/regressions/TARGET/ under a name that says what it caught,
# fix the fault, and commit both, so that every later test run replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-60}
if [ "$mode" != --check ] && ! [[ "$mode" =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/fuzz.sh --check | scripts/fuzz.sh [SECONDS]" >&2
  exit 2
fi
scripts/install-deps.sh clang libclang-rt-14-dev

CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_FUZZ=ON \
  -DVELMORA_SHELL=OFF -DVELMORA_TESTS=OFF >/dev/null
# The fuzz targets alone: the rest of the build is tested elsewhere.
targets=()
for seeds in tests/fuzz/corpus/*/; do targets+=("$(basename "$seeds")_fuzz"); done
cmake --build build/fuzz -j "$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}"

# Runs per target in --check, after the kept inputs: a few seconds of each
# on two cores, so that the slower targets get fewer.
declare -A check_runs=([bitmap]=100000 [move_text]=15000 [net_messages]=10000 [pdn]=100000
  [position_text]=30000 [saved_game]=12000 [settings]=20000 [wave]=100000)
check_seed=1

# Addresses feed the fuzzer's comparison tables, so a fixed run gives the
# same answer only with the address space laid out the same every time.
fixed_layout=(setarch "$(uname -m)" -R)
if ! "${fixed_layout[@]}" true 2>/dev/null; then
  [ "$mode" = --check ] && echo "note: setarch -R is refused here; the fixed runs may differ from run to run"
  fixed_layout=()
fi

export ASAN_OPTIONS=detect_leaks=1
for seeds in tests/fuzz/corpus/*/; do
  target=$(basename "$seeds")
  kept=tests/fuzz/regressions/$target
  dirs=("../../$seeds")
  [ -d "$kept" ] && dirs+=("../../$kept")
  if [ "$mode" = --check ]; then
    # A fresh folder takes what the run finds, so every run starts alike;
    # the timeout only catches a hang, never a slow machine.
    found=build/fuzz/check/$target
    rm -rf "$found" && mkdir -p "$found"
    runs=${check_runs[$target]:-10000}
    echo "fuzzing $target: $(find "${dirs[@]#../../}" -type f | wc -l) kept inputs, then $runs runs"
    (cd build/fuzz && "${fixed_layout[@]}" "./${target}_fuzz" -runs="$runs" -seed="$check_seed" -reload=0 -timeout=120 \
      -rss_limit_mb=2048 "../../$found" "${dirs[@]}" >"check/$target.log" 2>&1) || {
      tail -40 "build/fuzz/check/$target.log"
      echo "fuzzing $target failed; the input is in build/fuzz" >&2
      exit 1
    }
  else
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus"
    echo "fuzzing $target for $mode s"
    (cd build/fuzz && "./${target}_fuzz" -max_total_time="$mode" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 "../../$corpus" "${dirs[@]}" 2>&1 | tail -12)
  fi
done
echo "fuzzing passed"
