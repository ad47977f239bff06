#!/usr/bin/env bash
# The installed program under Xvfb, from a package unpacked into ROOT. Started as the
# desktop entry's Exec line starts it, on a copy of an installed example, it shows that
# scheme's window; started without a file, it fills the user's folder from the installed
# data and opens its lumeris.txt. Ctrl+Q ends it without saving. Every wait is bounded.
# Usage: installed_window.sh ROOT
set -euo pipefail
root=$(realpath "$1")

source "$(dirname "$0")/../support/xvfb.sh" 120 "$0" "$@"

# Starts the command, waits for a visible window titled $1, then ends it with Ctrl+Q.
show_and_end() {
  local title=$1
  shift
  "$@" &
  pid=$!
  wait_for 200 xdotool search --onlyvisible --name "^$title\$" || fail "no window titled '$title'"
  local wid
  wid=$(xdotool search --onlyvisible --name "^$title\$" | head -n 1)
  xdotool windowfocus --sync "$wid"
  xdotool key --clearmodifiers ctrl+q
  wait_for 100 bash -c "! kill -0 $pid" || fail "Ctrl+Q did not end '$title'"
  pid=
}

export HOME=$scratch/home QT_QPA_PLATFORM=xcb PATH=$root/usr/bin:$PATH
unset XDG_DATA_HOME
mkdir -p "$HOME"
cd "$scratch"

cp "$root/usr/share/lumeris/examples/demo.txt" "$scratch/demo.txt"
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/lumeris.desktop")
read -r -a words <<<"${exec_line//%f/$scratch/demo.txt}"
[ "$(command -v "${words[0]}")" = "$root/usr/bin/lumeris" ] || fail "Exec does not start the installed lumeris"
show_and_end "demo - Lumeris" "${words[@]}"

show_and_end "lumeris - Lumeris" lumeris
user=$HOME/.local/share/lumeris
cmp "$user/lumeris.txt" "$root/usr/share/lumeris/lumeris.txt" || fail "no start-up scheme in $user"
[ -e "$user/second.txt" ] || fail "the examples were not copied to $user"
echo "installed window: ok"
