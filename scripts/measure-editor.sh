#!/usr/bin/env bash
# Measures the skeleton editor as a user meets it, under a private Xvfb: the time from launch to
# the first presented frame, and the processor time (user + system, all threads) the idle editor
# uses over a stretch of seconds. Run after a build: ./scripts/measure-editor.sh [seconds] [build dir]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SECONDS_IDLE=${1:-30}
export MARL_BUILD_DIR=$(cd "${2:-$ROOT/build}" && pwd)
export MARL_SOURCE_DIR=$ROOT SDL_AUDIODRIVER=dummy MARL_ALERTS=record
source "$ROOT/tests/support/program.sh"

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

start=$(date +%s%N)
(cd "$PROGRAM_DIR" && exec ./marl >"$WORK/stdout.txt" 2>"$WORK/stderr.txt") &
PROGRAM_PID=$!
# The view's green between two grid lines shows with the first frame.
first=$("$MARL_BUILD_DIR/tests/tools/xwaitpixel" "$start" 404 308 003C00 20000)
echo "first frame after: $first ms"

WINDOW=$(xdotool search --sync --onlyvisible --name "^MARL Skeleton Editor - untitled\$" | head -1)
# Settle, with the pointer resting over the view as a user's would.
sleep 1
xdotool mousemove --window "$WINDOW" 400 300
sleep 1
hz=$(getconf CLK_TCK)
before=$(ticks "$PROGRAM_PID")
sleep "$SECONDS_IDLE"
after=$(ticks "$PROGRAM_PID")
awk -v t=$((after - before)) -v hz="$hz" -v s="$SECONDS_IDLE" \
    'BEGIN { printf "idle CPU: %.2f s of %d s (%.1f %% of one core)\n", t / hz, s, 100 * t / hz / s }'

# The same stretch with the mouse moving all the time: the active frame rate.
sleep 1
before=$(ticks "$PROGRAM_PID")
end=$(( $(date +%s) + SECONDS_IDLE ))
i=0
while [ "$(date +%s)" -lt "$end" ]; do
    xdotool mousemove --window "$WINDOW" $((200 + (i % 2) * 40)) 300
    i=$((i + 1))
    sleep 0.05
done
after=$(ticks "$PROGRAM_PID")
awk -v t=$((after - before)) -v hz="$hz" -v s="$SECONDS_IDLE" \
    'BEGIN { printf "CPU with the mouse moving: %.2f s of %d s (%.1f %% of one core)\n", t / hz, s, 100 * t / hz / s }'

close_window
sleep 0.5
click_at 270 347
expect_exit 0
