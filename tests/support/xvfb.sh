# Sourced first by the tests that drive the real program under Xvfb:
#   source tests/support/xvfb.sh SECONDS "$0" "$@"
# runs the calling script again inside xvfb-run, bounded by SECONDS (the server must not reset
# when one program ends and before the next connects, hence -noreset); then gives it a scratch
# folder that goes away when it ends (after the programs in `pid` and `pids` are ended),
# `fail`, `wait_for` and `start_on_two_items`.
if [ -z "${LUMERIS_E2E_INSIDE:-}" ]; then
  export LUMERIS_E2E_INSIDE=1
  exec timeout "$1" xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "${@:2}"
fi

scratch=$(mktemp -d)
# The tests pin the Russian texts: the program speaks Russian whatever the machine's language
# (`--lang ru` on every start). Settings are the tests' own, never the user's (a language chosen
# in the menu stays in the scratch folder), and without the menu bar, so that the canvas starts
# at the window's top-left corner and the pointer's coordinates are the canvas's.
export XDG_CONFIG_HOME="$scratch/config"
mkdir -p "$XDG_CONFIG_HOME/lumeris"
printf '[bars]
menu=false
' >"$XDG_CONFIG_HOME/lumeris/lumeris.conf"
pid=
pids=()
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
  local tenths=$1
  shift
  for ((i = 0; i < tenths; i++)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# Writes the scheme file $1 holding item "a" at canvas (100, 100) linked into "b" at (300, 300).
two_items_scheme() {
  {
    printf 'Lumeris 1.5\r\nItems\tLinks\tViews\tScreenX\tScreenY\tScale\tBackGroundImage\r\n'
    printf '2\t1\t0\t0\t0\t1.0000\tnone\r\n'
    printf 'Item.id\tX\tY\tType\tValue\tAndOr\tCustom\tIsCust\tVis\tName\turl\tphoto\ttext\r\n'
    printf '1\t100\t100\t1\t0.0000\t1.0000\t0.0000\t0\t1\ta\t\t\t\r\n'
    printf '2\t300\t300\t1\t0.0000\t1.0000\t0.0000\t0\t1\tb\t\t\t\r\n'
    printf 'LinkFrom To\tValue\tAndOr\tName\r\n1\t2\t1.0000\t0.0000\t\r\nViews\r\n\r\n'
  } >"$1"
}

# Starts the program on one.txt (two_items_scheme) in the scratch folder and waits for its
# window; sets `pid` and `wid` and enters the scratch folder.
start_on_two_items() {
  two_items_scheme "$scratch/one.txt"
  cd "$scratch"
  QT_QPA_PLATFORM=xcb "$lumeris" --lang ru "$scratch/one.txt" >/dev/null 2>&1 &
  pid=$!
  wait_for 200 xdotool search --name "^one - Lumeris$" || fail "no window"
  sleep 0.5 # the first frame
  wid=$(xdotool search --name "^one - Lumeris$" | head -n 1)
}
