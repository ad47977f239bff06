#!/usr/bin/env bash
# End to end: what leaving a scheme writes, under Xvfb. F10 after an edit saves once, so the
# backup keeps the version from before the program started; F10 without an edit writes
# nothing. A name on the command line that does not exist yet starts an empty scheme under it
# that F10 creates. Esc asks, and closing that box with Esc keeps the program. An address
# the system cannot open says so. Every wait is bounded, so the test never hangs.
# Usage: saving.sh LUMERIS LUMERIS_CLI
set -euo pipefail
lumeris=$(realpath "$1")

source "$(dirname "$0")/../support/xvfb.sh" 120 "$0" "$@"

key() { xdotool windowfocus --sync "$1" key --clearmodifiers "${@:2}"; sleep 0.2; }
# Ins makes an item; its name x ends with Return.
edit() { key "$1" Insert; xdotool type --delay 30 x; key "$1" Return; }
ended() { wait_for 100 bash -c "! kill -0 $pid"; }
box() { wait_for 100 xdotool search --onlyvisible --name "$1"; }

# F10 without an edit leaves the file and makes no backup.
start_on_two_items
cp one.txt original.txt
key "$wid" F10
ended || fail "F10 did not end the program"
pid=
cmp -s one.txt original.txt || fail "F10 rewrote a scheme nobody edited"
[ ! -e one.txt.bak ] || fail "F10 made a backup of a scheme nobody edited"

# F10 after an edit: the backup is the file from before.
QT_QPA_PLATFORM=xcb "$lumeris" --lang ru "$scratch/one.txt" >/dev/null 2>&1 &
pid=$!
wait_for 200 xdotool search --onlyvisible --name "^one - Lumeris$" || fail "no window"
sleep 0.5
wid=$(xdotool search --name "^one - Lumeris$" | head -n 1)
edit "$wid"
key "$wid" F10
ended || fail "F10 after an edit did not end the program"
pid=
cmp -s one.txt.bak original.txt || fail "the backup does not hold the file from before"
cmp -s one.txt original.txt && fail "F10 did not save the edit"

# A new name: no "Invalid data file", the title is the name's, and F10 creates the file.
QT_QPA_PLATFORM=xcb "$lumeris" --lang ru fresh.txt >/dev/null 2>&1 &
pid=$!
wait_for 200 xdotool search --onlyvisible --name "^fresh - Lumeris$" || fail "no window titled after fresh.txt"
wid=$(xdotool search --name "^fresh - Lumeris$" | head -n 1)
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name '^Lumeris$' 2>/dev/null)" ] || fail "a box came up"
edit "$wid"
key "$wid" F10
ended || fail "F10 did not end the program"
pid=
head -n 1 fresh.txt | grep -q '^Lumeris 1.5' || fail "F10 did not create fresh.txt"

# Esc asks; Esc on the question is its Cancel: the program stays. Ctrl+Q then ends it.
# The item's address names a file that is nowhere: clicking its label reports it.
{
  printf 'Lumeris 1.5\r\nItems\tLinks\tViews\tScreenX\tScreenY\tScale\tBackGroundImage\r\n'
  printf '1\t0\t0\t0\t0\t1.0000\tnone\r\n'
  printf 'Item.id\tX\tY\tType\tValue\tAndOr\tCustom\tIsCust\tVis\tName\turl\tphoto\ttext\r\n'
  printf '1\t100\t100\t1\t0.0000\t1.0000\t0.0000\t0\t1\tnowhere\tnowhere.pdf\t\t\r\n'
  printf 'LinkFrom To\tValue\tAndOr\tName\r\nViews\r\n\r\n'
} >link.txt
QT_QPA_PLATFORM=xcb "$lumeris" --lang ru "$scratch/link.txt" >/dev/null 2>&1 &
pid=$!
wait_for 200 xdotool search --onlyvisible --name "^link - Lumeris$" || fail "no window"
sleep 0.5
wid=$(xdotool search --name "^link - Lumeris$" | head -n 1)
key "$wid" Escape
box "^Lumeris exit$" || fail "Esc asked nothing"
question=$(xdotool search --onlyvisible --name "^Lumeris exit$" | head -n 1)
key "$question" Escape
sleep 0.5
kill -0 "$pid" || fail "closing the question ended the program"

xdotool mousemove --window "$wid" 121 99
sleep 0.1
xdotool click 1
box "^Lumeris$" || fail "opening nowhere.pdf said nothing"
message=$(xdotool search --onlyvisible --name "^Lumeris$" | head -n 1)
key "$message" Return
key "$wid" ctrl+q
ended || fail "Ctrl+Q did not end the program"
pid=
echo "e2e saving: ok"
