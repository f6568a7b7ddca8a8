#!/usr/bin/env bash
# Installs the Debian packages the program needs to build and run ("run"),
# or to build and run its tests ("test"). Only missing packages are fetched.
set -euo pipefail

packages=(build-essential cmake pkg-config qt6-base-dev libqt6gui6 libsqlcipher-dev libssl-dev libxml2-dev
          libpq-dev libx11-dev fonts-dejavu-core fonts-liberation2)
if [ "${1:-run}" = test ]; then
  packages+=(xvfb xauth x11-xserver-utils libxml2-utils desktop-file-utils tidy poppler-utils
             postgresql)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
