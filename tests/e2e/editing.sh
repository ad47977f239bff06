#!/usr/bin/env bash
# End to end: editing with real pointer gestures under Xvfb. A right drag from an item to
# empty canvas makes an unnamed item and a link of value 1; a Shift band and a drag move a
# group; the group copied in one running program is pasted into a second one through the
# real X clipboard. Every wait is bounded, so the test never hangs.
# Usage: editing.sh LUMERIS LUMERIS_CLI
set -euo pipefail
lumeris=$(realpath "$1")

source "$(dirname "$0")/../support/xvfb.sh" 120 "$0" "$@"

# A scheme of three unlinked items at canvas (100, 100), (200, 100) and (300, 300).
scheme() {
  printf 'Lumeris 1.5\r\nItems\tLinks\tViews\tScreenX\tScreenY\tScale\tBackGroundImage\r\n'
  printf '3\t0\t0\t0\t0\t1.0000\tnone\r\n'
  printf 'Item.id\tX\tY\tType\tValue\tAndOr\tCustom\tIsCust\tVis\tName\turl\tphoto\ttext\r\n'
  printf '1\t100\t100\t1\t0.0000\t1.0000\t0.0000\t0\t1\ta\t\t\t\r\n'
  printf '2\t200\t100\t1\t0.0000\t1.0000\t0.0000\t0\t1\tb\t\t\t\r\n'
  printf '3\t300\t300\t1\t0.0000\t1.0000\t0.0000\t0\t1\tc\t\t\t\r\n'
  printf 'LinkFrom To\tValue\tAndOr\tName\r\nViews\r\n\r\n'
}
scheme > "$scratch/one.txt"
scheme > "$scratch/two.txt"
cd "$scratch"

# Starts the program on a file and waits for its window; prints the window's id.
start() {
  QT_QPA_PLATFORM=xcb "$lumeris" --lang ru "$scratch/$1.txt" >/dev/null 2>&1 &
  pids+=($!)
  wait_for 200 xdotool search --name "^$1 - Lumeris$" || fail "no window for $1"
  sleep 0.5 # the first frame
  xdotool search --name "^$1 - Lumeris$" | head -n 1
}
# The canvas sits one pixel inside the window: canvas (x, y) is window (x + 1, y + 1).
at() { xdotool mousemove --window "$wid" $(($1 + 1)) $(($2 + 1)); sleep 0.05; }
save() {
  xdotool windowfocus --sync "$wid" key --clearmodifiers F2
  wait_for 50 test -e "$1.txt.bak" || fail "F2 saved no $1.txt"
  rm "$1.txt.bak"
}
item_at() { grep -q -P "^\\d+\\t$2\\t$3\\t" "$1.txt"; }

wid=$(start one)
at 100 100
xdotool mousedown 3
at 300 200
at 600 500
xdotool mouseup 3
sleep 0.2
save one
item_at one 600 500 || fail "the right drag made no item at (600, 500)"
grep -q -P '^1\t4\t1\.0000\t' one.txt || fail "the right drag made no link of value 1"

at 50 50
xdotool keydown shift mousedown 1
at 150 120
at 250 150
xdotool mouseup 1 keyup shift
at 100 100
xdotool mousedown 1
at 120 130
at 140 160
xdotool mouseup 1
sleep 0.2
xdotool windowfocus --sync "$wid" key --clearmodifiers ctrl+c # saving ends the group
save one
item_at one 140 160 && item_at one 240 160 || fail "the group did not move by (40, 60)"
item_at one 300 300 || fail "an item outside the band moved"

wid=$(start two)
at 400 400
xdotool windowfocus --sync "$wid" key --clearmodifiers ctrl+v
sleep 0.3
save two
item_at two 400 400 && item_at two 500 400 || fail "the paste did not land at the pointer"
[ "$(sed -n 3p two.txt | cut -f1)" = 5 ] || fail "the paste did not add two items"
echo "e2e editing: ok"
