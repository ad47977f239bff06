#!/usr/bin/env bash
# Sets everything up, builds and opens the demo scheme (copied to a scratch folder first,
# since the program writes its scheme back when it leaves it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh build
ninja -C build -j2
scratch=$(mktemp -d /tmp/lumeris-demo.XXXXXX)
cp -r examples/. "$scratch/"
echo "Demo copied to $scratch"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: run it from a graphical session (or under xvfb-run)." >&2
  exit 1
fi
exec build/src/lumeris "$scratch/demo.txt"
