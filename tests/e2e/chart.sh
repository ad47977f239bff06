#!/usr/bin/env bash
# End to end: the value chart under Xvfb. Two items of the demo are watched from the panel's
# watch button while the scheme runs; the chart window shows them, and its CSV export equals
# lumeris-cli run --history --items for as many steps. With LUMERIS_E2E_SHOTS set to a folder,
# the screen is kept there as chart.png to be looked at. Every wait is bounded.
# Usage: chart.sh LUMERIS LUMERIS_CLI
set -euo pipefail
lumeris=$(realpath "$1")
cli=$(realpath "$2")
demo=$(realpath "$(dirname "$0")/../../examples/demo.txt")

source "$(dirname "$0")/../support/xvfb.sh" 120 "$0" "$@"

cp "$demo" "$scratch/demo.txt"
cd "$scratch"
QT_QPA_PLATFORM=xcb "$lumeris" --lang ru "$scratch/demo.txt" >/dev/null 2>&1 &
pid=$!
wait_for 200 xdotool search --name "^demo - Lumeris$" || fail "no window"
sleep 1 # the first frames
wid=$(xdotool search --name "^demo - Lumeris$" | head -n 1)

# The demo's view starts at (-450, -250): item 1 at (-200, -100) is at canvas (250, 150),
# item 4 at (200, -20) at (650, 230); window pixels are one further. The panel opens at the
# item plus (8, 10), its watch button 121, 32 into it.
shot() {
  if [ -n "${LUMERIS_E2E_SHOTS:-}" ]; then
    import -window root "$LUMERIS_E2E_SHOTS/$1.png"
  fi
}
watch() {
  xdotool mousemove --window "$wid" "$1" "$2" click 1
  sleep 1
  xdotool mousemove --window "$wid" $(($1 + 129)) $(($2 + 42)) click 1
  sleep 1
}
watch 251 151
wait_for 50 xdotool search --name "^График значений$" || {
  shot fail
  fail "watching opened no chart"
}
chart=$(xdotool search --name "^График значений$" | head -n 1)
xdotool windowmove "$chart" 620 600
sleep 0.3
watch 651 231
sleep 2 # the chart redraws a few times a second
shot chart

# Alt+C is the CSV button; the file dialog takes the name typed into it.
xdotool windowfocus --sync "$chart"
xdotool key --clearmodifiers alt+c
wait_for 50 xdotool search --name "^Сохранить значения$" || fail "no save dialog"
sleep 0.5
xdotool type --delay 20 "$scratch/window.csv"
xdotool key Return
wait_for 50 test -s window.csv || fail "the export wrote nothing"

head -n 1 window.csv | grep -qx "step,1,4" || fail "the header is $(head -n 1 window.csv)"
steps=$(($(wc -l <window.csv) - 2))
[ "$steps" -gt 5 ] || fail "only $steps steps ran"
"$cli" run "$demo" -n "$steps" --history cli.csv --items 1,4 -o /dev/null
cmp window.csv cli.csv || fail "the export differs from lumeris-cli's: $(diff window.csv cli.csv | head)"
echo ok
