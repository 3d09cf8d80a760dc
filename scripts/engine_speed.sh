#!/usr/bin/env bash
# The rules engine's and the search's speed in one table: perft million
# leaves per second of every variant at a depth of one to five seconds, the
# bench at level 2 (reference and game search) and the many-kings bench, each
# the median of ROUNDS runs (5 unless set); then the instructions per leaf of
# perft, counted by cachegrind, which the load of the machine cannot blur.
#
#   scripts/engine_speed.sh                 build Release, measure it
#   scripts/engine_speed.sh OLD_CLI         also measure another velmora-cli,
#                                           runs of the two interleaved
#
# VELMORA_CLI names a built velmora-cli to measure instead of building one.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ -z "${VELMORA_CLI:-}" ]]; then
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_WERROR=ON >/dev/null
  cmake --build build/release -j 2 --target velmora-cli >/dev/null
  VELMORA_CLI=build/release/velmora-cli
fi
clis=("$VELMORA_CLI")
names=("new")
if [[ $# -ge 1 ]]; then
  clis=("$1" "$VELMORA_CLI")
  names=("old" "new")
fi

rounds=${ROUNDS:-5}

# Depths that take one to five seconds each with the bitboard generator.
depths=(
  "American 12" "Brazilian 12" "Canadian 9" "Crowded 10" "Frisian 11" "Gothic 6"
  "International 10" "Italian 12" "Pool checkers 12" "Russian 12" "Spanish 12"
  "Sparse checkers 9" "Thai 10" "Turkish 8"
)
# Perft runs counted by cachegrind: variant and depth.
counted=("International 8" "American 10")

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Field `field` of the line of `cli`'s output that starts with `key`.
field() { awk -v k="$1" -v f="$2" '$1 == k { print $f }'; }

declare -A result
for ((round = 1; round <= rounds; ++round)); do
  for entry in "${depths[@]}"; do
    variant=${entry% *}
    depth=${entry##* }
    for i in "${!clis[@]}"; do
      line=$("${clis[$i]}" perft "$variant" "$depth" | tail -1)
      result["perft|$variant|$i"]+="$(awk '{ printf "%.1f", $4 / 1e6 }' <<<"$line") "
      result["leaves|$variant"]=$(awk '{ print $2 }' <<<"$line")
    done
  done
  for mode in literal game kings; do
    for i in "${!clis[@]}"; do
      case $mode in
        literal) out=$("${clis[$i]}" bench 2 --literal) ;;
        game) out=$("${clis[$i]}" bench 2) ;;
        kings) out=$("${clis[$i]}" bench 2 --kings) ;;
      esac
      result["$mode|8x8|$i"]+="$(field 8x8 7 <<<"$out") "
      result["$mode|total|$i"]+="$(field total 7 <<<"$out") "
      result["$mode|nodes|$i"]=$(field total 3 <<<"$out")
      result["$mode|slowest|$i"]+="$(field slowest 3 <<<"$out") "
      if [[ $mode == kings ]]; then
        # Position lines: number, variant (one or two words), nodes, seconds, nodes/s.
        while read -r number name nodes seconds; do
          result["kingpos|$number|$i"]+="$seconds "
          result["kingnodes|$number|$i"]=$nodes
          result["kingname|$number"]=$name
        done < <(awk '$1 ~ /^[0-9]+$/ { name = $2; for (k = 3; k < NF - 2; ++k) name = name "_" $k;
                                         print $1, name, $(NF - 2), $(NF - 1) }' <<<"$out")
      fi
    done
  done
done

med() { tr ' ' '\n' <<<"$1" | grep -v '^$' | median; }
header() {
  printf '%-18s' "$1"
  for name in "${names[@]}"; do printf ' %14s' "$name"; done
  [[ ${#clis[@]} -eq 2 ]] && printf ' %7s' "ratio"
  printf '\n'
}
row() {  # label, then one median per cli
  local label=$1
  shift
  printf '%-18s' "$label"
  for v in "$@"; do printf ' %14s' "$v"; done
  [[ $# -eq 2 ]] && awk -v a="$1" -v b="$2" 'BEGIN { printf " %7.2f", (a > 0 ? b / a : 0) }'
  printf '\n'
}

echo "velmora engine speed, $(date -u +%Y-%m-%d), $(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg)"
echo "median of $rounds; perft million leaves/s at the depth shown"
echo
header "perft (depth)"
for entry in "${depths[@]}"; do
  variant=${entry% *}
  values=()
  for i in "${!clis[@]}"; do values+=("$(med "${result["perft|$variant|$i"]}")"); done
  row "$variant (${entry##* })" "${values[@]}"
done
echo
for mode in literal game kings; do
  case $mode in
    literal) echo "bench 2 --literal (reference search), total nodes ${result["literal|nodes|0"]}" ;;
    game) echo "bench 2 (game search), total nodes ${result["game|nodes|$((${#clis[@]} - 1))"]}" ;;
    kings) echo "bench 2 --kings (game search)" ;;
  esac
  header "  measure"
  for what in 8x8 total slowest; do
    values=()
    for i in "${!clis[@]}"; do values+=("$(med "${result["$mode|$what|$i"]}")"); done
    case $what in
      8x8) label="  8x8 nodes/s" ;;
      total) label="  all nodes/s" ;;
      slowest) label="  slowest s" ;;
    esac
    row "$label" "${values[@]}"
  done
  echo
done
echo "bench 2 --kings (game search), per position: nodes and median seconds"
for number in $(printf '%s\n' "${!result[@]}" | awk -F'|' '$1 == "kingname" { print $2 }' | sort -n); do
  line=$(printf '  #%-2s %-14s' "$number" "${result["kingname|$number"]}")
  for i in "${!clis[@]}"; do
    line+=$(printf ' %12s %7s' "${result["kingnodes|$number|$i"]}" "$(med "${result["kingpos|$number|$i"]}")")
  done
  echo "$line"
done

# The perft command prints every depth up to the one asked; its instructions
# are divided by the leaves of all of them.
if command -v valgrind >/dev/null; then
  echo
  echo "perft instructions per leaf (cachegrind)"
  header "  variant depth"
  for entry in "${counted[@]}"; do
    variant=${entry% *}
    depth=${entry##* }
    values=()
    for i in "${!clis[@]}"; do
      out=$(mktemp)
      valgrind --tool=cachegrind --cache-sim=no --cachegrind-out-file=/dev/null \
        "${clis[$i]}" perft "$variant" "$depth" >"$out.leaves" 2>"$out"
      instructions=$(awk '/I *refs/ { gsub(",", "", $NF); print $NF }' "$out")
      leaves=$(awk '{ s += $2 } END { print s }' "$out.leaves")
      values+=("$(awk -v i="$instructions" -v l="$leaves" 'BEGIN { printf "%.1f", i / l }')")
      rm -f "$out" "$out.leaves"
    done
    row "  $variant $depth" "${values[@]}"
  done
fi
