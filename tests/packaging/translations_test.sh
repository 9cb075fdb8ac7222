#!/usr/bin/env bash
# translations_test.sh SOURCE LUPDATE SCRATCH: every translation is up to date
# with the sources and complete. lupdate runs over the sources into copies
# of the .ts files, as update_translations does: a copy that differs from its
# file means a text was added or changed without the files being updated.
# No file may hold an unfinished, vanished or obsolete message.
set -uo pipefail
source=$1 lupdate=$2 scratch=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$scratch" && mkdir -p "$scratch"
cp "$source"/resources/translations/*.ts "$scratch"/
mapfile -t sources < <(find "$source/src" "$source/tools/cli" -name '*.cpp' -o -name '*.h' | sort)
options=(-tr-function-alias qtTrId+=localized -locations none -no-obsolete -silent)
for ts in "$scratch"/*.ts; do
    extra=()
    [[ $ts == */spinora_en.ts ]] && extra=(-pluralonly)
    "$lupdate" "${options[@]}" "${extra[@]}" "${sources[@]}" -ts "$ts" >/dev/null 2>"$scratch/lupdate.log" ||
        { cat "$scratch/lupdate.log"; fail "lupdate could not read $(basename "$ts")"; }
done
"$source"/resources/translations/escape-ids.sh "$scratch"/*.ts
for ts in "$scratch"/*.ts; do
    name=$(basename "$ts")
    diff -q "$source/resources/translations/$name" "$ts" >/dev/null ||
        fail "$name is not up to date with the sources (cmake --build build --target update_translations): $(diff "$source/resources/translations/$name" "$ts" | grep -m3 '^[<>]')"
    left=$(grep -c -E 'type="(unfinished|vanished|obsolete)"' "$ts")
    [[ $left == 0 ]] || fail "$name has $left unfinished or obsolete messages"
done
[[ $failures == 0 ]] && echo "every translation is complete and up to date"
exit $((failures > 0))
