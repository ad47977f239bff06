#!/usr/bin/env bash
# Installs every package the project needs on Debian 12 and configures a build. Run it as
# yourself: it asks sudo only for packages or a locale that are missing (as root, as on a
# fresh machine or CI, it needs no sudo).
# Usage: tools/setup.sh [BUILD_DIR [extra cmake arguments...]]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/need_packages.sh

need_packages \
  g++ cmake ninja-build pkg-config git \
  qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-qpa-plugins libgl-dev \
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
  googletest libgtest-dev libgmock-dev libbenchmark-dev libboost-graph-dev \
  clang libclang-rt-14-dev \
  xvfb xauth x11-utils xdotool fonts-liberation poppler-utils locales \
  dpkg-dev file man-db desktop-file-utils libxml2-utils librsvg2-bin shared-mime-info xdg-utils \
  libfile-mimeinfo-perl

# A locale whose decimal separator is a comma, for the number-format tests.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU.utf8$'; then
  as_root sed -i 's/^# *ru_RU.UTF-8 UTF-8/ru_RU.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi

build=${1:-build}
shift || true
# Rebuilds of the same sources (several build folders, a fresh clone) reuse what ccache kept,
# when it is there.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja "${launcher[@]}" "$@" >/dev/null
