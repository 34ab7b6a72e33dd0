#!/usr/bin/env bash
# The skeleton editor's file commands driven in the real program: Save with a typed name (".txt"
# appended, the title and the log), saving onto an existing file ("Overwrite?", where "No" keeps
# the file), Load of a shipped skeleton (its skins in the view), files that load back equal, New
# (asked, then reset), and the reference picture.
set -euo pipefail
source "$MARL_SOURCE_DIR/tests/support/program.sh"
source "$MARL_SOURCE_DIR/tests/editor/editor_support.sh"
shots=${MARL_SCREENSHOT_DIR:-$WORK}
skeletons="$WORK/Game Data/Skeletons"
log="$PROGRAM_DIR/logfile.txt"
SKINS_BUTTON_X=441 TOOLBAR_Y=36

# The file without its "Last Modified" stamp.
unstamped() { grep -v '^## Last Modified:' "$1"; }

start_program "$EDITOR_TITLE"
wait_for_pixel "$WORK/start.png" 404 308 "#003C00"

# File, Save, "walk": walk.txt beside the shipped skeletons.
choose "$FILE_MENU_X" "$SAVE_ROW_Y"
screenshot "$shots/editor_save_selector.png"
select_file walk
[ -f "$skeletons/walk.txt" ] || fail "walk.txt was not written"
expect_title "MARL Skeleton Editor - walk.txt"
expect_contains "$log" "Saved Skeleton File: "
line=$(grep -n "Saved Skeleton File: " "$log" | tail -1 | cut -d: -f1)
expect_line "$log" $((line + 1)) 'Game Data/Skeletons/walk\.txt$'
expect_contains "$skeletons/walk.txt" "+ Trunk"

# Saving onto it again asks; "No" leaves the file as it was.
before=$(md5sum "$skeletons/walk.txt"; stat -c %Y "$skeletons/walk.txt")
sleep 1
choose "$FILE_MENU_X" "$SAVE_ROW_Y"
select_file walk
screenshot "$shots/editor_overwrite.png"
expect_pixel "$shots/editor_overwrite.png" 300 236 "#B30E16"
answer "$NO_X"
after=$(md5sum "$skeletons/walk.txt"; stat -c %Y "$skeletons/walk.txt")
[ "$before" = "$after" ] || fail "walk.txt changed after No"
[ "$(grep -c "Saved Skeleton File: " "$log")" = 1 ] || fail "a refused save was logged"

# File, Load of a shipped skeleton: its skins show in the view.
choose "$FILE_MENU_X" "$LOAD_ROW_Y"
select_file "Jungle Explorer.txt"
expect_title "MARL Skeleton Editor - Jungle Explorer.txt"
expect_contains "$log" "Loaded Skeleton File: "
sleep 0.5
screenshot "$shots/editor_loaded.png"
click_at "$SKINS_BUTTON_X" "$TOOLBAR_Y"
screenshot "$WORK/overlay_only.png"
crop "$shots/editor_loaded.png" 560x500+40+70 "$WORK/view_skins.png"
crop "$WORK/overlay_only.png" 560x500+40+70 "$WORK/view_bare.png"
changed=$(differing_pixels "$WORK/view_skins.png" "$WORK/view_bare.png")
[ "$changed" -gt 1000 ] || fail "the skins changed only $changed pixels of the view"
click_at "$SKINS_BUTTON_X" "$TOOLBAR_Y"

# Saved again it is the shipped file, stamp aside; and walk.txt loads back and saves the same.
choose "$FILE_MENU_X" "$SAVE_ROW_Y"
select_file jungle
[ -f "$skeletons/jungle.txt" ] || fail "jungle.txt was not written"
diff <(unstamped "$skeletons/Jungle Explorer.txt") <(unstamped "$skeletons/jungle.txt") >/dev/null ||
    fail "the saved Jungle Explorer differs from the shipped file"
choose "$FILE_MENU_X" "$LOAD_ROW_Y"
select_file walk.txt
expect_title "MARL Skeleton Editor - walk.txt"
choose "$FILE_MENU_X" "$SAVE_ROW_Y"
select_file walk2
diff <(unstamped "$skeletons/walk.txt") <(unstamped "$skeletons/walk2.txt") >/dev/null ||
    fail "walk.txt did not load back equal"

# File, New: "No" changes nothing; "Yes" leaves a lone Trunk, as at the start.
choose "$FILE_MENU_X" "$LOAD_ROW_Y"
select_file "Jungle Explorer.txt"
choose "$FILE_MENU_X" "$NEW_ROW_Y"
answer "$NO_X"
expect_title "MARL Skeleton Editor - Jungle Explorer.txt"
choose "$FILE_MENU_X" "$NEW_ROW_Y"
answer "$YES_X"
expect_title "MARL Skeleton Editor - Untitled"
xdotool mousemove --window "$WINDOW" 400 300
sleep 0.5
screenshot "$WORK/new.png"
crop "$WORK/new.png" 560x500+40+70 "$WORK/view_new.png"
crop "$WORK/start.png" 560x500+40+70 "$WORK/view_start.png"
expect_same_picture "$WORK/view_new.png" "$WORK/view_start.png" "the view after New"

# Options, Change Reference Picture: the backdrop (800 x 600) centred on the origin (300, 300),
# so screen (404, 308) shows its pixel (504, 308); a name that does not exist removes it.
choose "$OPTIONS_MENU_X" "$FIRST_ROW_Y"
select_file "Game Data/GFX/Misc/Background3.png"
sleep 0.3
screenshot "$shots/editor_reference.png"
want=$(convert "$WORK/Game Data/GFX/Misc/Background3.png" -format "%[hex:p{504,308}]" info: | cut -c1-6)
expect_pixel "$shots/editor_reference.png" 404 308 "#$want"
choose "$OPTIONS_MENU_X" "$FIRST_ROW_Y"
select_file "no such picture.png"
sleep 0.3
screenshot "$WORK/no_reference.png"
expect_pixel "$WORK/no_reference.png" 404 308 "#003C00"

quit_editor
expect_line "$log" -1 '^Log file closed '
echo "skeleton editor file commands: ok"
