#!/usr/bin/env bash
# A two-frame animation played in the view: a second frame posed differently, Space plays it
# (the view changes between screenshots 300 ms apart), Space stops it (the view then holds still),
# the play button plays and stops too, and the saved file holds both frames.
set -euo pipefail
source "$MARL_SOURCE_DIR/tests/support/program.sh"
source "$MARL_SOURCE_DIR/tests/editor/editing_steps.sh"

start_editor
click_at 320 300
toolbar 4                               # "New", pointing right
new_frame                               # frame 1, the entity moves on to it
drag 350 300 320 270                    # New points up
store_pose
screenshot "$SHOTS/playback_frames.png"

press space
sleep 0.2
screenshot "$WORK/play1.png"
cp "$WORK/play1.png" "$SHOTS/playback_playing.png"
view_moves_from "$WORK/play1.png" || fail "the view did not change while playing"

press space
view_settles || fail "the view still changes after Space stopped it"

# The play button: pressed it shows the stop picture (red) and plays.
transport 2
screenshot "$SHOTS/playback_button.png"
expect_pixel "$SHOTS/playback_button.png" 705 581 "#CC4436"
view_moves_from "$SHOTS/playback_button.png" || fail "the play button did not play"
transport 2
sleep 0.6
screenshot "$WORK/button3.png"
expect_pixel "$WORK/button3.png" 705 581 "#3E9B4F"

save_as wave
file="$SAVED/wave.txt"
[ "$(frame_count "$file" "Default 0")" = 2 ] || fail "the saved set does not have two frames"
expect_entry "$file" "Default 0" 1 1 30 0
expect_entry "$file" "Default 0" 2 1 30 270
echo "two frames played and stopped with Space and the play button: ok"
