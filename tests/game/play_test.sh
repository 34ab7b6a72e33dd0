#!/usr/bin/env bash
# The level player on the sample level, as a player would play it: the window named after the
# level, the run to the right with the fire button held and jumps on the way (the view scrolls,
# bullets fly and burst, a cupcake is eaten, a cactus man falls), Escape ends the program. Then a
# level without a player is explained in a message box instead of played.
set -euo pipefail
source "$MARL_SOURCE_DIR/tests/support/program.sh"
SHOTS="$MARL_BUILD_DIR/test-screenshots"
mkdir -p "$SHOTS"
LOG="$PROGRAM_DIR/logfile.txt"
differing_pixels() { compare -metric AE -fuzz 2% "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true; }

start_program "MARL - Jungle" marl-play
sleep 1
screenshot "$WORK/start.png"
cp "$WORK/start.png" "$SHOTS/play_start.png"

# Run right for about six seconds, firing all the time and jumping now and then.
xdotool keydown Right keydown Control_L
for _ in $(seq 12); do
    sleep 0.35
    xdotool keydown Up; sleep 0.15; xdotool keyup Up
done
screenshot "$WORK/running.png"
cp "$WORK/running.png" "$SHOTS/play_running.png"
xdotool keyup Control_L keyup Right

cmp -s "$WORK/start.png" "$WORK/running.png" && fail "the view did not change while running"
expect_contains "$LOG" "Bullet hit Level!"
expect_contains "$LOG" "Cupcake Ent collided with Player"
expect_contains "$LOG" "Game: CactusMan (CACTUS MAN) finished"
# The view followed the player right: the start's left edge has scrolled away.
[ "$(differing_pixels "$WORK/start.png" "$WORK/running.png")" -gt 100000 ] || fail "the view hardly moved"

press Escape
expect_exit 0

# A level whose entity file holds no player: told, not played, and the program ends.
LEVELS="$WORK/Game Data/Levels"
cp "$LEVELS/Jungle.LEV" "$WORK/Empty.LEV"
head -7 "$LEVELS/Jungle.LEVENTS" | sed '7s/.*/0/' > "$WORK/Empty.LEVENTS"
(cd "$PROGRAM_DIR" && MARL_ALERTS=record exec ./marl-play ../Empty.LEV >"$WORK/stdout.txt" 2>"$WORK/stderr.txt") &
PROGRAM_PID=$!
WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "^MARL - Empty\$" | head -1) || true
[ -n "$WINDOW" ] || fail "no window for the level without a player"
sleep 1
screenshot "$WORK/noplayer.png"
cp "$WORK/noplayer.png" "$SHOTS/play_no_player.png"
expect_contains "$LOG" "This level has no player."
press Escape
expect_exit 1
