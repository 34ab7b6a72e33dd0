#!/usr/bin/env bash
# Bones, Scale Lengths with the slider at its right end (4.00) and "Ok" multiplies every saved
# length by 4; Bones, Normalise gives every frame the lengths of the current one; Frames, Change
# Frame Time refuses 20, takes 21 and 9999, and its field holds no more than four digits.
set -euo pipefail
source "$MARL_SOURCE_DIR/tests/support/program.sh"
source "$MARL_SOURCE_DIR/tests/editor/editing_steps.sh"

start_editor
click_at 320 300
toolbar 4                               # "New": frames hold Trunk 20, New 30

# The scale dialog (160 x 120 at 320, 240): the slider's right end, then Ok.
menu $MENU_BONES 6
sleep 0.4
click_at 466 310
sleep 0.2
screenshot "$SHOTS/scale_dialog.png"
click_at 364 342
save_as scaled
expect_entry "$SAVED/scaled.txt" "Default 0" 1 0 80 0
expect_entry "$SAVED/scaled.txt" "Default 0" 1 1 120 0

# Cancel scales nothing.
menu $MENU_BONES 6
sleep 0.4
click_at 466 310
click_at 430 342
save_as cancelled
expect_entry "$SAVED/cancelled.txt" "Default 0" 1 1 120 0

# A second frame with New shortened to 60 (angle kept by the angle lock); Normalise on frame 0
# gives it New's 120 back. New runs from (380, 300) to (500, 300) now.
new_frame
toolbar 1
drag 500 300 440 300
store_pose
toolbar 1
save_as shortened
expect_entry "$SAVED/shortened.txt" "Default 0" 2 1 60 0
row_click 1                             # frame 0
sleep 0.3
menu $MENU_BONES 5
expect_message_box "$SHOTS/normalise_question.png"
box_first
save_as normalised
expect_entry "$SAVED/normalised.txt" "Default 0" 2 1 120 0

# The frame-time dialog (128 x 92 at 336, 254): its field, then Ok.
frame_time() {
    menu $MENU_FRAMES 0
    sleep 0.4
    clear_field 405 300 4
    type_text "$1"
    [ -z "${2:-}" ] || screenshot "$2"
    click_at 370 330
    sleep 0.2
}
log="$PROGRAM_DIR/logfile.txt"
frame_time 20 "$SHOTS/frame_time_dialog.png"
expect_contains "$log" "Frame time refused, not 21 to 9999 ms: 20"
frame_time 21
expect_contains "$log" "Frame time set to (ms): 21"
frame_time 9999
expect_contains "$log" "Frame time set to (ms): 9999"
# A fifth digit is not taken.
frame_time 10000
expect_contains "$log" "Frame time set to (ms): 1000"
expect_absent "$log" "10000"
echo "scale lengths, normalise and frame time: ok"
