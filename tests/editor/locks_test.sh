#!/usr/bin/env bash
# The three switches of a drag: with the angle lock on a drag changes only the bone's length, with
# the length lock on only its angle; keeping the children's directions (on at start) leaves the
# child pointing where it did while its parent turns, and with it off the child turns along. Each
# pose is kept as a new frame, and the saved frames show them.
set -euo pipefail
source "$MARL_SOURCE_DIR/tests/support/program.sh"
source "$MARL_SOURCE_DIR/tests/editor/editing_steps.sh"

start_editor
click_at 320 300
toolbar 4                               # A: (320, 300) to (350, 300)
toolbar 4                               # B: (350, 300) to (380, 300)

# Angle lock: A's end dragged up to a point 50 from its start changes only its length: it still
# points right, now 50 long.
toolbar 1
drag 350 300 350 260
screenshot "$SHOTS/locks_angle.png"
new_frame                               # frame 2

# Length lock (angle lock off): A turns to point up and keeps its length of 50; B, kept pointing
# right, now stands at 90 degrees to it.
toolbar 1
toolbar 2
drag 370 300 320 240
screenshot "$SHOTS/locks_length.png"
new_frame                               # frame 3

# Neither lock, children not kept: A back to the right, 50 long; B keeps its 90 degrees to A and
# so turns to point down.
toolbar 2
toolbar 0
drag 320 250 370 300
screenshot "$SHOTS/locks_children.png"
new_frame                               # frame 4
# B's end is drawn below A's end now, in the translucent red of a bone not selected.
expect_pixel "$SHOTS/locks_children.png" 370 334 "#961900"

save_as locks
file="$SAVED/locks.txt"
[ "$(frame_count "$file" "Default 0")" = 4 ] || fail "the set does not have four frames"
# frame bone length angle
expect_entry "$file" "Default 0" 1 1 30 0
expect_entry "$file" "Default 0" 2 1 50 0
expect_entry "$file" "Default 0" 2 2 30 0
expect_entry "$file" "Default 0" 3 1 50 270
expect_entry "$file" "Default 0" 3 2 30 90
expect_entry "$file" "Default 0" 4 1 50 0
expect_entry "$file" "Default 0" 4 2 30 90
echo "angle lock, length lock and keep-children: ok"
