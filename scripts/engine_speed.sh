#!/usr/bin/env bash
# The rules engine's and the search's speed in one table: perft leaves per
# second of every variant at a depth of about one second, the bench at level 2
# (reference and game search) and the many-kings bench, each the median of
# three runs.
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

# Depths that take between a third of a second and a second each with the
# current generator; the next depth of each takes several seconds.
depths=(
  "American 10" "Brazilian 10" "Canadian 8" "Crowded 9" "Frisian 9" "Gothic 6"
  "International 9" "Italian 10" "Pool checkers 10" "Russian 10" "Spanish 10"
  "Sparse checkers 8" "Thai 9" "Turkish 8"
)

median() { sort -g | sed -n 2p; }

# Field `field` of the line of `cli`'s output that starts with `key`.
field() { awk -v k="$1" -v f="$2" '$1 == k { print $f }'; }

declare -A result
for round in 1 2 3; do
  for entry in "${depths[@]}"; do
    variant=${entry% *}
    depth=${entry##* }
    for i in "${!clis[@]}"; do
      line=$("${clis[$i]}" perft "$variant" "$depth" | tail -1)
      result["perft|$variant|$i"]+="$(awk '{ print $4 }' <<<"$line") "
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
echo "median of three; perft leaves/s at the depth shown"
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
