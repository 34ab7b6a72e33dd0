#!/usr/bin/env bash
# Installs what is missing, builds, and starts the skeleton editor, or with "level" the level
# editor.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
if [ "${1:-}" = "level" ]; then
    exec ./build/bin/marl-level-editor
fi
exec ./build/bin/marl
