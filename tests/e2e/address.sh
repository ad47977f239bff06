#!/usr/bin/env bash
# End to end: following addresses with real clicks under Xvfb. A click on the label of the
# demo's item "Вторая схема / Second scheme" replaces the scheme by second.txt; the label
# "Назад / Back" there leads back. A jump saves the scheme it leaves only after an edit there.
# Every wait is bounded.
# Usage: address.sh LUMERIS LUMERIS_CLI
set -euo pipefail
lumeris=$(realpath "$1")
examples=$(realpath "$(dirname "$0")/../../examples")

source "$(dirname "$0")/../support/xvfb.sh" 120 "$0" "$@"

cp "$examples"/demo.txt "$examples"/second.txt "$examples"/lamp.bmp "$scratch"
cd "$scratch"
QT_QPA_PLATFORM=xcb "$lumeris" --lang ru "$scratch/demo.txt" >/dev/null 2>&1 &
pid=$!
wait_for 200 xdotool search --name "^demo - Lumeris$" || fail "no window for demo"
sleep 0.5 # the first frame
wid=$(xdotool search --name "^demo - Lumeris$" | head -n 1)

# The canvas sits one pixel inside the window: canvas (x, y) is window (x + 1, y + 1). A
# label starts 8 pixels right of its item's centre and rises above it.
click() {
  xdotool mousemove --window "$wid" $(($1 + 1)) $(($2 + 1))
  sleep 0.1
  xdotool click 1
}

# Demo: ScreenX -450, ScreenY -250, the item at (200, 160) is at canvas (650, 410).
click 670 408
wait_for 50 xdotool search --name "^second - Lumeris$" || fail "the label did not jump to second"
[ ! -e demo.txt.bak ] || fail "leaving demo unedited saved it"
cmp -s demo.txt "$examples"/demo.txt || fail "leaving demo unedited rewrote it"

# Second: ScreenX -300, ScreenY -200, "Назад / Back" at (0, 0) is at canvas (300, 200).
sleep 0.3
xdotool windowfocus --sync "$wid" key --clearmodifiers Insert # an edit: a new item, named x
sleep 0.2
xdotool type --delay 30 x
xdotool key --clearmodifiers Return
sleep 0.2
click 320 198
wait_for 50 xdotool search --name "^demo - Lumeris$" || fail "the label did not jump back"
[ -e second.txt.bak ] || fail "leaving second after an edit did not save it"
echo "e2e address: ok"
