#!/usr/bin/env bash
# Builds a three-bone skeleton from nothing as a user does: selects the Trunk's end, adds two bones
# with the toolbar, drags their ends to chosen points, stores the pose in the frame and saves. The
# saved file has the parent chain built and the lengths and angles the drags imply.
set -euo pipefail
source "$MARL_SOURCE_DIR/tests/support/program.sh"
source "$MARL_SOURCE_DIR/tests/editor/editing_steps.sh"

start_editor
click_at 320 300                        # the Trunk's end
toolbar 4                               # add bone: "New", ends at (350, 300)
toolbar 4                               # add bone below it: "New (1)", ends at (380, 300)
screenshot "$SHOTS/build_added.png"
# The new bone is selected (yellow end), the Trunk's end is not (dark red over the green).
expect_pixel "$SHOTS/build_added.png" 384 304 "#FFFF00"

# New's end to A; keeping its children's directions, New (1) moves along and still points right.
ax=360; ay=250
drag 350 300 $ax $ay
# New (1)'s end, now 30 pixels right of A, to B.
bx=425; by=305
drag $((ax + 30)) $ay $bx $by
screenshot "$SHOTS/build_dragged.png"
expect_pixel "$SHOTS/build_dragged.png" $((bx + 4)) $((by + 5)) "#FFFF00"

store_pose                              # copy the skeleton into the frame
save_as arm

file="$SAVED/arm.txt"
expect_lines "$file" "+ Trunk" "  + New" "    + New (1)" "## <Bone Draw Order>" "** New" "** New (1)" "<End>"
[ "$(frame_count "$file" "Default 0")" = 1 ] || fail "the set does not have one frame"
read -r lengthA angleA <<<"$(geometry 320 300 $ax $ay)"
read -r lengthB angleB <<<"$(geometry $ax $ay $bx $by)"
expect_entry "$file" "Default 0" 1 0 20 0
expect_entry "$file" "Default 0" 1 1 "$lengthA" "$angleA"
# Angles are stored relative to the parent.
expect_entry "$file" "Default 0" 1 2 "$lengthB" "$(awk -v a="$angleB" -v p="$angleA" 'BEGIN { print a - p }')"
expect_contains "$PROGRAM_DIR/logfile.txt" "Saved Skeleton File: "
echo "three bones built by toolbar and drags: ok"
