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
# The federation's rules beside the classic ones, in every rules command.
check "perft by the federation's rules" "36473 36768" \
  "$("$cli" perft American 6 | tail -1 | cut -d' ' -f2) $("$cli" perft American 6 --rules official | tail -1 | cut -d' ' -f2)"
free='W:......../......../.....b../......../.b.b..../..w...../......../........'
check "moves by the federation's rules" "c3:a5 b4 man|c3:e5:g7 d4,f6 man" \
  "$("$cli" moves American "$free" --rules official | paste -sd'|')"
check "--rules classic is the default" "$("$cli" moves American "$free")" "$("$cli" moves American --rules classic "$free")"
check "replay by the federation's rules" "0 2" \
  "$(status "$cli" replay Russian c3-d4 f6-e5 --rules official) $(status "$cli" replay Russian c3-d4 f6-e5 d4-c5 --rules official)"
# The Russian man may not stop on e5: one move left, nothing to search.
on='W:......../......../.....b../......../...b..../..w...../......../........'
check "search by the federation's rules" "2 index 0 score -" \
  "$("$cli" moves Russian "$on" | wc -l) $("$cli" search Russian "$on" 0 --rules official | sed -n 2,3p | xargs)"
check "match by the federation's rules" "game 1 a white" \
  "$("$cli" match Russian 1 0 0 --seed 3 --rules official | head -1 | cut -d' ' -f1-4)"
check "--rules needs classic or official" "2 2 2" \
  "$(status "$cli" perft American 2 --rules fide) $(status "$cli" moves American "$free" --rules) $(status "$cli" match American 1 0 0 --rules x)"
check "moves" "a3-b4 - man" "$("$cli" moves American "$start" | head -1)"
check "capture line" "c3:e5:g7 d4,f6 man" \
  "$("$cli" moves American 'W:......../......../.....b../......../...b..../..w...../......../........')"
check "replay" "played 2
position W:.b.b.b.b/b.b.b.b./.b.b...b/....b.../...w..../w...w.w./.w.w.w.w/w.w.w.w." \
  "$("$cli" replay American c3-d4 f6-e5 d4-c5 x)"
check "replay stops at the first failure" "played 0" "$("$cli" replay American c3-c4 c3-d4 | head -1)"
# One rule for the exit status: 2 when what the command line names does not
# read (a move, a position, a FEN, a PDN file, a saved game), in every command.
check "an illegal move exits 2 in replay as in save" "0 2 velmora-cli: move 2 \"c3-c4\" is not legal" \
  "$(status "$cli" replay American c3-d4 f6-e5) $(status "$cli" replay American c3-d4 c3-c4) $("$cli" replay American c3-d4 c3-c4 2>&1 >/dev/null)"
check "search keys" "best index score nodes seconds nodes_per_second" \
  "$("$cli" search American "$start" 0 | cut -d' ' -f1 | xargs)"
check "search single move" "best a1-b2 index 0 score -" \
  "$("$cli" search American 'W:......../......../......../......../......../......../......../W.......' 1 | head -3 | xargs)"
check "search without a move" "best - index - score 999996" \
  "$("$cli" search American 'W:......../......../......../......../......../......../......../........' 1 | head -3 | xargs)"
middle='W:.b.b.b.b/b...b.../.b.b.b.b/..b...../...w..../w...w.w./.w.w.w.w/w.w.w.w.'
check "search agrees with --literal" \
  "$("$cli" search American "$middle" 2 --literal | head -3 | xargs)" \
  "$("$cli" search American "$middle" 2 | head -3 | xargs)"
check "flags in any order" \
  "$("$cli" search American "$middle" 1 --literal --give-away | head -3 | xargs)" \
  "$("$cli" search American "$middle" 1 --give-away --literal | head -3 | xargs)"
check "selfplay lines" "game 1 result black plies 60
game 2 result black plies 62
games 2 white 0 black 2 draw 0 limit 0 plies_mean 61.0 plies_min 60 plies_max 62" "$("$cli" selfplay Russian 2 0 --seed 3)"
check "selfplay is repeatable" "$("$cli" selfplay Thai 3 0 --give-away --seed 9)" "$("$cli" selfplay Thai 3 0 --give-away --seed 9)"
check "selfplay level" "2" "$(status "$cli" selfplay Russian 1 3)"
check "bench lines" "31" "$("$cli" bench 0 | wc -l)"
check "bench --kings lines" "17" "$("$cli" bench 0 --kings | wc -l)"
# The Expert's bench: a line per position, then the medians of each variant
# and of all, the same at a fixed depth on every run.
expert_bench=$("$cli" bench expert --depth 4)
check "bench expert lines" "39" "$(echo "$expert_bench" | wc -l)"
check "bench expert median depth" "4" "$(echo "$expert_bench" | awk '$1 == "all" {print $7}')"
check "bench expert nodes repeat" "$(echo "$expert_bench" | awk 'NR > 1 && NR < 26 {print $4}' | xargs)" \
  "$("$cli" bench expert --depth 4 | awk 'NR > 1 && NR < 26 {print $4}' | xargs)"
check "bench expert refuses a position argument" "2" "$(status "$cli" bench expert 7)"
check "help" "0" "$(status "$cli" --help)"
check "expert search keys" "best index score nodes seconds nodes_per_second depth pv" \
  "$("$cli" search American "$start" expert --depth 4 | cut -d' ' -f1 | xargs)"
check "expert without a move" "best - index - score -30000" \
  "$("$cli" search American 'W:......../......../......../......../......../......../......../........' expert | head -3 | xargs)"
# The only move is played at once, whatever depth was asked for.
check "expert takes a capture" "best c3:e5 depth 1" \
  "$("$cli" search American 'W:.......b/......../......../......../...b..../..w...../......../w.......' expert --depth 3 | grep -E '^(best|depth)' | xargs)"
# --moves: the game from the start, or from a position, with its record.
opened=$("$cli" replay American c3-d4 f6-e5 d4:f6 g7:e5 | sed -n 's/^position //p')
for level in "expert --depth 6 --no-book" 2; do
  # shellcheck disable=SC2086
  check "moves give the answer of the position they reach: $level" \
    "$("$cli" search American "$opened" $level | grep -Ev '^(seconds|nodes_per_second)')" \
    "$("$cli" search American --moves c3-d4 f6-e5 d4:f6 g7:e5 $level | grep -Ev '^(seconds|nodes_per_second)')"
done
check "moves from a position" "$("$cli" moves American "$opened")" "$("$cli" moves American "$start" --moves c3-d4 f6-e5 d4:f6 g7:e5)"
check "moves by square numbers" "$("$cli" moves American --moves c3-d4 | xargs)|$("$cli" moves International --moves d4-e5 | xargs)" \
  "$("$cli" moves American --moves 11-15 | xargs)|$("$cli" moves International --moves 32-28 | xargs)"
check "--moves with none" "$("$cli" search American "$start" expert --depth 3 --no-book | head -2)" \
  "$("$cli" search American --moves expert --depth 3 --no-book | head -2)"
# Two kings against one: the lone king's retreat to c1 and back would come
# round again, and only the record tells the Expert that it is a draw.
kings='W:......../......B./......../....B.../......../......../......../..W.....'
round='c1-d2 e5-f6 d2-c1 f6-e5'
# shellcheck disable=SC2086
check "the Expert sees the record's repetition" "best c1-b2 score -126|best c1-d2 score -15" \
  "$("$cli" search American "$kings" expert --depth 1 | grep -E '^(best|score)' | xargs)|$("$cli" search American "$kings" --moves $round expert --depth 1 | grep -E '^(best|score)' | xargs)"
# shellcheck disable=SC2086
check "result: on, then a third time" "result none end none|result draw end repetition" \
  "$("$cli" result American "$kings" --moves $round | xargs)|$("$cli" result American "$kings" --moves $round $round | xargs)"
quiet="$round $round $round $round $round $round $round c1-d2 e5-f6"  # thirty quiet moves
# shellcheck disable=SC2086
check "a game drawn by the quiet run" "1 velmora-cli: the game is over after move 30: a draw, 30 moves in a row without a capture or a man changing its column|result draw end rules|0" \
  "$(status "$cli" search American "$kings" --moves $quiet expert --depth 2) $("$cli" search American "$kings" --moves $quiet expert --depth 2 2>&1)|$("$cli" result American "$kings" --moves $quiet | xargs)|$(status "$cli" search American "$kings" --moves ${quiet% *} expert --depth 2)"
last='W:......../......../......../......../......../..b...../.w....../........'
check "a game won on the last capture" "1 velmora-cli: the game is over after move 1: White wins, Black has no move|result white end rules|1 velmora-cli: the game is over after move 1: Black wins, Black has no move" \
  "$(status "$cli" search American "$last" --moves b2:d4 1) $("$cli" search American "$last" --moves b2:d4 1 2>&1)|$("$cli" result American "$last" --moves b2:d4 | xargs)|$(status "$cli" search American "$last" --moves b2:d4 expert --give-away) $("$cli" search American "$last" --moves b2:d4 expert --give-away 2>&1)"
for bad in "c3-d4 c3-d4|move 2 \"c3-d4\": There is no piece on c3" \
  "c3-d4 zz|move 2 \"zz\": \"zz\" is not a move: write it as c3-d4 or 22-18" \
  "c3|move 1 \"c3\": it could be c3-b4 or c3-d4" \
  "c3-d4 f6-g5 d4-e5 h6-g5|move 4 \"h6-g5\": A capture is compulsory: d6 must capture" \
  "c3-d4 b6-a7|move 2 \"b6-a7\": The piece cannot go there"; do
  # shellcheck disable=SC2086
  check "bad move: ${bad%%|*}" "2 velmora-cli: ${bad#*|}|2|2" \
    "$(status "$cli" search American --moves ${bad%%|*} expert --depth 2) $("$cli" search American --moves ${bad%%|*} expert --depth 2 2>&1)|$(status "$cli" moves American --moves ${bad%%|*})|$(status "$cli" result American --moves ${bad%%|*})"
done
check "a move after the end" "velmora-cli: move 2 \"c3-d4\" comes after the end of the game: White wins, Black has no move" \
  "$("$cli" result American "$last" --moves b2:d4 c3-d4 2>&1)"
check "--moves usage" "2 2 2 2" "$(status "$cli" search American --moves c3-d4) $(status "$cli" search American --moves c3-d4 0 --depth 2) $(status "$cli" moves American) $(status "$cli" result American "$start" c3-d4)"
check "match lines" "game 1 a white game 2 a black score" \
  "$("$cli" match American 2 expert 0 --depth 2 --seed 3 | head -2 | cut -d' ' -f1-4 | xargs) score"
check "match score line" "score A W D L elo E ± M" \
  "$("$cli" match American 2 1 0 --seed 3 | tail -1 | sed -E 's/^score [0-9.]+ [0-9]+ [0-9]+ [0-9]+ elo [-+0-9a-z]+ ± [0-9a-z]+$/score A W D L elo E ± M/')"
check "expert refuses limits out of range" "2 2 2|velmora-cli: --depth needs a number from 1 to 64|velmora-cli: --movetime needs milliseconds from 1 to 3600000" \
  "$(status "$cli" search American "$start" expert --depth 200) $(status "$cli" search American "$start" expert --movetime 3600001) $(status "$cli" search American "$start" expert --depth 0)|$("$cli" search American "$start" expert --depth 200 2>&1)|$("$cli" search American "$start" expert --movetime 3600001 --depth 1 2>&1)"
check "match bad level" "2" "$(status "$cli" match American 2 expert 3)"
check "no command" "2" "$(status "$cli")"
check "unknown command" "2" "$(status "$cli" frobnicate)"
check "unknown variant" "2" "$(status "$cli" perft american 2)"
check "bad depth" "2" "$(status "$cli" perft American 0)"
check "short row" "2" "$(status "$cli" moves American 'W:.b.b.b.b/b.b.b.b./.b.b.b.b/......../......./w.w.w.w./.w.w.w.w/w.w.w.w.')"
check "wrong board size" "2" "$(status "$cli" moves International "$start")"
check "unknown piece" "2" "$(status "$cli" moves American 'W:.b.b.b.b/b.b.b.b./.b.b.b.b/......../...x..../w.w.w.w./.w.w.w.w/w.w.w.w.')"
check "a man on a light square" "2 velmora-cli: bad position: a piece stands on a4, a light square; International is played on the dark squares" \
  "$(status "$cli" moves International 'W:.b......../........../........../........../........../........../w........./........../........../..........') $("$cli" moves International 'W:.b......../........../........../........../........../........../w........./........../........../..........' 2>&1)"
check "bad level" "2" "$(status "$cli" search American "$start" 3)"
check "flag twice" "2" "$(status "$cli" search American "$start" 1 --literal --literal)"
check "bench unknown flag" "2" "$(status "$cli" bench 0 --fast)"
# A variant is one of the table's, 0 to 13, or 14, "Unknown", the type the
# command line prints for a saved game from outside the table and plays by
# American rules; nothing else, for every command.
check "Unknown is read back as American rules" "$("$cli" perft American 5 | cut -d' ' -f2) $("$cli" moves American "$start")" \
  "$("$cli" perft Unknown 5 | cut -d' ' -f2) $("$cli" moves 14 "$start")"
for args in "perft 15 2" "perft -1 2" "moves 15 $start" "moves 15 --moves" "result 15" "search 15 --moves 0" "replay 15" "fen 15 $start" "search 15 $start 0" \
  "selfplay 15 1 0" "perft unknown 2"; do
  variant=${args#* } variant=${variant%% *}
  # shellcheck disable=SC2086
  check "variant out of the table: $args" "2 velmora-cli: unknown variant \"$variant\"" \
    "$(status "$cli" $args) $("$cli" $args 2>&1)"
done
# A message quotes at most 40 bytes of what it was given.
long=$(head -c 100000 /dev/zero | tr '\0' x)
for args in "perft $long 2" "search American --moves c3-d4 $long expert" "net serve 0 $long" "match American 2 0 0 --$long" "save /nonexistent.vlm American --$long" \
  "save /nonexistent.vlm American $long" "net join 127.0.0.1 $long" "moves American W:$long" "fen American --from $long"; do
  # shellcheck disable=SC2086
  check "a long argument quoted short: ${args:0:20}" "yes" "$([ "$("$cli" $args 2>&1 | wc -c)" -lt 400 ] && echo yes)"
done
check "the quote is cut" "velmora-cli: unknown variant \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...\"" "$("$cli" perft "$long" 2 2>&1)"
# Saved games: the window's exact bytes, read back as the window reads them.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
example=$(printf '[HEADER]\r\nAI LEVEL = 1\r\nGAME TYPE = Russian\r\nGIVE AWAY = NO\r\nPLAYER 1 NAME = Guest\r\nPLAYER 1 TIME = 37\r\nPLAYER 2 NAME = Computer\r\nPLAYER 2 TIME = 0\r\n\r\n[MOVEMENTS]\r\nNUMBER 0 = c3-d4\r\nNUMBER 1 = f6-e5\r\nNUMBER 2 = d4:f6\r\nNUMBER 3 = g7:e5\r\n' | od -c)
check "save writes the example" "0" \
  "$(status "$cli" save "$work/example.vlm" Russian --player1 Guest --time1 37 --player2 Computer c3-d4 f6-e5 d4:f6 g7:e5)"
check "saved bytes" "$example" "$(od -c <"$work/example.vlm")"
check "load" "game_type Russian
give_away no
player1 human 37 Guest
player2 computer 0 Computer
level 1
moves 4
position W:.b.b.b.b/b.b.b.../.b.b...b/....b.../......../w...w.w./.w.w.w.w/w.w.w.w." "$("$cli" load "$work/example.vlm")"
check "existing file" "1" "$(status "$cli" save "$work/example.vlm" American)"
check "existing file kept" "$example" "$(od -c <"$work/example.vlm")"
check "forced" "0" "$(status "$cli" save "$work/example.vlm" American --give-away --level 2 --force a3-b4)"
check "defaults" "game_type American
give_away yes
player1 human 0 White
player2 human 0 Black
level -
moves 1" "$("$cli" load "$work/example.vlm" | head -6)"
check "illegal move" "2" "$(status "$cli" save "$work/bad.vlm" American c3-d4 c3-d4)"
check "illegal move named" "velmora-cli: move 2 \"c3-d4\" is not legal" \
  "$("$cli" save "$work/bad.vlm" American c3-d4 c3-d4 2>&1)"
check "nothing written" "no" "$([ -e "$work/bad.vlm" ] && echo yes || echo no)"
check "missing file" "2" "$(status "$cli" load "$work/missing.vlm")"
check "load names what is not a file" "velmora-cli: /dev/zero is a character device, not a regular file|velmora-cli: $work is a directory, not a regular file" \
  "$("$cli" load /dev/zero 2>&1)|$("$cli" load "$work" 2>&1)"
check "save of a variant out of the table" "2 no file" \
  "$(status "$cli" save "$work/v15.vlm" 15) $([ -e "$work/v15.vlm" ] && echo file || echo no file)"
# A damaged file is an error, never an empty American game; a cut one loads
# what it holds and says the rest was lost.
{ head -c 3000 /dev/zero; printf '[\377\376]\n=\200\r\nNUMBER 0 = \n'; head -c 3000 /dev/zero | tr '\0' '\223'; } >"$work/junk.vlm"
: >"$work/empty.vlm"
printf '[HEADER]\r\nPLAYER 1 NAME = x\r\n' >"$work/nogame.vlm"
iconv -f UTF-8 -t UTF-16 <"$work/example.vlm" >"$work/utf16.vlm" 2>/dev/null || printf '\377\376[\0H\0' >"$work/utf16.vlm"
for command in load pdn analyse; do
  for file in junk empty nogame utf16; do
    check "$command of a damaged file: $file" "non-zero, no output" \
      "$([ "$(status "$cli" $command "$work/$file.vlm")" != 0 ] && echo non-zero), $([ -z "$("$cli" $command "$work/$file.vlm" 2>/dev/null)" ] && echo no output)"
  done
done
check "damaged file named" "velmora-cli: $work/junk.vlm: the file holds zero bytes: it is not a text file (or is UTF-16)|velmora-cli: $work/empty.vlm: the file is empty|velmora-cli: $work/nogame.vlm: no GAME TYPE in a [HEADER] section" \
  "$("$cli" load "$work/junk.vlm" 2>&1)|$("$cli" load "$work/empty.vlm" 2>&1)|$("$cli" load "$work/nogame.vlm" 2>&1)"
"$cli" save "$work/cut.vlm" American c3-d4 f6-e5 d4:f6 g7:e5 >/dev/null
truncate -s -4 "$work/cut.vlm"
check "a cut game loads what it holds" "1 moves 3|velmora-cli: $work/cut.vlm: move 4 \"g7:\" cannot be played: it and any moves after it were lost" \
  "$(status "$cli" load "$work/cut.vlm") $("$cli" load "$work/cut.vlm" 2>/dev/null | grep moves)|$("$cli" load "$work/cut.vlm" 2>&1 >/dev/null)"
check "pdn and analyse of a cut game" "1 1. 11-15 22-18 2. 15x22 *|1 3" \
  "$(status "$cli" pdn "$work/cut.vlm") $("$cli" pdn "$work/cut.vlm" 2>/dev/null | tr -d '\r' | tail -1)|$(status "$cli" analyse "$work/cut.vlm" --depth 2) $("$cli" analyse "$work/cut.vlm" --depth 2 2>/dev/null | grep -c '^[0-9]')"
# A line break in a name would start a section of its own and lose the moves.
"$cli" save "$work/eve.vlm" Russian --player2 $'Eve\r\n[MOVEMENTS]' c3-d4 f6-e5 d4:f6 g7:e5 >/dev/null
check "a line break in a name keeps the moves" "player2 human 0 Eve  [MOVEMENTS]|moves 4" \
  "$("$cli" load "$work/eve.vlm" | grep -E '^(player2|moves)' | paste -sd'|')"
# A file size limit or a full disk is a message and no file, never the end of the program.
check "a file size limit is a failed write" "1 velmora-cli: Cannot write $work/big.vlm: File too large|none" \
  "$(ulimit -f 0; status "$cli" save "$work/big.vlm" American c3-d4) $(ulimit -f 0; "$cli" save "$work/big.vlm" American 2>&1)|$(ls "$work" | grep big || echo none)"
# Only an ordinary file is replaced, and a link to one is written through.
mkfifo "$work/fifo"
ln -s fifo "$work/to-fifo"
ln -s eve.vlm "$work/to-eve"
check "--force keeps a pipe" "1 velmora-cli: Cannot write $work/fifo: it is a pipe, not a regular file|p" \
  "$(status "$cli" save "$work/fifo" American --force c3-d4) $("$cli" save "$work/fifo" American --force 2>&1)|$(stat -c %A "$work/fifo" | cut -c1)"
check "--force keeps a link to a pipe" "velmora-cli: Cannot write $work/to-fifo: it is a link to a pipe, not to a regular file|l" \
  "$("$cli" save "$work/to-fifo" American --force 2>&1)|$(stat -c %A "$work/to-fifo" | cut -c1)"
check "--force writes through a link" "0|l|moves 1" \
  "$(status "$cli" save "$work/to-eve" American --force c3-d4)|$(stat -c %A "$work/to-eve" | cut -c1)|$("$cli" load "$work/eve.vlm" | grep moves)"
printf '[GameType "21"] 1. 11-15 *\n' >"$work/one.pdn"
check "pdn import keeps a pipe" "1 velmora-cli: Cannot write $work/fifo: it is a pipe, not a regular file" \
  "$(status "$cli" pdn --import "$work/one.pdn" "$work/fifo" --force) $("$cli" pdn --import "$work/one.pdn" "$work/fifo" --force 2>&1)"
# Two network players on 127.0.0.1: the server on a free port, which it
# names on standard error; each waits at most 60 s for the other.
net_pair() {  # net_pair SERVE-OPTIONS... -- JOIN-OPTIONS...
  local serve=() join=()
  while [ "$1" != "--" ]; do serve+=("$1"); shift; done
  shift
  join=("$@")
  "$cli" net serve 0 "${serve[@]}" >"$work/serve.out" 2>"$work/serve.err" &
  local pid=$! port=""
  for _ in $(seq 600); do
    port=$(sed -n 's/.*listening on port \([0-9]*\).*/\1/p' "$work/serve.err")
    [ -n "$port" ] && break
    sleep 0.1
  done
  "$cli" net join 127.0.0.1 "$port" "${join[@]}" >"$work/join.out" 2>"$work/join.err"
  echo "join $?" >>"$work/join.out"
  wait "$pid"
  echo "serve $?" >>"$work/serve.out"
}
net_pair Russian --side 1 --level 0 --clocks 5,7 -- --level 0
check "net ends alike" "$(sed -n 2,3p "$work/serve.out")" "$(sed -n 2,3p "$work/join.out")"
results=$( (head -1 "$work/serve.out"; head -1 "$work/join.out") | sort | xargs)
[ "$results" = "end draw end draw" ] || check "net result" "end loss end win" "$results"
check "net exit by the rules" "serve 0 join 0" "$(tail -1 "$work/serve.out") $(tail -1 "$work/join.out")"
check "net moves match the listing" "$(sed -n 2p "$work/join.out" | cut -d' ' -f2)" \
  "$(sed -n 3p "$work/join.out" | wc -w | xargs expr -1 +)"
check "net bad command line" "2" "$(status "$cli" net serve 70000 Russian)"
check "net bad option" "2" "$(status "$cli" net join 127.0.0.1 7000 --level 5)"
check "net nobody there" "end connection-lost
moves 0
listing" "$("$cli" net join 127.0.0.1 1 2>/dev/null)"
check "net nobody there exits 1" "1" "$(status "$cli" net join 127.0.0.1 1)"
# Two Velmoras play a four-game DamExchange match on 127.0.0.1: the
# follower on a free port, which it names on standard error.
"$cli" dxp listen 0 --movetime 10 >"$work/follower.out" 2>"$work/follower.err" &
follower=$! port=""
for _ in $(seq 600); do
  port=$(sed -n 's/.*listening on port \([0-9]*\).*/\1/p' "$work/follower.err")
  [ -n "$port" ] && break
  sleep 0.1
done
"$cli" dxp connect 127.0.0.1 "$port" --initiator --games 4 --movetime 10 >"$work/initiator.out" 2>"$work/initiator.err"
check "dxp initiator exits 0" "0" "$?"
wait "$follower"
check "dxp follower exits 0" "0" "$?"
check "dxp four games each, colours alternating" "4 white black white black|4 black white black white" \
  "$(grep -c '^game' "$work/initiator.out") $(grep '^game' "$work/initiator.out" | cut -d' ' -f4 | xargs)|$(grep -c '^game' "$work/follower.out") $(grep '^game' "$work/follower.out" | cut -d' ' -f4 | xargs)"
check "dxp both ends saw the same results" "$(grep '^game' "$work/initiator.out" | cut -d' ' -f6,10 | xargs)" \
  "$(grep '^game' "$work/follower.out" | cut -d' ' -f6,10 | xargs)"
# The Hub protocol's own example: International's start, a second a move,
# a search; the input closes at once and the move is still answered.
hub_start="W$(printf 'b%.0s' $(seq 20))$(printf 'e%.0s' $(seq 10))$(printf 'w%.0s' $(seq 20))"
hub_done=$(printf 'hub\ninit\npos pos=%s\nlevel move-time=1\ngo think\n' "$hub_start" | "$cli" hub | grep '^done')
hub_move=$(echo "$hub_done" | sed -n 's/^done move=\([0-9]*[-x][0-9]*\).*/\1/p')
printf '[GameType "20"]\n1. %s *\n' "$hub_move" >"$work/hub.pdn"
check "hub example answers a legal move" "0 moves 1" \
  "$(status "$cli" pdn --import "$work/hub.pdn" "$work/hub.vlm") $("$cli" load "$work/hub.vlm" 2>/dev/null | grep moves)"
# PDN and FEN: a saved game out and back, positions both ways, refusals.
"$cli" save "$work/pdn.vlm" American c3-d4 f6-e5 d4:f6 g7:e5 --player1 Ann --player2 Bob >/dev/null
check "pdn of a saved game" '[White "Bob"]|[Black "Ann"]|[GameType "21,B,8,8,N1,0"]|1. 11-15 22-18 2. 15x22 25x18 *' \
  "$("$cli" pdn "$work/pdn.vlm" | tr -d '\r' | grep -E '^\[(White|Black|GameType)|^1\.' | paste -sd'|')"
"$cli" pdn "$work/pdn.vlm" >"$work/pdn.pdn"
check "pdn import" "0" "$(status "$cli" pdn --import "$work/pdn.pdn" "$work/back.vlm")"
check "pdn import gives the same game" "$("$cli" load "$work/pdn.vlm" | grep -v level)" \
  "$("$cli" load "$work/back.vlm" | grep -v level)"
printf '[GameType "20"]\n1. 32-28 19-23\n2. 28-22\n' >"$work/bad.pdn"
check "pdn import of an illegal move" "velmora-cli: $work/bad.pdn: line 3: \"28-22\" is not a legal move of White here" \
  "$("$cli" pdn --import "$work/bad.pdn" "$work/bad.vlm" 2>&1)"
check "pdn import failure exits 2" "2" "$(status "$cli" pdn --import "$work/bad.pdn" "$work/bad.vlm")"
check "pdn of a missing file exits 2, as load and analyse do" "2 2 2" "$(status "$cli" pdn "$work/none.vlm") $(status "$cli" load "$work/none.vlm") $(status "$cli" analyse "$work/none.vlm")"
check "pdn of what is not a file" "2 velmora-cli: $work is a directory, not a regular file|2 velmora-cli: /dev/null is a character device, not a regular file" \
  "$(status "$cli" pdn "$work") $("$cli" pdn "$work" 2>&1)|$(status "$cli" pdn /dev/null) $("$cli" pdn /dev/null 2>&1)"
check "pdn import reads no device" "2 velmora-cli: /dev/zero is a character device, not a regular file" \
  "$(status "$cli" pdn --import /dev/zero "$work/zero.vlm") $("$cli" pdn --import /dev/zero "$work/zero.vlm" 2>&1)"
# An existing file is replaced only with --force, as save does.
check "pdn import keeps an existing file" "1 velmora-cli: $work/pdn.vlm exists; --force replaces it|Ann" \
  "$(status "$cli" pdn --import "$work/pdn.pdn" "$work/pdn.vlm") $("$cli" pdn --import "$work/pdn.pdn" "$work/pdn.vlm" 2>&1)|$("$cli" load "$work/pdn.vlm" | grep -o Ann)"
printf '[White "Cy"][GameType "21"]\n1. 11-15 *\n' >"$work/cy.pdn"
check "pdn import --force replaces it" "0|Cy" \
  "$(status "$cli" pdn --import "$work/cy.pdn" "$work/pdn.vlm" --force)|$("$cli" load "$work/pdn.vlm" | grep -o Cy)"
check "save keeps an existing file" "1 velmora-cli: $work/pdn.vlm exists; --force replaces it" \
  "$(status "$cli" save "$work/pdn.vlm" American) $("$cli" save "$work/pdn.vlm" American 2>&1)"
"$cli" save "$work/official.vlm" Russian --rules official c3-d4 f6-e5 d4:f6 g7:e5 >/dev/null
check "a saved game and its PDN keep the federation's rules" 'rules official|[GameType "25"]|rules official' \
  "$("$cli" load "$work/official.vlm" | grep rules)|$("$cli" pdn "$work/official.vlm" | tr -d '\r' | grep GameType)|$("$cli" pdn "$work/official.vlm" >"$work/official.pdn"; "$cli" pdn --import "$work/official.pdn" "$work/official-back.vlm"; "$cli" load "$work/official-back.vlm" | grep rules)"
check "pdn reads a game by the rules asked for" '[GameType "21"]|[GameType "25,W,8,8,A0,0"]|rules official' \
  "$("$cli" pdn "$work/pdn.vlm" --rules official 2>/dev/null | tr -d '\r' | grep GameType)|$("$cli" pdn "$work/official.vlm" --rules classic | tr -d '\r' | grep GameType)|$("$cli" pdn --import "$work/official.pdn" "$work/official-again.vlm" --rules official; "$cli" load "$work/official-again.vlm" | grep rules)"
# By the federation's rules the man's capture d4:f6 must go on.
"$cli" save "$work/stops.vlm" Russian e3-f4 d6-c5 g3-h4 c5-b4 c3:a5 f6-e5 f4:d6 c7:e5 a5:c7 d8:b6 h4-g5 h6:f4 \
  f2-e3 b8-c7 e3:g5 b6-c5 e1-f2 e5-f4 g5:e3 c7-d6 d2-c3 g7-h6 e3-d4 c5:e3 f2:d4 d6-e5 d4:f6 >/dev/null
check "pdn keeps the moves the rules asked for allow" "1|move 27" \
  "$(status "$cli" pdn "$work/stops.vlm" --rules official)|$("$cli" pdn "$work/stops.vlm" --rules official 2>&1 >/dev/null | grep -o 'move 27')"
check "pdn usage" "2" "$(status "$cli" pdn)"
# Black's eighth move gives a man away; at a fixed depth the marks are the same everywhere.
"$cli" save "$work/blunder.vlm" American c3-d4 f6-g5 b2-c3 g5-h4 d4-e5 d6:f4 g3:e5 h4-g3 h2:f4 >/dev/null
check "analyse marks the blunder" "8 black h4-g3 ??|mistakes white 0 black 0|blunders white 0 black 1|9" \
  "$("$cli" analyse "$work/blunder.vlm" --depth 6 | awk '$NF == "??" {print $1, $2, $3, $NF}')|$("$cli" analyse "$work/blunder.vlm" --depth 6 | tail -2 | paste -sd'|')|$("$cli" analyse "$work/blunder.vlm" --depth 6 | grep -c '^[0-9]')"
check "analyse header" "ply side played score best score mark" "$("$cli" analyse "$work/blunder.vlm" --depth 2 | head -1 | xargs)"
check "analyse usage" "2 2 2" "$(status "$cli" analyse) $(status "$cli" analyse "$work/blunder.vlm" --depth 0) $(status "$cli" analyse "$work/none.vlm")"
check "endings: one chosen" "1 passed win result white end rules|won 1 of 1 drawn 0 of 0" \
  "$("$cli" endings --nodes 100000 1 | head -1 | cut -c1-44 | xargs)|$("$cli" endings --nodes 100000 1 | tail -1)"
check "endings usage" "2 2" "$(status "$cli" endings 99) $(status "$cli" endings --nodes 0)"
check "fen of a position" "B:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12" \
  "$("$cli" fen American "$start")"
check "position of a fen" "$start" "$("$cli" fen American --from 'B:W21-32:B1-12')"
check "position of an algebraic fen" "B:......../......../......../......../......../......../......../W......." \
  "$("$cli" fen Russian --from 'B:WKa1:B')"
check "bad fen" "velmora-cli: FEN, field 2: expected a square number from 1 to 50, found \"51\"" \
  "$("$cli" fen International --from 'W:W51' 2>&1)"
check "bad fen exits 2" "2" "$(status "$cli" fen International --from 'W:W51')"
check "a bad position exits 2 in fen as in moves" "2 2" "$(status "$cli" fen American 'W:...') $(status "$cli" moves American 'W:...')"
# The gauntlet, the binary against itself: the opening twice with the
# colours swapped, a line per game, the score, and games that read back whole.
gauntlet=$(dirname "$0")/../../scripts/gauntlet.py
"$gauntlet" "$cli" "$cli" American 2 --nodes 1 --max-plies 8 --seed 2 --pdn "$work/gauntlet.pdn" >"$work/gauntlet.out"
check "gauntlet runs" "0" "$?"
check "gauntlet output" "game 1 new white result R end E plies P opening O|game 2 new black result R end E plies P opening O|score new 50.0 % wins W draws D losses L games 2|elo E" \
  "$(sed -E -e 's/result (win|draw|loss) end (rules|repetition|limit) plies [0-9]+ opening [a-h1-8: -]+$/result R end E plies P opening O/' \
    -e 's/wins [0-9] draws [0-9] losses [0-9]/wins W draws D losses L/' -e 's/^elo [-+][0-9]+ ± [0-9]+ \(95 %: [-+][0-9]+ \.\. [-+][0-9]+\)$/elo E/' \
    "$work/gauntlet.out" | paste -sd'|')"
check "gauntlet openings" "$(sed -n 1p "$work/gauntlet.out" | sed 's/.* opening //')" "$(sed -n 2p "$work/gauntlet.out" | sed 's/.* opening //')"
awk -v out="$work/gauntlet" '/^\[Event / {n++} {print > (out n ".pdn")}' "$work/gauntlet.pdn"
for n in 1 2; do
  check "gauntlet game $n reads back" "0 moves $(sed -n "${n}s/.* plies \([0-9]*\) .*/\1/p" "$work/gauntlet.out")" \
    "$(status "$cli" pdn --import "$work/gauntlet$n.pdn" "$work/gauntlet$n.vlm") $("$cli" load "$work/gauntlet$n.vlm" | grep moves)"
done
check "gauntlet needs a limit" "2" "$(status "$gauntlet" "$cli" "$cli" American 2)"
# Endgame databases: built, checked and looked up from a folder.
check "egdb build" "pieces 3 positions 522448" \
  "$("$cli" egdb build American 3 --dir "$work/egdb" | tail -1 | cut -d' ' -f1-4)"
check "egdb verify" "0 34" "$(status "$cli" egdb verify American 3 --dir "$work/egdb") $("$cli" egdb verify American 3 --dir "$work/egdb" | grep -c '^w.* ok$')"
check "egdb probe" "outcome win|plies 21" \
  "$("$cli" egdb probe American "W:.B....../......../......../......../...W.W../......../......../........" --dir "$work/egdb" | paste -sd'|')"
check "egdb probe outside" "outcome unknown|plies -" \
  "$("$cli" egdb probe American "$start" --dir "$work/egdb" | paste -sd'|')"
check "expert plays a database position by the databases" "best d4-c5 nodes 0 depth 0" \
  "$("$cli" search American "W:.B....../......../......../......../...W.W../......../......../........" expert --egdb "$work/egdb" | grep -E '^(best|depth|nodes) ' | xargs)"
check "expert refuses a folder without databases" "2" "$(status "$cli" search American "$start" expert --egdb "$work")"
check "book: a comment naming how it was made, then positions with moves" "# American: velmora-cli book American 2 --depth 2 --keep 1|3" \
  "$("$cli" book American 2 --depth 2 --keep 1 2>/dev/null | head -1)|$("$cli" book American 2 --depth 2 --keep 1 2>/dev/null | awk 'NR == 2 {print NF}')"
check "expert opens from its book unless told not to" "0 1" \
  "$("$cli" search American expert --moves --depth 3 | awk '$1 == "nodes" {print ($2 > 0)}') $("$cli" search American expert --moves --depth 3 --no-book | awk '$1 == "nodes" {print ($2 > 0)}')"
# Wins and draws of the databases played out by the game's rules: no draw
# is lost, and the wins the quiet run does not cut short are won (the
# databases know nothing of it: four of these wins need a longer walk of
# kings than the run allows).
check "egdb sample plays out wins and draws" "wins 30 won 26 drawn 4 lost 0|draws 30 drawn 30 won 0 lost 0" \
  "$("$cli" egdb sample American 3 --dir "$work/egdb" --count 30 --movetime 1 --seed 4 | grep -E '^(wins|draws) ' | paste -sd'|')"
# The training: games whose every line is a quiet position with its result,
# then weights that read back into the program's format.
"$cli" train games American 6 --nodes 300 --seed 2 >"$work/train.txt"
check "train games: <game> <result> <position>, no capture to make" "0 0" \
  "$(awk 'NF != 3 || $2 !~ /^[012]$/' "$work/train.txt" | wc -l) $(status test "$(wc -l <"$work/train.txt")" -gt 100)"
check "train games is the same for the same seed" "$(cat "$work/train.txt")" "$("$cli" train games American 6 --nodes 300 --seed 2)"
"$cli" train fit American "$work/train.txt" --epochs 2 >"$work/weights.txt" 2>"$work/fit.err"
check "train fit: the header and a loss for each epoch" "velmora-patterns 1|variant 0|board 8|2" \
  "$(grep -v '^#' "$work/weights.txt" | head -3 | paste -sd'|')|$(grep -c '^epoch' "$work/fit.err")"
check "train refuses Turkish and a bad line" "2 2" \
  "$(status "$cli" train games Turkish 1) $(echo "0 3 W:x" >"$work/bad.txt"; status "$cli" train fit American "$work/bad.txt")"
check "search without the patterns scores otherwise" "1" \
  "$(test "$("$cli" search American --moves c3-d4 b6-a5 expert --depth 4 --no-book | grep "^score")" != "$("$cli" search American --moves c3-d4 b6-a5 expert --depth 4 --no-book --no-patterns | grep "^score")" && echo 1)"
head -c 100 "$work/egdb/american-8-w0m1k-b0m1k.egdb" > "$work/cut.egdb" && mv "$work/cut.egdb" "$work/egdb/american-8-w0m1k-b0m1k.egdb"
check "egdb refuses a cut file" "2 2" \
  "$(status "$cli" egdb verify American 2 --dir "$work/egdb") $(status "$cli" egdb probe American "W:.B....../......../......../......../...W..../......../......../........" --dir "$work/egdb")"
check "egdb usage" "2 2 2" \
  "$(status "$cli" egdb build Turkish 3 --dir "$work/egdb") $(status "$cli" egdb build American 9 --dir "$work/egdb") $(status "$cli" egdb build American 3)"
[ "$failures" -eq 0 ] && echo "velmora-cli: all checks passed"
exit $((failures > 0))
