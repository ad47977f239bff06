#!/usr/bin/env bash
# The installed program under Xvfb, from a package unpacked into ROOT. Started as the
# desktop entry's Exec line starts it, on a copy of an installed example, it shows that
# scheme's window; started without a file, it fills the user's folder from the installed
# data and opens its lumeris.txt. Ctrl+Q ends it without saving. Every wait is bounded.
# Usage: installed_window.sh ROOT
set -euo pipefail
root=$(realpath "$1")

if [ -z "${LUMERIS_E2E_INSIDE:-}" ]; then
  export LUMERIS_E2E_INSIDE=1
  exec timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$root"
fi

scratch=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

wait_for() {
  local tenths=$1
  shift
  for ((i = 0; i < tenths; i++)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

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
