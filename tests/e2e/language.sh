#!/usr/bin/env bash
# End to end: the window's language. Under an English desktop the window and Qt's own dialogs
# are English, under a Russian one Russian, and `--lang en` makes a Russian desktop's window
# English: seen in the titles of the open dialog (Qt's translation) and of the network dialog
# (the program's). The menu's language entry keeps a choice for the next start. With SHOTS set
# to a folder, a screenshot of the menu, a panel hint and the open dialog of each run goes
# there. Every wait is bounded, so the test never hangs.
# Usage: language.sh LUMERIS LUMERIS_CLI
set -euo pipefail
lumeris=$(realpath "$1")

source "$(dirname "$0")/../support/xvfb.sh" 200 "$0" "$@"

two_items_scheme "$scratch/one.txt"
cd "$scratch"

shot() { [ -z "${SHOTS:-}" ] || import -window root "$SHOTS/$1.png"; }
window_titled() { xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$" | head -n 1; }
has_window() { [ -n "$(window_titled "$1")" ]; }
no_window() { [ -z "$(window_titled "$1")" ]; }

# Starts the program with the locale $1 and the arguments after it; sets `pid` and `wid`.
start() {
  local locale=$1
  shift
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$locale" QT_QPA_PLATFORM=xcb \
    "$lumeris" "$@" one.txt >/dev/null 2>&1 &
  pid=$!
  wait_for 200 xdotool search --all --onlyvisible --pid "$pid" --name "^one - Lumeris$" ||
    fail "no window with $locale $*"
  wid=$(window_titled "one - Lumeris")
  sleep 0.5 # the first frame
}

# The canvas menu's Edit submenu holds the network generator: its eighth entry.
open_network_dialog() {
  xdotool mousemove --window "$wid" 600 500 click 3
  sleep 0.5
  shot "$1-menu"
  xdotool key Down Down Right
  sleep 0.3
  shot "$1-edit-menu"
  for _ in 1 2 3 4 5 6 7; do xdotool key Down; done
  xdotool key Return
}

# One run: $1 names the screenshots, $2 and $3 are the expected titles of the open and the
# network dialog; the rest starts the program.
check_run() {
  local name=$1 open_title=$2 network_title=$3
  shift 3
  start "$@"
  # A hint of the panel: its tracing button, under the selected item.
  xdotool mousemove --window "$wid" 101 101 click 1
  sleep 0.5
  xdotool mousemove --window "$wid" 195 226
  sleep 1.5
  shot "$name-hint"
  xdotool mousemove --window "$wid" 600 500 click 1
  sleep 0.3

  xdotool windowfocus --sync "$wid"
  xdotool key --clearmodifiers F12
  wait_for 100 has_window "$open_title" ||
    fail "$name: no open dialog titled '$open_title'"
  sleep 0.5
  shot "$name-open"
  xdotool windowfocus --sync "$(window_titled "$open_title")"
  xdotool key Escape
  wait_for 50 no_window "$open_title" ||
    fail "$name: the open dialog stayed"

  xdotool windowfocus --sync "$wid"
  open_network_dialog "$name"
  wait_for 50 has_window "$network_title" ||
    fail "$name: no network dialog titled '$network_title'"
  shot "$name-network"
  xdotool windowfocus --sync "$(window_titled "$network_title")"
  xdotool key Escape
  sleep 0.3
  xdotool windowfocus --sync "$wid"
  xdotool key --clearmodifiers ctrl+q
  wait_for 100 bash -c "! kill -0 $pid" || fail "$name: Ctrl+Q did not end the program"
  pid=
}

check_run english "Open" "Create Network" en_US.UTF-8
check_run russian "Открыть" "Создать сеть" ru_RU.UTF-8
check_run english-option "Open" "Create Network" ru_RU.UTF-8 --lang en

# The menu's language entry (File, fourth from its end) keeps English for the next start.
start ru_RU.UTF-8
xdotool mousemove --window "$wid" 600 500 click 3
sleep 0.5
xdotool key Down Right Up Up Up Right Down Return
wait_for 50 xdotool search --all --onlyvisible --pid "$pid" --name "^Lumeris$" ||
  fail "no message that the language changes at the next start"
shot "language-chosen"
xdotool key Return
sleep 0.3
xdotool windowfocus --sync "$wid"
xdotool key --clearmodifiers ctrl+q
wait_for 100 bash -c "! kill -0 $pid" || fail "Ctrl+Q did not end the program"
pid=
grep -qx 'language=en' "$XDG_CONFIG_HOME/lumeris/lumeris.conf" || fail "the choice was not kept"
check_run chosen "Open" "Create Network" ru_RU.UTF-8
echo "e2e language: ok"
