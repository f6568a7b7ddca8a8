#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" test
cmake -S "$root" -B "$root/build-tests" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build-tests" -j"$(nproc)"
cd "$root/build-tests"
unset QT_QPA_PLATFORMTHEME
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j"$(nproc)" --timeout 600
