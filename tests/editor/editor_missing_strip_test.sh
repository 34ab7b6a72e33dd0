#!/usr/bin/env bash
# Without its tabs strip the editor says so and ends at once, cleanly (exit status 0, the log
# closed), rather than running without its side panel's tabs.
set -euo pipefail
source "$MARL_SOURCE_DIR/tests/support/program.sh"

rm "$WORK/Game Data/GFX/MARL GUI/Tabs.png"
cp "$MARL_BUILD_DIR/bin/marl" "$PROGRAM_DIR/marl"
(cd "$PROGRAM_DIR" && MARL_ALERTS=record exec ./marl >"$WORK/stdout.txt" 2>"$WORK/stderr.txt") &
PROGRAM_PID=$!
expect_exit 0
expect_contains "$WORK/stderr.txt" "Could not find Tabs.png"
expect_line "$PROGRAM_DIR/logfile.txt" -1 '^Log file closed '
# Everything the editor loaded was given back before the resource manager went.
expect_absent "$PROGRAM_DIR/logfile.txt" "Tabs.png"
echo "editor without its tabs strip: ok"
