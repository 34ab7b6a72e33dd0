#!/usr/bin/env bash
# The skeleton editor's window as a user meets it: title, view, grid, toolbar, tabs and menu bar
# drawn from the strips; the zoom slider changing the grid spacing (and snapping near zoom 1);
# the tabs; Help, About; and File, Exit asking before the program ends.
set -euo pipefail
source "$MARL_SOURCE_DIR/tests/support/program.sh"
source "$MARL_SOURCE_DIR/tests/editor/editor_support.sh"
shots=${MARL_SCREENSHOT_DIR:-$WORK}

start_program "$EDITOR_TITLE"
wait_for_pixel "$shots/editor_start.png" 404 308 "#003C00"
start="$shots/editor_start.png"
# The grid through the origin (300, 300): every 16 pixels, the lines through the origin and every
# fourth one brighter.
expect_pixel "$start" 300 450 "#0D7807"
expect_pixel "$start" 316 450 "#094F04"
expect_pixel "$start" 364 450 "#0D7807"
expect_pixel "$start" 404 300 "#0D7807"
expect_pixel "$start" 404 316 "#094F04"
expect_pixel "$start" 10 450 "#003C00"
# The menu bar is white; the toolbar and tabs are the strips' pictures: button 0 on (row 1),
# button 1 normal (row 0), the skins and bones buttons on; the Frames tab selected. The buttons'
# round corners let the view show through and the menu bar covers their top rows, so their
# insides are compared.
expect_pixel "$start" 400 10 "#FFFFFF"
crop "$start" 34x30+4+23 "$WORK/b0.png"; crop "$STRIPS/MARL Toolbar.png" 34x30+4+50 "$WORK/s0.png"
expect_same_picture "$WORK/b0.png" "$WORK/s0.png" "toolbar button 0"
crop "$start" 34x30+46+23 "$WORK/b1.png"; crop "$STRIPS/MARL Toolbar.png" 34x30+46+8 "$WORK/s1.png"
expect_same_picture "$WORK/b1.png" "$WORK/s1.png" "toolbar button 1"
crop "$start" 34x30+466+23 "$WORK/b11.png"; crop "$STRIPS/MARL Toolbar.png" 34x30+466+50 "$WORK/s11.png"
expect_same_picture "$WORK/b11.png" "$WORK/s11.png" "toolbar button 11"
crop "$start" 34x30+718+23 "$WORK/fill.png"; crop "$STRIPS/MARL Toolbar.png" 34x30+508+8 "$WORK/sfill.png"
expect_same_picture "$WORK/fill.png" "$WORK/sfill.png" "toolbar filler"
crop "$start" 190x24+610+57 "$WORK/tabs.png"; crop "$STRIPS/Tabs.png" 190x24+0+0 "$WORK/stabs0.png"
expect_same_picture "$WORK/tabs.png" "$WORK/stabs0.png" "tabs"
# The panel and the zoom slider's snap mark.
expect_pixel "$start" 700 300 "#CBC6AD"
expect_pixel "$start" 24 513 "#FFFFFF"

# The third tab's place does nothing; the second tab shows the lower half of the strip.
click_at 760 69
screenshot "$WORK/third_tab.png"
crop "$WORK/third_tab.png" 190x543+610+57 "$WORK/panel_after.png"
crop "$start" 190x543+610+57 "$WORK/panel_before.png"
expect_same_picture "$WORK/panel_after.png" "$WORK/panel_before.png" "panel after a click on the third tab"
click_at 700 69
screenshot "$WORK/bones_tab.png"
crop "$WORK/bones_tab.png" 190x24+610+57 "$WORK/tabs1.png"; crop "$STRIPS/Tabs.png" 190x24+0+24 "$WORK/stabs1.png"
expect_same_picture "$WORK/tabs1.png" "$WORK/stabs1.png" "tabs with Bones selected"
click_at 640 69

# The zoom slider: its far end is zoom 3, a grid line every 48 pixels.
click_at 28 579
screenshot "$shots/editor_zoom3.png"
expect_pixel "$shots/editor_zoom3.png" 316 450 "#003C00"
expect_pixel "$shots/editor_zoom3.png" 348 450 "#094F04"
expect_pixel "$shots/editor_zoom3.png" 492 450 "#0D7807"
# A click that gives 30 snaps to 33: zoom 0.99, lines 15.84 pixels apart (at 0.9 they would be
# 14.4 apart, the first at 314).
click_at 28 512
screenshot "$WORK/zoom_snap.png"
expect_pixel "$WORK/zoom_snap.png" 315 450 "#094F04"
expect_pixel "$WORK/zoom_snap.png" 314 450 "#003C00"
expect_pixel "$WORK/zoom_snap.png" 363 450 "#0D7807"

# A drag on the view away from any bone end pans it.
xdotool mousemove --window "$WINDOW" 200 400
sleep 0.1
xdotool mousedown 1
# The press must reach the view before the mouse moves on, even on a busy machine.
sleep 0.4
for step in 1 2 3 4 5; do xdotool mousemove --window "$WINDOW" $((200 + step * 10)) $((400 + step * 8)); sleep 0.05; done
sleep 0.4
xdotool mouseup 1
sleep 0.3
screenshot "$WORK/panned.png"
# The origin is now at (350, 340): its lines are the bright ones.
expect_pixel "$WORK/panned.png" 350 450 "#0D7807"
expect_pixel "$WORK/panned.png" 404 340 "#0D7807"

# The window's close button and Escape ask as File, Exit does; "No" keeps the editor.
close_window
sleep 0.5
screenshot "$WORK/close_question.png"
expect_pixel "$WORK/close_question.png" 300 236 "#B30E16"
answer "$NO_X"
press Escape
sleep 0.5
screenshot "$WORK/escape_question.png"
expect_pixel "$WORK/escape_question.png" 300 236 "#B30E16"
answer "$NO_X"
sleep 0.5
kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the editor ended after No"

# Help, About names the program and its version.
choose "$HELP_MENU_X" "$FIRST_ROW_Y"
screenshot "$shots/editor_about.png"
expect_pixel "$shots/editor_about.png" 300 236 "#B30E16"
answer "$ONLY_X"

# File, Exit: "No" keeps the editor running, "Yes" ends it.
choose "$FILE_MENU_X" "$EXIT_ROW_Y"
screenshot "$WORK/exit_question.png"
expect_pixel "$WORK/exit_question.png" 300 236 "#B30E16"
answer "$NO_X"
sleep 0.5
kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the editor ended after No"
quit_editor
expect_line "$PROGRAM_DIR/logfile.txt" -1 '^Log file closed '
expect_contains "$PROGRAM_DIR/logfile.txt" "*********** END FRAME REPORT"
echo "skeleton editor window: ok"
