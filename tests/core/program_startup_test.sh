#!/usr/bin/env bash
# Starts the real program, finds its window by title, quits it with Escape and then with the
# window's close button (each answered "Yes" in the quit question), and checks the exit status and
# both log files.
set -euo pipefail
source "$MARL_SOURCE_DIR/tests/support/program.sh"

# The quit question's "Yes" button.
YES_X=270 YES_Y=347

start_program "MARL Skeleton Editor - untitled"
# The view is cleared to the editor's green (between grid lines).
wait_for_pixel "$WORK/running.png" 404 308 "#003C00"
press Escape
sleep 0.5
click_at $YES_X $YES_Y
expect_exit 0

log="$PROGRAM_DIR/logfile.txt"
layer="$PROGRAM_DIR/renderlayer.log"
expect_line "$log" 1 '^\*{62}$'
expect_line "$log" 2 '^New log created on [0-9]{2}/[0-9]{2}/[0-9]{2} at [0-9]{2}:[0-9]{2}:[0-9]{2}$'
expect_line "$log" 3 '^Write Priority set at 0$'
expect_line "$log" -1 '^Log file closed [0-9]{2}/[0-9]{2}/[0-9]{2}  [0-9]{2}:[0-9]{2}:[0-9]{2}$'
expect_line "$layer" 1 '^Render layer started up succesfully$'
expect_contains "$layer" "Screen set up succesfully"
expect_in_order "$layer" "Collecting garbage" "Garbage Collector: Destroying" "Garbace Collector: Completed" \
    "Destroying the framebuffer" "Render layer shutdown finished"
expect_line "$layer" -1 '^Render layer shutdown finished$'

# A second run starts both logs afresh; this time the close button ends it.
echo "stale line" >> "$log"
start_program "MARL Skeleton Editor - untitled"
close_window
sleep 0.5
click_at $YES_X $YES_Y
expect_exit 0
expect_absent "$log" "stale line"
expect_line "$log" -1 '^Log file closed '
echo "program start-up and shut-down: ok"
