#!/usr/bin/env bash
# The working database is copied from the pristine one only when absent.
set -euo pipefail
place=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo pristine-1 > "$work/pristine.mdb"
"$place" "$work/pristine.mdb" "$work/run"
[ "$(cat "$work/run/devdoy_1010.mdb")" = pristine-1 ] || { echo "first placement did not copy"; exit 1; }
echo "holds declarations" > "$work/run/devdoy_1010.mdb"
echo pristine-2 > "$work/pristine.mdb"
"$place" "$work/pristine.mdb" "$work/run"
[ "$(cat "$work/run/devdoy_1010.mdb")" = "holds declarations" ] || { echo "an existing database was replaced"; exit 1; }
[ -z "$(ls "$work/run" | grep -v '^devdoy_1010.mdb$')" ] || { echo "left-over files"; exit 1; }
echo ok
