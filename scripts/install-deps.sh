#!/usr/bin/env bash
# Installs the Debian packages the engine needs, and only those dpkg reports missing.
# Usage: install-deps.sh [--test]   (--test adds what the test suite and benchmarks need)
set -euo pipefail

packages=(build-essential cmake ninja-build pkg-config liballegro4-dev liballeggl4-dev
          libloadpng4-dev libfreetype-dev libpng-dev libgl-dev libglu1-mesa-dev
          libsdl2-mixer-dev fonts-liberation libx11-dev libegl-dev libegl-mesa0)
if [ "${1:-}" = "--test" ]; then
    packages+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool x11-utils x11-apps
               imagemagick sox mesa-utils clang-14 libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
