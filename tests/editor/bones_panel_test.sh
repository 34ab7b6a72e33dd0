#!/usr/bin/env bash
# The bones panel: the draw-order list, "Duplicate Bone" and "Duplicate Limb" from its context
# menu, and a bone dragged from row 3 to row 1, which moves it up the draw order one place at a
# time. The saved file's draw order changes and every frame's entries follow their bones.
set -euo pipefail
source "$MARL_SOURCE_DIR/tests/support/program.sh"
source "$MARL_SOURCE_DIR/tests/editor/editing_steps.sh"

start_editor
click_at 320 300
toolbar 4                               # New
toolbar 4                               # New (1), below it
bones_tab
screenshot "$SHOTS/bones_panel.png"
# Row 2, the selected bone, is a black bar; the panel's colour shows below the last row.
expect_pixel "$SHOTS/bones_panel.png" 760 "$(row_y 2)" "#000000"
expect_pixel "$SHOTS/bones_panel.png" 760 "$(row_y 4)" "#CBC6AD"

# "Duplicate Bone" on New: a copy beside it under the Trunk, turned 45 degrees: New (2).
click_at 650 "$(row_y 1)" 3
sleep 0.4
screenshot "$SHOTS/bones_panel_menu.png"
popup_item 650 "$(row_y 1)" 0

# Row 3 (New (2)) dragged to row 1.
drag 650 "$(row_y 3)" 650 "$(row_y 1)"
screenshot "$SHOTS/bones_panel_dragged.png"
expect_pixel "$SHOTS/bones_panel_dragged.png" 760 "$(row_y 1)" "#000000"
save_as reordered

file="$SAVED/reordered.txt"
expect_lines "$file" "+ Trunk" "  + New" "    + New (1)" "  + New (2)" "## <Bone Draw Order>" \
    "** New (2)" "** New" "** New (1)" "<End>"
expect_entry "$file" "Default 0" 1 0 20 0
expect_entry "$file" "Default 0" 1 1 30 45
expect_entry "$file" "Default 0" 1 2 30 0
expect_entry "$file" "Default 0" 1 3 30 0

# "Duplicate Limb" on New (now row 2) copies it with its child under the Trunk: New (3) and
# New (4) below it, drawn last.
context_menu 650 "$(row_y 2)" 1
save_as duplicated
file="$SAVED/duplicated.txt"
expect_lines "$file" "+ Trunk" "  + New" "    + New (1)" "  + New (2)" "  + New (3)" "    + New (4)" \
    "** New (2)" "** New" "** New (1)" "** New (3)" "** New (4)" "<End>"
[ "$(frame_entries "$file" "Default 0" 1 | wc -l)" = 6 ] || fail "the frame does not have six entries"
echo "bones panel: duplicate, reorder by dragging, duplicate limb: ok"
