#!/usr/bin/env bash
# Builds the Debian package and checks it: its files and dependencies, the desktop entry and
# MIME type validated, scheme files recognised by their first line, the man pages, and the
# programs run from the package unpacked into a scratch root (lumeris-cli on an installed
# example, lumeris under Xvfb, see tests/package/installed_window.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh build
ninja -C build -j2
rm -f build/lumeris_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(echo build/lumeris_*.deb)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

echo "== contents of $deb"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$scratch/files"
for f in /usr/bin/lumeris /usr/bin/lumeris-cli \
  /usr/share/lumeris/lumeris.txt /usr/share/lumeris/examples/demo.txt \
  /usr/share/lumeris/examples/second.txt /usr/share/lumeris/examples/lamp.bmp \
  /usr/share/applications/lumeris.desktop /usr/share/mime/packages/lumeris.xml \
  /usr/share/icons/hicolor/scalable/apps/lumeris.svg \
  /usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/lumeris.png \
  /usr/share/man/man1/lumeris.1.gz /usr/share/man/man1/lumeris-cli.1.gz \
  /usr/share/doc/lumeris/copyright; do
  grep -qx "$f" "$scratch/files" || fail "the package lacks $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6core6 libqt6gui6 libqt6svg6 libqt6widgets6 libqt6printsupport6 libqt6charts6 qt6-qpa-plugins \
  fonts-liberation qt6-translations-l10n libstdc++6; do
  [[ ", $depends," == *", $p "* || ", $depends," == *", $p,"* ]] || fail "Depends lacks $p: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = lumeris ] || fail "package name"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
for size in 16 24 32 48 64 128 256; do
  file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/lumeris.png" |
    grep -q "PNG image data, $size x $size," || fail "the ${size}x${size} icon"
done

echo "== desktop entry and MIME type"
desktop-file-validate "$root/usr/share/applications/lumeris.desktop"
# "Open with" in file managers that type a .txt by its ending alone.
grep -qx 'MimeType=application/x-lumeris-scheme;text/plain;' \
  "$root/usr/share/applications/lumeris.desktop" || fail "the desktop entry's MimeType"
grep -q '^License: GPL-3.0-or-later$' "$root/usr/share/doc/lumeris/copyright" || fail "copyright"
xmllint --noout "$root/usr/share/mime/packages/lumeris.xml" \
  "$root/usr/share/icons/hicolor/scalable/apps/lumeris.svg"
update-mime-database "$root/usr/share/mime" 2>/dev/null
export XDG_DATA_DIRS=$root/usr/share:/usr/share
cp examples/demo.txt "$scratch/scheme.txt"
printf 'Lumeris 1.4\r\n' >"$scratch/legacy.txt"
printf 'Lumeris 1.6\r\n' >"$scratch/later.txt"
for f in scheme:application/x-lumeris-scheme legacy:application/x-lumeris-scheme \
  later:text/plain; do
  type=$(xdg-mime query filetype "$scratch/${f%%:*}.txt")
  [ "$type" = "${f#*:}" ] || fail "${f%%:*}.txt is $type, not ${f#*:}"
done

echo "== man pages"
for page in lumeris lumeris-cli; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
done

echo "== the unpacked programs"
bin=$root/usr/bin
[ "$("$bin/lumeris-cli" --version)" = "lumeris-cli 1.5" ] || fail "lumeris-cli --version"
"$bin/lumeris-cli" --help | grep -q '^usage: lumeris-cli COMMAND' || fail "lumeris-cli --help"
"$bin/lumeris-cli" convert --help | grep -q '^usage: lumeris-cli convert IN' ||
  fail "lumeris-cli convert --help"
# Writing turns a view's entries around, so converting twice gives the example back.
"$bin/lumeris-cli" convert "$root/usr/share/lumeris/examples/demo.txt" -o "$scratch/once.txt"
"$bin/lumeris-cli" convert "$scratch/once.txt" -o "$scratch/twice.txt"
cmp "$scratch/twice.txt" "$root/usr/share/lumeris/examples/demo.txt" || fail "convert changed the demo"
status=0
"$bin/lumeris-cli" convert 2>/dev/null || status=$?
[ "$status" = 1 ] || fail "wrong usage gave status $status"
# Without a display: answered before any window is made.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$bin/lumeris" --version)" = "lumeris 1.5" ] ||
  fail "lumeris --version"
env -u DISPLAY "$bin/lumeris" --help | grep -q '^usage: lumeris \[--lang ru|en\] \[FILE\]' || fail "lumeris --help"

bash tests/package/installed_window.sh "$root"
echo "package test: ok"
