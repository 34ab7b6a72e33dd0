#!/usr/bin/env bash
# The frames panel: Copy then Paste To New on frame 2 of a three-frame set gives four frames, the
# new one equal to the copied one; Edit, Paste Frame overwrites a frame with the clipboard; the
# only frame of a set and the set itself are not deleted, with their messages; a frame set is
# renamed through the context menu. The saved files show each. A skeleton of three sets of 26
# frames scrolls in the panel (wheel, scroll bar) so its last row can be chosen, and the current
# frame's row is brought back into view when the frame changes.
set -euo pipefail
source "$MARL_SOURCE_DIR/tests/support/program.sh"
source "$MARL_SOURCE_DIR/tests/editor/editing_steps.sh"

start_editor
click_at 320 300
toolbar 4                               # "New", pointing right
new_frame                               # frame 1
new_frame                               # frame 2
drag 350 300 320 335                    # New points down, 35 long
store_pose

# Rows: 0 "Default 0", 1 frame 0, 2 frame 1, 3 frame 2. Copy frame 2, then Paste To New on it.
click_at 650 "$(row_y 3)" 3
sleep 0.4
screenshot "$SHOTS/frames_menu.png"
popup_item 650 "$(row_y 3)" 1
context_menu 650 "$(row_y 3)" 3
screenshot "$SHOTS/frames_pasted.png"
save_as pasted
file="$SAVED/pasted.txt"
[ "$(frame_count "$file" "Default 0")" = 4 ] || fail "Paste To New did not give four frames"
expect_entry "$file" "Default 0" 3 1 35 90
[ "$(frame_entries "$file" "Default 0" 4)" = "$(frame_entries "$file" "Default 0" 3)" ] ||
    fail "the new frame differs from the copied one"
expect_entry "$file" "Default 0" 2 1 30 0

# Frame 0 chosen, Edit, Paste Frame: it becomes the clipboard's frame.
row_click 1
sleep 0.3
menu $MENU_EDIT 2

# A new frame set with one frame; deleting its frame is refused with a message.
new_set() { frame_edit 1; expect_message_box "$WORK/box.png"; box_only; sleep 0.3; }
new_set
frame_edit 2
expect_message_box "$SHOTS/frames_last_frame.png"
box_only
# Deleting the set asks first; Cancel keeps it.
frame_edit 3
expect_message_box "$SHOTS/frames_delete_set.png"
box_second

# Rows: 0 .. 4 set 0 and its frames, 5 "Default 1", 6 its frame. Its name through the menu.
context_menu 650 "$(row_y 5)" 5
sleep 0.3
screenshot "$SHOTS/frames_rename.png"
# The menu closed before its dialog opened: the panel shows where it was.
expect_pixel "$SHOTS/frames_rename.png" 700 230 "#CBC6AD"
for _ in $(seq 9); do press BackSpace; done
type_text "Wave"
click_at 353 325                        # Ok
# The last pixel row of the frame-edit column lies one past its last button: nothing happens.
click_at 784 336
save_as renamed
file="$SAVED/renamed.txt"
# Frame 1 holds the pasted pose, frame 2 the first pose; Wave's one frame is the pose it was made of.
expect_lines "$file" "FrameSets: 2" "" "Default 0" "Frames: 4" "" "## Frame: 1" "20" "0" "" "35" "90" "" \
    "## Frame: 2" "20" "0" "" "30" "0" "" "## Frame: 4" "Wave" "Frames: 1"
expect_absent "$file" "Default 1"

# With one set left, deleting it is refused.
frame_edit 3
expect_message_box "$WORK/box.png"
box_first                               # "Ok": Wave goes, the entity is on set 0
frame_edit 3
expect_message_box "$SHOTS/frames_last_set.png"
box_only
save_as one_set
[ "$(tr -d '\r' <"$SAVED/one_set.txt" | grep -c '^FrameSets: 1$')" = 1 ] || fail "the last set is not kept alone"

# Three sets of 26 frames: 81 rows, of which the panel shows 31 (rows 0 .. 30 at first).
{
    tr -d '\r' <"$SAVED/one_set.txt" | sed '/^## <Frames>$/q'
    printf '\nFrameSets: 3\n'
    for set in Left Middle Right; do
        printf '\n%s\nFrames: 26\n\n' "$set"
        for f in $(seq 26); do printf '## Frame: %d\n20\n0\n\n30\n0\n\n' "$f"; done
    done
} | sed 's/$/\r/' >"$SAVED/long.txt"
menu $MENU_FILE 1
choose_file long.txt
sleep 0.5
# white_in_row <png> <slot>: how many white pixels (the current frame's text) a row shown has.
white_in_row() {
    convert "$1" -crop "130x13+615+$(($(row_y "$2") - 6))" +repage -fuzz 10% -fill black +opaque white \
        -fill white -opaque white -format "%[fx:round(mean*w*h)]" info:
}
screenshot "$SHOTS/frames_long.png"
# The scroll bar beside the frame-edit buttons, its handle at the top.
expect_pixel "$SHOTS/frames_long.png" 760 88 "#000000"
expect_pixel "$SHOTS/frames_long.png" 760 400 "#FFFFFF"
[ "$(white_in_row "$SHOTS/frames_long.png" 1)" -gt 10 ] || fail "frame 0 of the first set is not current"

# The wheel down to the end (the top row stops at 50), and a click on the last row: the last
# frame of the last set.
xdotool mousemove --window "$WINDOW" 650 300
sleep 0.2
wheel down 60
row_click 30
sleep 0.6
screenshot "$SHOTS/frames_long_last.png"
[ "$(white_in_row "$SHOTS/frames_long_last.png" 30)" -gt 10 ] || fail "the last row is not current"
[ "$(white_in_row "$SHOTS/frames_long_last.png" 29)" = 0 ] || fail "the row above the last is current"
expect_pixel "$SHOTS/frames_long_last.png" 760 556 "#000000"

# Scrolled back to the top, the current row is out of view; the previous frame brings it back.
wheel up 100
screenshot "$WORK/frames_long_top.png"
for slot in $(seq 0 30); do
    [ "$(white_in_row "$WORK/frames_long_top.png" "$slot")" = 0 ] || fail "a current row shows at the top"
done
transport 1
sleep 0.6
screenshot "$SHOTS/frames_long_followed.png"
[ "$(white_in_row "$SHOTS/frames_long_followed.png" 30)" -gt 10 ] || fail "the current frame was not brought into view"

# The scroll bar: a click at its top shows the first rows, at its bottom the last ones again.
click_at 760 84
screenshot "$WORK/frames_long_bar_top.png"
expect_pixel "$WORK/frames_long_bar_top.png" 760 88 "#000000"
[ "$(white_in_row "$WORK/frames_long_bar_top.png" 30)" = 0 ] || fail "the scroll bar did not scroll up"
click_at 760 556
screenshot "$WORK/frames_long_bar_end.png"
[ "$(white_in_row "$WORK/frames_long_bar_end.png" 29)" -gt 10 ] || fail "the scroll bar did not scroll down"
echo "clipboard, refusals and renaming of frames, a long list scrolled: ok"
