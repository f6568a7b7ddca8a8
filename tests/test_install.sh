#!/usr/bin/env bash
# The installed program started by its launcher in an empty home: the user's
# database is placed in the user's data folder at the first start and kept at
# the next; the menu entry is valid.
set -euo pipefail
cmake=$1 build=$2 other_database=$3   # a valid database unlike the pristine one
work=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid"; rm -rf "$work"' EXIT
fail() { echo "$1"; exit 1; }

prefix="$work/prefix" home="$work/σπίτι με κενό"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix/share/applications/d7.desktop" || fail "menu entry not valid"
mkdir "$home"
folder="$home/.local/share/d7"

# The launcher becomes the program once the database is in place; the program
# must then run in the user's folder.
start() {
  env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$prefix/bin/d7" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 400); do
    [ "$(readlink "/proc/$pid/exe" || true)" = "$prefix/libexec/d7/d7" ] && break
    sleep 0.05
  done
  [ "$(readlink "/proc/$pid/exe") in $(readlink "/proc/$pid/cwd")" = "$prefix/libexec/d7/d7 in $folder" ] ||
    fail "the launcher did not start the program in the user's folder"
  kill "$pid" && wait "$pid" || true
  pid=
}

start
cmp -s "$folder/devdoy_1010.mdb" "$prefix/share/d7/devdoy_1010.mdb" || fail "first start placed no database"
cp "$other_database" "$folder/devdoy_1010.mdb"
start
cmp -s "$folder/devdoy_1010.mdb" "$other_database" || fail "second start replaced the user's database"

# The command line through the launcher: its arguments reach the program, and
# a file is found from the folder it was named in.
echo '<D8/>' >"$work/other.xml"
(cd "$work" && env -u XDG_DATA_HOME HOME="$home" "$prefix/bin/d7" --import other.xml >out.txt 2>&1) && fail "a foreign file imported"
grep -q "^other.xml: Δεν είναι αρχείο αποστολής" "$work/out.txt" || fail "the launcher lost the command line: $(cat "$work/out.txt")"
echo ok
