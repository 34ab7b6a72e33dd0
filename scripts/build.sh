#!/usr/bin/env bash
# Configures and builds the engine. Usage: build.sh [--sanitize]
# The plain build goes to build/, the sanitizer build to build-sanitize/.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-sanitize
    flags=(-DCMAKE_BUILD_TYPE=Debug -DMARL_SANITIZE=ON)
fi
# CI treats every warning as an error.
[ "${CI:-}" = "true" ] && flags+=(-DMARL_WERROR=ON)
[ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir"
