#!/usr/bin/env bash
# End to end: undo under Xvfb. An item made by a double click, named in the name editor and
# dragged, then Ctrl+Z three times: the saved file is the original, byte for byte. Ctrl+Y
# brings the item back. Every wait is bounded, so the test never hangs.
# Usage: undo.sh LUMERIS LUMERIS_CLI
set -euo pipefail
lumeris=$(realpath "$1")

source "$(dirname "$0")/../support/xvfb.sh" 120 "$0" "$@"

start_on_two_items

# The canvas sits one pixel inside the window: canvas (x, y) is window (x + 1, y + 1).
at() { xdotool mousemove --window "$wid" $(($1 + 1)) $(($2 + 1)); sleep 0.05; }
key() { xdotool windowfocus --sync "$wid" key --clearmodifiers "$@"; sleep 0.2; }
save() {
  key F2
  wait_for 50 test -e one.txt.bak || fail "F2 saved nothing"
  rm one.txt.bak
}

save # the program's own writing of the file is the original
cp one.txt original.txt

at 500 400
xdotool click --repeat 2 --delay 80 1
sleep 0.3
xdotool type --delay 30 xyz
key Return
at 450 350 # the pointer comes to rest on the item first
at 500 400
xdotool mousedown 1
at 540 420
at 580 440
xdotool mouseup 1
sleep 0.2
save
grep -q -P '^3\t580\t440\t1\t.*\txyz\t' one.txt || fail "no item xyz at (580, 440): $(sed -n 5,7p one.txt)"

key ctrl+z
key ctrl+z
key ctrl+z
save
cmp -s one.txt original.txt || fail "three undos did not give the original back: $(diff original.txt one.txt)"

key ctrl+y
save
grep -q -P '^3\t500\t400\t1\t' one.txt || fail "Ctrl+Y did not bring the item back"
kill -0 "$pid" || fail "the program ended"
echo "e2e undo: ok"
