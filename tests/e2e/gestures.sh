#!/usr/bin/env bash
# End to end: gestures and keys as a new user meets them, under Xvfb. A new item named and
# left with Enter drags from where the pointer rests; Ctrl+A centres while the panel's name
# field has the focus; a run of movement mode undoes in one step. Every wait is bounded.
# Usage: gestures.sh LUMERIS LUMERIS_CLI
set -euo pipefail
lumeris=$(realpath "$1")

source "$(dirname "$0")/../support/xvfb.sh" 120 "$0" "$@"

start_on_two_items

# The canvas sits one pixel inside the window: canvas (x, y) is window (x + 1, y + 1).
at() { xdotool mousemove --window "$wid" $(($1 + 1)) $(($2 + 1)); sleep 0.1; }
save() {
  xdotool key --clearmodifiers F2
  wait_for 50 test -e one.txt.bak || fail "F2 saved nothing"
  rm one.txt.bak
}
line_of() { grep -P "^\\d+\\t[^\\t]*\\t[^\\t]*\\t[^\\t]*\\t[^\\t]*\\t[^\\t]*\\t[^\\t]*\\t[^\\t]*\\t[^\\t]*\\t$1\\t" one.txt; }
screen_x() { sed -n 3p one.txt | cut -f4; }

# A new item, named, Enter, then dragged from where the pointer rests.
at 500 500
xdotool click --repeat 2 --delay 80 1
sleep 0.3
xdotool type --delay 30 "Fresh"
xdotool key Return
sleep 0.2
xdotool mousedown 1
for x in 520 560 600; do at $x 540; done
xdotool mouseup 1
sleep 0.3
save
[ "$(screen_x)" = 0 ] || fail "the drag panned the canvas: ScreenX $(screen_x)"
line_of Fresh | grep -q -P '^\d+\t(59[0-9]|60[0-9])\t5[34][0-9]\t' ||
  fail "the new item was not dragged: $(line_of Fresh)"
placed=$(line_of Fresh | cut -f2,3)

# Ctrl+A with the focus in the panel's name field centres on the newest item.
at 100 100
xdotool click 1
sleep 0.4
xdotool key ctrl+a
sleep 0.3
save
[ "$(screen_x)" != 0 ] || fail "Ctrl+A in the name field did not centre"

# Movement mode scatters the items; switched off and undone, every place is back.
at 5 5
xdotool click 1
sleep 0.3
xdotool key ctrl+F2
sleep 1.5
xdotool key ctrl+F2
sleep 0.2
xdotool key ctrl+z
sleep 0.3
save
[ "$(line_of a | cut -f2,3)" = "$(printf '100\t100')" ] || fail "a is not back: $(line_of a)"
[ "$(line_of b | cut -f2,3)" = "$(printf '300\t300')" ] || fail "b is not back: $(line_of b)"
[ "$(line_of Fresh | cut -f2,3)" = "$placed" ] || fail "Fresh is not back: $(line_of Fresh)"
echo ok
