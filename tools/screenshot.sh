#!/usr/bin/env bash
# Makes the README's picture, docs/screenshot.png: the demo scheme (a scratch copy) in the
# program under Xvfb, running for a few seconds with numbers (F3) and traces (F4) shown and
# one item selected.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${LUMERIS_SHOT_INSIDE:-}" ]; then
  source tools/need_packages.sh
  need_packages imagemagick
  bash tools/setup.sh build
  ninja -C build -j2
  export LUMERIS_SHOT_INSIDE=1
  exec timeout 120 xvfb-run -a -s "-screen 0 1024x640x24 -noreset" bash "$0"
fi

scratch=$(mktemp -d)
cp -r examples/. "$scratch/"
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

QT_QPA_PLATFORM=xcb build/src/lumeris "$scratch/demo.txt" &
pid=$!
for ((i = 0; i < 200; i++)); do
  xdotool search --onlyvisible --name "^demo - Lumeris$" >/dev/null 2>&1 && break
  sleep 0.1
done
wid=$(xdotool search --onlyvisible --name "^demo - Lumeris$" | head -n 1)
sleep 2
# The demo's view puts "Мокрая трава / Wet grass" at (450, 230) of the canvas.
xdotool windowfocus --sync "$wid" key --clearmodifiers F3 F4
xdotool mousemove --window "$wid" 451 231 click 1
sleep 3
mkdir -p docs
import -window root docs/screenshot.png
xdotool windowfocus --sync "$wid" key --clearmodifiers ctrl+q
wait "$pid" || true
pid=
echo "wrote docs/screenshot.png"
