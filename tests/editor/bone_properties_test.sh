#!/usr/bin/env bash
# Bone properties and skins: renaming through the view's context menu and the toolbar (a name
# another bone has, and "Trunk", get a counter), a single-picture skin, a lettered skin, a name
# that is no skin, a skin moved against its bone with Left Ctrl and the right button, and
# Show/Hide Skin. The saved file carries names, skin paths and offsets.
set -euo pipefail
source "$MARL_SOURCE_DIR/tests/support/program.sh"
source "$MARL_SOURCE_DIR/tests/editor/editing_steps.sh"

# The properties dialog (204 x 144, centred at 298, 228): its name field and its Ok button.
rename_in_dialog() {
    sleep 0.4
    clear_field 480 289 "$1"
    type_text "$2"
    click_at 352 356
}

start_editor
click_at 320 300
toolbar 4                               # "New", ending at (350, 300)

# The view's menu on New's end: Bone Properties.
click_at 350 300 3
sleep 0.4
screenshot "$SHOTS/bone_menu.png"
popup_item 350 300 0
screenshot "$SHOTS/bone_properties.png"
rename_in_dialog 3 "Upper Arm"

toolbar 4                               # "New" below Upper Arm, ending at (380, 300)
toolbar 8                               # its properties: "Trunk" is the root's name
rename_in_dialog 3 "Trunk"

# Skins. The chooser starts in the skins folder, then in the folder of the last skin.
toolbar 9
choose_file "Soldier Alpha/Front Forearm.png"
click_at 350 300                        # Upper Arm
toolbar 9
choose_file "../Small Robot/Eye"        # the lettered skin Eye-a-00.png, ...
toolbar 8
sleep 0.4
screenshot "$SHOTS/bone_properties_skin.png"
click_at 440 356                        # Cancel

# skin_drag <x> <y> <dx> <dy>: Left Ctrl and the right button from a bone's end (the selected one).
skin_drag() {
    xdotool mousemove --window "$WINDOW" "$1" "$2"
    sleep 0.1
    xdotool keydown ctrl
    sleep 0.1
    xdotool mousedown 3
    sleep 0.15
    xdotool mousemove --window "$WINDOW" $(($1 + $3 / 2)) $(($2 + $4 / 2))
    sleep 0.1
    xdotool mousemove --window "$WINDOW" $(($1 + $3)) $(($2 + $4))
    sleep 0.2
    xdotool mouseup 3
    sleep 0.1
    xdotool keyup ctrl
    sleep 0.3
}
# Upper Arm's skin 12 pixels right and 5 down.
skin_drag 350 300 12 5

# A fourth bone with a skin, then one chosen by a name that is no skin.
click_at 380 300
toolbar 4                               # "New" below Trunk (1), ending at (410, 300)
toolbar 9
choose_file "../Soldier Alpha/Front Foot.png"
toolbar 9
choose_file "no such skin"
# Turned to 45 degrees, its skin dragged 5 right and 5 down: 7 along the bone, none across it, in
# whole pixels as the file keeps them.
drag 410 300 400 320
skin_drag 400 320 5 5

# Show/Hide Skin on Trunk (1): its end shows in the hidden skin's colour when selected.
context_menu 380 300 1
screenshot "$SHOTS/bone_skins.png"
expect_pixel "$SHOTS/bone_skins.png" 376 305 "#FFCE95"

save_as skinned
file="$SAVED/skinned.txt"
expect_lines "$file" "+ Trunk" "  + Upper Arm" "    + Trunk (1)" "      + New" "## <Bone Draw Order>" \
    "** Upper Arm" "../Game Data/GFX/Skins/Small Robot/Eye" "-12" "-5" "" \
    "** Trunk (1)" "../Game Data/GFX/Skins/Soldier Alpha/Front Forearm.png" "0" "0" "" \
    "** New" "NO SKIN" "-7" "0" "" "<End>"
echo "bone names, skins and skin offsets: ok"
