#!/usr/bin/env bash
# The English translation is complete and current: lupdate, run over the window's sources with
# the build's options, changes nothing in i18n/lumeris_en.ts (a text added, changed or removed in
# the code without the .ts following shows as a difference), and every entry is translated.
# Usage: translations.sh LUPDATE SOURCE_DIR [LUPDATE_OPTIONS...]
set -euo pipefail
lupdate=$1
root=$2
shift 2
ts=$root/i18n/lumeris_en.ts
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$root" && find src -name '*.cpp' -o -name '*.h' | grep -v '^src/cli/' | sort) \
  | sed "s|^|$root/|" >"$scratch/sources.lst"
cp "$ts" "$scratch/lumeris_en.ts"
# Includes resolved as the build resolves them, so that a class is known with its namespace.
"$lupdate" -silent "$@" -I "$root/src" "@$scratch/sources.lst" -ts "$scratch/lumeris_en.ts"
diff -u "$ts" "$scratch/lumeris_en.ts" >&2 ||
  fail "i18n/lumeris_en.ts is not what lupdate makes of the sources: build update_translations and translate"

unfinished=$(grep -c -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>' "$ts" || true)
[ "$unfinished" = 0 ] || {
  grep -B2 -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>' "$ts" >&2
  fail "$unfinished entries of i18n/lumeris_en.ts are not translated"
}
messages=$(grep -c '<message>' "$ts")
[ "$messages" -gt 50 ] || fail "only $messages texts: lupdate found too few"
echo "translations: $messages texts, all translated"
