# Sourced first by the tests that drive the real program under Xvfb:
#   source tests/support/xvfb.sh SECONDS "$0" "$@"
# runs the calling script again inside xvfb-run, bounded by SECONDS (the server must not reset
# when one program ends and before the next connects, hence -noreset); then gives it a scratch
# folder that goes away when it ends (after the programs in `pid` and `pids` are ended),
# `fail` and `wait_for`.
if [ -z "${LUMERIS_E2E_INSIDE:-}" ]; then
  export LUMERIS_E2E_INSIDE=1
  exec timeout "$1" xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "${@:2}"
fi

scratch=$(mktemp -d)
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
