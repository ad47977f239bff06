#!/usr/bin/env bash
# End to end: the real program under Xvfb, started with a scheme. The window's title, read
# from the X server, is the file's title; F2 saves and leaves the backup; Ctrl+Q ends at once
# without touching the file. Started with a relative name, every F2 saves, although the first
# moves the current folder. A data error's box has an empty title, and the program goes on.
# Every wait is bounded, so the test never hangs.
# Usage: window.sh LUMERIS LUMERIS_CLI
set -euo pipefail
lumeris=$(realpath "$1")
cli=$(realpath "$2")

source "$(dirname "$0")/../support/xvfb.sh" 90 "$0" "$@"

"$cli" generate --rows 2 --cols 3 -o "$scratch/scheme.txt"
cd "$scratch"
QT_QPA_PLATFORM=xcb "$lumeris" --lang ru "$scratch/scheme.txt" &
pid=$!

wait_for 200 xdotool search --onlyvisible --name "^scheme - Lumeris$" || fail "no window titled 'scheme - Lumeris'"
wid=$(xdotool search --name "^scheme - Lumeris$" | head -n 1)
title=$(xprop -id "$wid" _NET_WM_NAME | sed -e 's/^[^"]*"//' -e 's/"$//')
[ "$title" = "scheme - Lumeris" ] || fail "title is '$title'"

[ ! -e scheme.txt.bak ] || fail "a backup exists before saving"
xdotool windowfocus --sync "$wid"
xdotool key --clearmodifiers F2
wait_for 100 test -e scheme.txt.bak || fail "F2 wrote no backup"
kill -0 "$pid" || fail "the program ended after F2"

before=$(md5sum scheme.txt)
backup=$(md5sum scheme.txt.bak)
xdotool windowfocus --sync "$wid"
xdotool key --clearmodifiers ctrl+q
wait_for 100 bash -c "! kill -0 $pid" || fail "Ctrl+Q did not end the program"
pid=
[ "$(md5sum scheme.txt)" = "$before" ] || fail "Ctrl+Q changed the file"
[ "$(md5sum scheme.txt.bak)" = "$backup" ] || fail "Ctrl+Q changed the backup"

# A relative name, saved twice: the second save replaces the file the first one wrote.
mkdir sub
"$cli" generate --rows 1 --cols 2 -o sub/two.txt
QT_QPA_PLATFORM=xcb "$lumeris" --lang ru sub/two.txt &
pid=$!
wait_for 200 xdotool search --onlyvisible --name "^two - Lumeris$" || fail "no window titled 'two - Lumeris'"
wid=$(xdotool search --name "^two - Lumeris$" | head -n 1)
xdotool windowfocus --sync "$wid"
xdotool key --clearmodifiers F2
wait_for 100 test -e sub/two.txt.bak || fail "the first F2 wrote no backup"
first=$(stat -c %i sub/two.txt)
xdotool windowfocus --sync "$wid"
xdotool key --clearmodifiers F2
wait_for 100 bash -c "[ \"\$(stat -c %i sub/two.txt.bak)\" = $first ]" ||
  fail "the second F2 did not save sub/two.txt"
xdotool windowfocus --sync "$wid"
xdotool key --clearmodifiers ctrl+q
wait_for 100 bash -c "! kill -0 $pid" || fail "Ctrl+Q did not end the program"
pid=

# A data error: the message box's title is empty, not the program's name. The program goes on
# untitled, and ending it leaves the broken file as it was.
printf 'Lumeris 1.5\r\nnonsense\r\n' >broken.txt
QT_QPA_PLATFORM=xcb "$lumeris" --lang ru broken.txt &
pid=$!
wait_for 200 xdotool search --onlyvisible --pid "$pid" || fail "no message box for a data error"
box=$(xdotool search --onlyvisible --pid "$pid" | head -n 1)
title=$(xprop -id "$box" _NET_WM_NAME | sed -e 's/^[^"]*"//' -e 's/"$//')
[ -z "${title// /}" ] || fail "the data error's box is titled '$title'"
xdotool windowfocus --sync "$box"
xdotool key --clearmodifiers Return
wait_for 100 xdotool search --name "^New file - Lumeris$" || fail "no untitled scheme after the error"
sleep 0.3
kill -0 "$pid" || fail "the data error ended the program"
wid=$(xdotool search --name "^New file - Lumeris$" | head -n 1)
xdotool windowfocus --sync "$wid"
xdotool key --clearmodifiers F10
wait_for 100 bash -c "! kill -0 $pid" || fail "F10 did not end the program"
pid=
[ "$(printf 'Lumeris 1.5\r\nnonsense\r\n' | md5sum)" = "$(md5sum <broken.txt)" ] ||
  fail "the broken file was written over"
echo "e2e window: ok"
