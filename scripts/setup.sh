#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that are missing, then configures and builds
# the game in build/. Safe to run again: it installs and rebuilds only what
# is needed.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

wanted=$(cat "$top/scripts/packages.txt" "$top/assets/packages.txt" | sed 's/#.*//' | tr -s ' \n' '\n' | sort -u)
missing=()
for pkg in $wanted; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLOWBY_WERROR=ON "$@"
cmake --build "$top/build"
