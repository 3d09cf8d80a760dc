#!/usr/bin/env bash
# The computer against itself in every variant, with and without give-away:
#   scripts/selfplay.sh CLI [GAMES] [LEVEL] [SEED]
# runs GAMES games (default 36) of each of the 28 settings with the given
# velmora-cli (a sanitizer build finds faults), then prints the results per
# variant and how long the games were. Fails when a game fails.
set -euo pipefail
cli=$1
games=${2:-36}
level=${3:-0}
seed=${4:-11}
variants=(American Brazilian Canadian Crowded Frisian Gothic International Italian "Pool checkers" Russian Spanish
  "Sparse checkers" Thai Turkish)
lines=$(mktemp)
trap 'rm -f "$lines"' EXIT
printf '%-16s %-9s %5s %5s %5s %5s %6s\n' variant give-away white black draw limit plies
for variant in "${variants[@]}"; do
  for giveAway in no yes; do
    flag=()
    [ "$giveAway" = yes ] && flag=(--give-away)
    out=$("$cli" selfplay "$variant" "$games" "$level" "${flag[@]}" --seed "$seed")
    grep '^game ' <<<"$out" >>"$lines"
    summary=$(tail -1 <<<"$out")
    read -r _ _ _ white _ black _ draw _ limit _ mean _ <<<"$summary"
    printf '%-16s %-9s %5s %5s %5s %5s %6s\n' "$variant" "$giveAway" "$white" "$black" "$draw" "$limit" "$mean"
  done
done
echo
echo "games $(wc -l <"$lines"): length in plies"
awk '{ n = $6; bin = int(n / 50) * 50; count[bin]++ }
     END { for (b = 0; b <= 400; b += 50) if (b in count) printf "  %3d-%3d %5d\n", b, (b == 400 ? 400 : b + 49), count[b] }' \
  "$lines"
awk '{ print $4 }' "$lines" | sort | uniq -c | awk '{ printf "  %s %d\n", $2, $1 }'
