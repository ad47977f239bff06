#!/usr/bin/env bash
# End to end: finding one's way in the real program under Xvfb. Ctrl+F, a name and Enter
# centre that item (read back from the saved view); after movement mode, Ctrl+Shift+A shows
# every item inside the window; F1 opens the help window; F9 stops the run (the status bar
# then says so: set LUMERIS_E2E_SHOTS to a folder to keep its picture); a file from the
# recent list of the menu bar reopens. The settings live in the scratch folder.
# Usage: findway.sh LUMERIS LUMERIS_CLI
set -euo pipefail
lumeris=$(realpath "$1")

source "$(dirname "$0")/../support/xvfb.sh" 120 "$0" "$@"
export XDG_CONFIG_HOME="$scratch/findway-config" # fresh: the menu bar shows

scheme() { # FILE, then lines "id x y name"
  local file=$1
  shift
  {
    printf 'Lumeris 1.5\r\nItems\tLinks\tViews\tScreenX\tScreenY\tScale\tBackGroundImage\r\n'
    printf '%d\t0\t0\t0\t0\t1.0000\tnone\r\n' $#
    printf 'Item.id\tX\tY\tType\tValue\tAndOr\tCustom\tIsCust\tVis\tName\turl\tphoto\ttext\r\n'
    for line in "$@"; do
      read -r id x y name <<<"$line"
      printf '%s\t%s\t%s\t1\t0.0000\t1.0000\t0.0000\t0\t1\t%s\t\t\t\r\n' "$id" "$x" "$y" "$name"
    done
    printf 'LinkFrom To\tValue\tAndOr\tName\r\nViews\r\n\r\n'
  } >"$scratch/$file"
}
# The saved view: "ScreenX ScreenY Scale".
saved_view() { sed -n 3p "$1" | tr -d '\r' | cut -f4-6; }
# Every item's canvas point "x y" in the saved file.
canvas_points() {
  read -r sx sy scale <<<"$(saved_view "$1")"
  tr -d '\r' <"$1" | awk -F'\t' -v sx="$sx" -v sy="$sy" -v s="$scale" \
    'n > 0 && $1 ~ /^[0-9]+$/ { printf "%d %d\n", ($2 - sx) * s, ($3 - sy) * s; n-- }
     FNR == 3 { n = $1 }'
}
key() { xdotool windowfocus --sync "$wid" && xdotool key --clearmodifiers "$@"; }
saved() { # saves with F2 and waits for the new file
  local before
  before=$(stat -c %Y.%i three.txt)
  sleep 1.1
  key F2
  wait_for 50 bash -c "[ \"\$(stat -c %Y.%i three.txt)\" != $before ]" || fail "F2 saved nothing"
}

scheme three.txt "1 0 0 alpha" "2 -6000 4000 gamma" "3 9000 -3000 delta"
scheme two.txt "1 0 0 other"
cd "$scratch"
QT_QPA_PLATFORM=xcb "$lumeris" --lang ru "$scratch/three.txt" >/dev/null 2>&1 &
pid=$!
wait_for 200 xdotool search --name "^three - Lumeris$" || fail "no window"
wid=$(xdotool search --name "^three - Lumeris$" | head -n 1)
sleep 0.5

# Find: the view eases to centre gamma, at the zoom it had.
key ctrl+f
xdotool type --delay 50 "GAM"
key Return
sleep 1.5
saved
read -r gx gy <<<"$(canvas_points three.txt | sed -n 2p)"
read -r _ _ scale <<<"$(saved_view three.txt)"
[ "$scale" = "1.0000" ] || fail "finding changed the zoom to $scale"
((gx > 560 && gx < 720 && gy > 300 && gy < 650)) || fail "gamma is at ($gx, $gy), not centred"
key Escape
sleep 0.3
kill -0 "$pid" || fail "Esc in the find bar ended the program"

# Help.
key F1
wait_for 50 xdotool search --name "^Справка — Lumeris$" || fail "F1 opened no help window"

# Movement, then show all: every item inside the window.
key ctrl+F2
sleep 1.5
key ctrl+F2
key ctrl+shift+a
sleep 2
saved
while read -r x y; do
  ((x >= 0 && x < 1280 && y >= 0 && y < 950)) || fail "an item is outside the window: ($x, $y)"
done < <(canvas_points three.txt)

key F9
sleep 0.6
if [ -n "${LUMERIS_E2E_SHOTS:-}" ]; then import -window root "$LUMERIS_E2E_SHOTS/stopped.png"; fi
key ctrl+q
wait_for 100 bash -c "! kill -0 $pid" || fail "Ctrl+Q did not end the program"

# A recent file: two.txt is opened, three.txt is second in Файл > Последние файлы.
QT_QPA_PLATFORM=xcb "$lumeris" --lang ru "$scratch/two.txt" >/dev/null 2>&1 &
pid=$!
wait_for 200 xdotool search --name "^two - Lumeris$" || fail "no window for two.txt"
wid=$(xdotool search --name "^two - Lumeris$" | head -n 1)
sleep 0.5
xdotool windowfocus --sync "$wid"
xdotool mousemove --window "$wid" 20 10 click 1
sleep 0.5
xdotool key Down Down Down Right
sleep 0.3
xdotool key Down Return
wait_for 100 xdotool search --name "^three - Lumeris$" || fail "the recent file did not reopen"
key ctrl+q
wait_for 100 bash -c "! kill -0 $pid" || fail "Ctrl+Q did not end the program"
pid=
echo "e2e findway: ok"
