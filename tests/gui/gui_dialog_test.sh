#!/usr/bin/env bash
# Runs a dialog with every widget of the toolkit in a real window (the gui_demo program) and
# operates it with real mouse and key events: a toggle, typing, a slider, a list by click, wheel
# and key, a combo box, the menu bar with the message box and the file selector over a real
# folder, and the popup menu. Checks what the program reports when it ends, and the screen.
set -euo pipefail
source "$MARL_SOURCE_DIR/tests/support/program.sh"

shots=${MARL_SCREENSHOT_DIR:-$WORK}
start_program "Marl GUI Test" gui_demo
# The menu bar across the top, in its green.
wait_for_pixel "$shots/gui_dialog.png" 400 10 "#ABBA8B"
expect_pixel "$shots/gui_dialog.png" 600 450 "#003C00"

click_at 330 91                     # the toggle button
click_at 275 90                     # the name field, caret after "Trunk"
type_text " 2"
click_at 265 128                    # slider: 0 .. 10, value 7 there
click_at 100 202                    # list: row 3 (Damson)
wheel down 2                        # rows 2 .. 11 shown
press Down                          # Elderberry
click_at 100 325                    # the combo box opens
screenshot "$shots/gui_combo_open.png"
expect_pixel "$shots/gui_combo_open.png" 150 390 "#FFFFFF"
click_at 100 374                    # its third entry (Large)
expect_pixel "$(screenshot "$WORK/closed.png"; echo "$WORK/closed.png")" 150 390 "#DFDAC1"

# File, Message...: the message box; "No" is its second button.
xdotool mousemove --window "$WINDOW" 12 10
sleep 0.3
click_at 12 10
sleep 0.2
screenshot "$shots/gui_menu_open.png"
expect_pixel "$shots/gui_menu_open.png" 100 28 "#000000"
expect_pixel "$shots/gui_menu_open.png" 100 47 "#ABBA8B"
click_at 40 35
sleep 0.3
screenshot "$shots/gui_message_box.png"
expect_pixel "$shots/gui_message_box.png" 200 240 "#B30E16"
click_at 385 347
wait_for_output "message box: 1"

# File, Open File...: the file selector over the shipped skeletons; a double click on the first
# one (after "../") confirms it.
xdotool mousemove --window "$WINDOW" 300 300
sleep 0.2
xdotool mousemove --window "$WINDOW" 12 10
sleep 0.3
click_at 12 10
sleep 0.2
click_at 40 55
sleep 0.5
screenshot "$shots/gui_file_select.png"
expect_pixel "$shots/gui_file_select.png" 600 300 "#FFFFFF"
double_click_at 200 202
wait_for_output "file select: 1"
expect_contains "$WORK/stdout.txt" "/Game Data/Skeletons/Cactus Man 2 (small).txt"

# A right click on the panel opens the popup menu; its first row is chosen.
xdotool mousemove --window "$WINDOW" 500 250
sleep 0.2
xdotool mousedown 3 sleep 0.05 mouseup 3
sleep 0.4
screenshot "$shots/gui_popup.png"
click_at 530 277
wait_for_output "popup: 0"

click_at 310 532                    # Done
expect_exit 0
out="$WORK/stdout.txt"
expect_contains "$out" "closed by: 13"
expect_contains "$out" "toggle: 1"
expect_contains "$out" "name: Trunk 2"
expect_contains "$out" "slider: 7"
expect_contains "$out" "list: 4"
expect_contains "$out" "combo: 2"
echo "GUI dialog driven end to end: ok"
