#!/usr/bin/env bash
# Installs what is missing, builds, and starts the skeleton editor; with "level" the level
# editor, with "play [level file]" the level player.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
case "${1:-}" in
    level) exec ./build/bin/marl-level-editor ;;
    play) shift; exec ./build/bin/marl-play "$@" ;;
esac
exec ./build/bin/marl
