#!/usr/bin/env bash
# velmora-cli as other programs use it: exact output lines and exit statuses.
set -u
cli="$1"
failures=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
    failures=$((failures + 1))
  fi
}
status() { "$@" >/dev/null 2>&1; echo $?; }

start='W:.b.b.b.b/b.b.b.b./.b.b.b.b/......../......../w.w.w.w./.w.w.w.w/w.w.w.w.'
check "perft counts" "7 49 302" "$("$cli" perft American 3 | cut -d' ' -f2 | xargs)"
check "perft by number" "9 81" "$("$cli" perft 6 2 | cut -d' ' -f2 | xargs)"
check "perft from a position" "7 49" "$("$cli" perft 0 2 "$start" | cut -d' ' -f2 | xargs)"
check "perft line" "4" "$("$cli" perft American 1 | awk '{print NF}')"
check "moves" "a3-b4 - man" "$("$cli" moves American "$start" | head -1)"
check "capture line" "c3:e5:g7 d4,f6 man" \
  "$("$cli" moves American 'W:......../......../.....b../......../...b..../..w...../......../........')"
check "replay" "played 2
position W:.b.b.b.b/b.b.b.b./.b.b...b/....b.../...w..../w...w.w./.w.w.w.w/w.w.w.w." \
  "$("$cli" replay American c3-d4 f6-e5 d4-c5 x)"
check "replay stops at the first failure" "played 0" "$("$cli" replay American c3-c4 c3-d4 | head -1)"
check "search keys" "best index score nodes seconds nodes_per_second" \
  "$("$cli" search American "$start" 0 | cut -d' ' -f1 | xargs)"
check "search single move" "best a1-b2 index 0 score -" \
  "$("$cli" search American 'W:......../......../......../......../......../......../......../W.......' 1 | head -3 | xargs)"
check "search without a move" "best - index - score 999996" \
  "$("$cli" search American 'W:......../......../......../......../......../......../......../........' 1 | head -3 | xargs)"
check "help" "0" "$(status "$cli" --help)"
check "no command" "2" "$(status "$cli")"
check "unknown command" "2" "$(status "$cli" frobnicate)"
check "unknown variant" "2" "$(status "$cli" perft american 2)"
check "bad depth" "2" "$(status "$cli" perft American 0)"
check "short row" "2" "$(status "$cli" moves American 'W:.b.b.b.b/b.b.b.b./.b.b.b.b/......../......./w.w.w.w./.w.w.w.w/w.w.w.w.')"
check "wrong board size" "2" "$(status "$cli" moves International "$start")"
check "unknown piece" "2" "$(status "$cli" moves American 'W:.b.b.b.b/b.b.b.b./.b.b.b.b/......../...x..../w.w.w.w./.w.w.w.w/w.w.w.w.')"
check "bad level" "2" "$(status "$cli" search American "$start" 3)"
[ "$failures" -eq 0 ] && echo "velmora-cli: all checks passed"
exit $((failures > 0))
