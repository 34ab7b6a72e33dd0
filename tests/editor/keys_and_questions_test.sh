#!/usr/bin/env bash
# The skeleton editor as a user meets it day to day, in one run: an idle editor rests; the keys
# Ctrl+N, Ctrl+S, Ctrl+O, Delete and Page Up / Page Down; Enter pressing a dialog's default button
# and choosing in the file selector; the question about unsaved changes (Cancel stays, No goes on)
# and the one about a pose not stored; Load's "File not found"; full and relative paths typed into
# the selector; the skin chooser's start folder; undo and redo; the wheel zooming around the mouse.
set -euo pipefail
source "$MARL_SOURCE_DIR/tests/support/program.sh"
source "$MARL_SOURCE_DIR/tests/editor/editing_steps.sh"

# The three buttons of a Yes / No / Cancel question.
three_first() { sleep 0.3; click_at 230 347; sleep 0.2; }
three_second() { sleep 0.3; click_at 325 347; sleep 0.2; }
three_third() { sleep 0.3; click_at 420 347; sleep 0.2; }
# A question with three buttons: the third one's black face beside the second.
expect_three_buttons() {
    expect_message_box "$1"
    expect_pixel "$1" 420 333 "#000000"
}
expect_title() {
    timeout 5 xdotool search --sync --onlyvisible --name "^$1\$" >/dev/null || fail "no window titled '$1'"
}
keys() { xdotool key --clearmodifiers "$@"; sleep 0.5; }
saves() { grep -c "Saved Skeleton File: " "$PROGRAM_DIR/logfile.txt" || true; }
ticks() { awk '{ print $14 + $15 }' "/proc/$PROGRAM_PID/stat"; }

start_editor

# An editor with nothing to do presents no frames: well under a tenth of a core over 3 s.
sleep 1.5
before=$(ticks)
sleep 3
idle=$(( $(ticks) - before ))
[ "$idle" -lt $((3 * $(getconf CLK_TCK) / 10)) ] || fail "the idle editor used $idle ticks in 3 s"

# Ctrl+N without changes asks the usual question; Enter answers "Yes".
keys ctrl+n
expect_message_box "$WORK/box.png"
keys Return
expect_title "MARL Skeleton Editor - Untitled"

# Two bones on the Trunk's end; Delete takes the selected one (the second) away again.
click_at 320 300
toolbar 4
toolbar 4
keys Delete
# Untitled, Ctrl+S saves as: Enter in the name field chooses.
keys ctrl+s
click_at 600 400
type_text keys
keys Return
file="$SAVED/keys.txt"
[ -f "$file" ] || fail "Ctrl+S and Enter saved no keys.txt"
expect_lines "$file" "+ Trunk" "  + New" "<End>"
expect_absent "$file" "New (1)"
expect_title "MARL Skeleton Editor - keys.txt"

# A new bone is a change: Ctrl+N asks to save it first, and Cancel keeps everything.
click_at 320 300
toolbar 4
keys ctrl+n
expect_three_buttons "$SHOTS/save_changes.png"
three_third
expect_title "MARL Skeleton Editor - keys.txt"
# Titled, Ctrl+S saves over the file without asking.
keys ctrl+s
[ "$(saves)" = 2 ] || fail "Ctrl+S did not save to keys.txt at once"
expect_contains "$file" "  + New (1)"

# Two frames: the pose in frame 0, a new frame 1 holding it too.
store_pose
new_frame
# A dragged pose, then Page Down: "Store the pose in this frame?" Yes keeps it in frame 1.
drag 350 300 350 340
keys Next
expect_three_buttons "$SHOTS/store_pose.png"
three_first
keys ctrl+s
read -r length angle <<<"$(geometry 320 300 350 340)"
# The file counts frames from 1.
expect_entry "$file" "Default 0" 2 1 "$length" "$angle"
# Page Down wrapped to frame 0; a drag there and Page Up answered No drops the pose.
drag 350 300 350 260
keys Prior
expect_three_buttons "$WORK/box.png"
three_second
keys ctrl+s
expect_entry "$file" "Default 0" 1 1 30 0
expect_entry "$file" "Default 0" 2 1 "$length" "$angle"

# Enter confirms the frame time dialog.
menu $MENU_FRAMES 0
sleep 0.4
clear_field 405 300 4
type_text 400
keys Return
expect_contains "$PROGRAM_DIR/logfile.txt" "Frame time set to (ms): 400"

# Load: a name that does not exist is said to be missing; Enter closes the box.
keys ctrl+o
click_at 600 400
type_text nothere.txt
keys Return
expect_message_box "$SHOTS/file_not_found.png"
keys Return
# A full path typed into the name field loads that file.
keys ctrl+o
click_at 600 400
type_text "$file"
keys Return
expect_contains "$PROGRAM_DIR/logfile.txt" "Loaded Skeleton File: "
expect_title "MARL Skeleton Editor - keys.txt"

# The skin chooser starts among the skins: a path relative to there finds the picture.
click_at 350 300
toolbar 9
click_at 600 400
type_text "Soldier Alpha/Back Hand.png"
keys Return
keys ctrl+s
[ "$(bone_block "$file" New | head -1)" = "../Game Data/GFX/Skins/Soldier Alpha/Back Hand.png" ] ||
    fail "the chooser did not start in the skins folder: $(bone_block "$file" New | head -1)"

# Undo and redo: a bone added and a drag, undone with Ctrl+Z twice, save the file as it was; the
# Edit menu's Undo is greyed once nothing is left; Ctrl+Y redoes the bone.
cp "$file" "$WORK/before_edits.txt"
click_at 320 300
toolbar 4                               # "New (2)" on the Trunk
drag 350 300 365 330                    # New's end
keys ctrl+z
keys ctrl+z
keys ctrl+s
diff <(grep -v "Last Modified" "$WORK/before_edits.txt") <(grep -v "Last Modified" "$file") >/dev/null ||
    fail "two undos did not give back the saved file"
keys ctrl+y
keys ctrl+s
expect_contains "$file" "  + New (2)"
expect_entry "$file" "Default 0" 1 1 30 0

# The wheel zooms around the mouse: with the pointer on the Trunk's end, the end stays where it
# is and the origin moves away from it.
toolbar 10                              # skins off, so only the bones show
xdotool mousemove --window "$WINDOW" 320 300
sleep 0.3
screenshot "$WORK/before_zoom.png"
wheel up 2
screenshot "$SHOTS/wheel_zoom.png"
same_pixels "$WORK/before_zoom.png" "$SHOTS/wheel_zoom.png" && fail "the wheel did not zoom"
# The grey origin dot (20 across) moved from x 300 to x 294 (zoom 1.29): it now covers x 287, off
# the bone's line; the red end dot stayed on x 320.
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }
grey=$(pixel "$WORK/before_zoom.png" 296 296)
red=$(pixel "$WORK/before_zoom.png" 320 296)
[ "$(pixel "$WORK/before_zoom.png" 287 296)" != "$grey" ] || fail "the origin dot already reached x 287"
expect_pixel "$SHOTS/wheel_zoom.png" 287 296 "#$grey"
expect_pixel "$SHOTS/wheel_zoom.png" 320 296 "#$red"

# A change and Escape: the save question again; No ends the program without saving.
click_at 320 300
toolbar 4
keys Escape
expect_three_buttons "$WORK/box.png"
three_second
expect_exit 0
expect_absent "$file" "New (3)"
echo "keys, questions, the selector's paths and the wheel: ok"
