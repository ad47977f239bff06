#!/usr/bin/env bash
# Sets everything up, builds and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh build
ninja -C build -j2
cd build && ctest --output-on-failure -j2
