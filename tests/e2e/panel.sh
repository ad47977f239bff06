#!/usr/bin/env bash
# End to end: the properties panel under Xvfb. A click on an item shows its panel; a name
# typed into ePropName and Enter rename it; a knob held at the end of its bar holds the item's
# value while the scheme runs. Every wait is bounded, so the test never hangs.
# Usage: panel.sh LUMERIS LUMERIS_CLI
set -euo pipefail
lumeris=$(realpath "$1")

source "$(dirname "$0")/../support/xvfb.sh" 120 "$0" "$@"

start_on_two_items

# Window pixels; the canvas sits one pixel inside, the panel at the item's canvas point
# plus (8, 10).
at() { xdotool mousemove --window "$wid" "$1" "$2"; sleep 0.05; }
save() {
  xdotool key --clearmodifiers F2
  wait_for 50 test -e one.txt.bak || fail "F2 saved nothing"
  rm one.txt.bak
}

at 101 101
xdotool click 1
sleep 0.3
at 160 123 # ePropName, at (5, 5) in the panel
xdotool click 1
xdotool key End BackSpace
xdotool type --delay 30 "Renamed"
xdotool key Return
sleep 0.3
save
grep -q -P '^1\t100\t100\t1\t[^\t]*\t[^\t]*\t[^\t]*\t[^\t]*\t1\tRenamed\t' one.txt ||
  fail "the typed name is not in the file: $(grep -P '^1\t' one.txt)"

# The first knob pressed at the bar's right end and held while the scheme runs.
at 101 101
xdotool click 1
sleep 0.6
at 168 141 # iRunnerBar1 x 55, at (4, 22) in the panel
xdotool mousedown 1
sleep 0.6
save
xdotool mouseup 1
grep -q -P '^1\t100\t100\t1\t1\.0000\t' one.txt ||
  fail "the held value is not 1: $(grep -P '^1\t' one.txt)"
grep -q -P '^2\t300\t300\t1\t1\.0000\t' one.txt ||
  fail "the held value did not reach b: $(grep -P '^2\t' one.txt)"
echo ok
