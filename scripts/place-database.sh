#!/usr/bin/env bash
# Puts the pristine database into the working folder, but only when that folder
# holds none: a database there may hold declarations and must never be replaced.
set -euo pipefail
pristine=$1
folder=$2
mkdir -p "$folder"
target="$folder/devdoy_1010.mdb"
if [ ! -e "$target" ]; then
  cp "$pristine" "$target.new"
  mv -n "$target.new" "$target"
  rm -f "$target.new"
fi
