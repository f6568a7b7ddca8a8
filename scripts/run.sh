#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in the folder run/,
# which holds the user's database.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" run
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" -j"$(nproc)" --target d7 pristine_db help_pages
"$root/scripts/place-database.sh" "$root/build/pristine/devdoy_1010.mdb" "$root/run"
cd "$root/run"
exec "$root/build/d7"
