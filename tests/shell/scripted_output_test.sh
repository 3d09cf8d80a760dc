#!/usr/bin/env bash
# velmora --print-pdf and --export-board: the files they write and their
# exit statuses, run in a folder of their own as the game's working folder.
set -u
velmora=$1
cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work"
chmod 700 "$work"
failures=0
check() {  # description, then the command; fails when the command fails
  local what=$1
  shift
  if ! "$@"; then
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}
expect_status() {  # status, then the command
  local want=$1
  shift
  "$@" >/dev/null 2>err.txt
  local got=$?
  [ "$got" -eq "$want" ] || { echo "exit $got, wanted $want: $*"; cat err.txt; return 1; }
}

"$cli" save game.vlm International d4-c5 e7-d6 c5:e7 f8:d6 b4-a5 >/dev/null
check "listing to PDF" expect_status 0 "$velmora" --load game.vlm --print-pdf listing.pdf listing
check "listing text" grep -q "GAME TYPE - International" <(pdftotext listing.pdf -)
check "listing moves" grep -q "c5:e7" <(pdftotext listing.pdf -)
check "board to PDF" expect_status 0 "$velmora" --load game.vlm --print-pdf board.pdf board
check "mini board to PDF" expect_status 0 "$velmora" --load game.vlm --print-pdf mini.pdf mini
check "board PNG" expect_status 0 "$velmora" --load game.vlm --export-board board.png
check "PNG of 640 pixels" grep -q "640 x 640" <(file board.png)
check "board SVG" expect_status 0 "$velmora" --export-board board.svg
check "SVG text" grep -q "<svg" board.svg
check "empty listing" expect_status 1 "$velmora" --print-pdf empty.pdf listing
check "said why" grep -q "The listing is empty." err.txt
check "unknown kind" expect_status 1 "$velmora" --print-pdf x.pdf poster
check "missing saved game" expect_status 1 "$velmora" --load nothing.vlm --export-board x.png
check "unwritable picture" expect_status 1 "$velmora" --export-board /nonexistent-folder/x.png
check "nothing written on failure" test ! -e x.pdf

# A position with a marked move, as the manual's diagrams are drawn.
position="W:......../......../.b...b../......../...b..../..w...../......../........"
check "diagram" expect_status 0 "$velmora" --position American "$position" --path c3:e5:g7 --size 200 --export-board d.png
check "diagram size" grep -q "200 x 200" <(file d.png)
check "drawn as a diagram" expect_status 0 "$velmora" --position American "$position" --path c3:e5:g7 --diagram --size 200 --export-board dd.png
check "diagram keeps its size" grep -q "200 x 200" <(file dd.png)
check "diagram differs from the board" test "$(cmp -s d.png dd.png; echo $?)" = 1
check "diagram without a position" expect_status 1 "$velmora" --diagram --export-board e.png
check "said with what" grep -q -- "--diagram goes with --position" err.txt
check "illegal marked move" expect_status 1 "$velmora" --position American "$position" --path c3-d4 --export-board e.png
check "said which" grep -q '"c3-d4" is not a legal move' err.txt
check "unknown variant" expect_status 1 "$velmora" --position Chess "$position" --export-board e.png
check "bad position" expect_status 1 "$velmora" --position International "$position" --export-board e.png
check "said rows" grep -q "the position has 8 rows" err.txt
check "size out of range" expect_status 1 "$velmora" --position American "$position" --size 9x --export-board e.png
check "no picture on failure" test ! -e e.png
# A message quotes at most 40 bytes of what it was given.
long=$(head -c 100000 /dev/zero | tr '\0' x)
check "long marked move" expect_status 1 "$velmora" --position American "$position" --path "$long" --export-board e.png
check "quoted short" test "$(wc -c <err.txt)" -lt 200
check "long option" expect_status 1 "$velmora" "--$long"
check "option quoted short" test "$(wc -c <err.txt)" -lt 200
# Only an ordinary file is replaced: a pipe stays a pipe.
mkfifo pipe.png
check "a pipe is not replaced" expect_status 1 "$velmora" --export-board pipe.png
check "said what it is" grep -q "pipe.png: it is a pipe, not a regular file" err.txt
check "still a pipe" test -p pipe.png
# A new --home of a copy run from its build folder gets the default sounds
# and the example skin, as an installed copy's does.
check "fresh home" expect_status 0 "$velmora" --home "$work/home" --export-board "$work/h.png"
check "home has the sounds" test -s "$work/home/Sound/Capture.wav"
check "home has the example skin" test -s "$work/home/SKIN/Mint.bmp"
# A home that cannot be made (read-only, full; /proc refuses even root)
# does not stop the game: the window starts, says so, writes no settings,
# and ends on a signal as on closing.
"$velmora" --home /proc/velmora-home 2>window.err &
game=$!
for _ in $(seq 600); do [ -S "$XDG_RUNTIME_DIR/velmora-$(id -u)" ] && break; sleep 0.1; done
check "the window starts without its home" test -S "$XDG_RUNTIME_DIR/velmora-$(id -u)"
kill -TERM "$game"
wait "$game"
check "and ends on a signal" test "$?" -eq 0
check "saying why" grep -q "cannot make /proc/velmora-home/Save" window.err
check "no settings where it was started" test ! -e velmora.ini

[ "$failures" -eq 0 ] && echo "scripted output: all passed"
exit "$failures"
