#!/usr/bin/env bash
# Installs the Debian packages the engine needs, and only those dpkg reports missing.
# Usage: install-deps.sh [--test | --fuzz]   (--test adds what the test suite and benchmarks need,
# --fuzz adds clang's fuzzing runtime on top)
set -euo pipefail

packages=(build-essential cmake ninja-build pkg-config liballegro4-dev liballeggl4-dev
          libloadpng4-dev libfreetype-dev libpng-dev libgl-dev libglu1-mesa-dev
          libsdl2-mixer-dev fonts-liberation libx11-dev libegl-dev libegl-mesa0)
case "${1:-}" in
    --test|--fuzz)
        packages+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool x11-utils x11-apps
                   imagemagick sox mesa-utils) ;;&
    --fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
esac

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
