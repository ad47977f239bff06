#!/usr/bin/env bash
# End to end: the loops window under Xvfb. The canvas menu's last entry opens it, a click on
# an item and on the loop listed for it choose that loop, and Esc closes the window while the
# program goes on.
# Usage: loops.sh LUMERIS LUMERIS_CLI
set -euo pipefail
lumeris=$(realpath "$1")

source "$(dirname "$0")/../support/xvfb.sh" 120 "$0" "$@"

# a at canvas (100, 100) and b at (300, 300), linked both ways: one balancing loop.
{
  printf 'Lumeris 1.5\r\nItems\tLinks\tViews\tScreenX\tScreenY\tScale\tBackGroundImage\r\n'
  printf '2\t2\t0\t0\t0\t1.0000\tnone\r\n'
  printf 'Item.id\tX\tY\tType\tValue\tAndOr\tCustom\tIsCust\tVis\tName\turl\tphoto\ttext\r\n'
  printf '1\t100\t100\t1\t0.0000\t1.0000\t0.0000\t0\t1\ta\t\t\t\r\n'
  printf '2\t300\t300\t1\t0.0000\t1.0000\t0.0000\t0\t1\tb\t\t\t\r\n'
  printf 'LinkFrom To\tValue\tAndOr\tName\r\n1\t2\t1.0000\t0.0000\t\r\n2\t1\t-1.0000\t0.0000\t\r\n'
  printf 'Views\r\n\r\n'
} >"$scratch/one.txt"
cd "$scratch"
QT_QPA_PLATFORM=xcb "$lumeris" --lang ru "$scratch/one.txt" >/dev/null 2>&1 &
pid=$!
wait_for 200 xdotool search --name "^one - Lumeris$" || fail "no window"
sleep 0.5 # the first frame
wid=$(xdotool search --name "^one - Lumeris$" | head -n 1)

xdotool mousemove --window "$wid" 700 600 click 3
sleep 0.5
xdotool key Up Return # the menu's last entry
wait_for 50 xdotool search --name "Петли и связи" || fail "no loops window"
loops=$(xdotool search --name "Петли и связи" | head -n 1)
xdotool windowmove "$loops" 520 420
xdotool mousemove --window "$wid" 101 101 click 1 # item a: the window follows
sleep 1
xdotool mousemove --window "$loops" 60 64 click 1 # the loop's row
sleep 0.5
kill -0 "$pid" || fail "the program ended"

xdotool windowfocus "$loops"
xdotool key Escape
wait_for 50 bash -c "! xdotool search --onlyvisible --name 'Петли и связи'" ||
  fail "Esc did not close the loops window"
kill -0 "$pid" || fail "the program ended"
echo ok
