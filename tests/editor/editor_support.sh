# Helpers shared by the skeleton editor's end-to-end tests (sourced after program.sh).

EDITOR_TITLE="MARL Skeleton Editor - untitled"
STRIPS="$WORK/Game Data/GFX/MARL GUI"
# The message box's buttons: "Yes" / "Ok" of a question, "No" beside it, and a lone button.
YES_X=270 NO_X=385 ONLY_X=325 BOX_BUTTON_Y=347
# The file selector's name field and its Ok button.
NAME_FIELD_X=490 NAME_FIELD_Y=400 SELECTOR_OK_X=315 SELECTOR_OK_Y=475
# Menu bar items and drop-down rows (a row is 20 pixels, the first at y 35).
FILE_MENU_X=15 OPTIONS_MENU_X=218 HELP_MENU_X=270
NEW_ROW_Y=35 LOAD_ROW_Y=55 SAVE_ROW_Y=75 EXIT_ROW_Y=175 FIRST_ROW_Y=35

# open_menu <x>: opens the menu bar's item at x.
open_menu() {
    xdotool mousemove --window "$WINDOW" 300 300
    sleep 0.2
    xdotool mousemove --window "$WINDOW" "$1" 10
    sleep 0.3
    click_at "$1" 10
    sleep 0.2
}

# choose <menu x> <row y>: opens a menu and chooses a row (its drop-down opens under the item).
choose() {
    open_menu "$1"
    click_at $(($1 + 25)) "$2"
    sleep 0.4
}

# answer <button x>: clicks a message box button.
answer() {
    click_at "$1" "$BOX_BUTTON_Y"
    sleep 0.3
}

# select_file <name>: types a name into the open file selector and confirms it.
select_file() {
    click_at "$NAME_FIELD_X" "$NAME_FIELD_Y"
    type_text "$1"
    click_at "$SELECTOR_OK_X" "$SELECTOR_OK_Y"
    sleep 0.4
}

# expect_title <title>: the program's visible window has that title (waits up to 5 s).
expect_title() {
    timeout 5 xdotool search --sync --onlyvisible --name "^$1\$" >/dev/null || fail "no window titled '$1'"
}

# crop <png> <w>x<h>+<x>+<y> <out>
crop() { convert "$1" -crop "$2" +repage "$3"; }

# differing_pixels <a.png> <b.png>: how many pixels differ (by more than 2 %).
differing_pixels() { compare -metric AE -fuzz 2% "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true; }

# expect_same_picture <a.png> <b.png> <what>
expect_same_picture() {
    local n
    n=$(differing_pixels "$1" "$2")
    [ "$n" = "0" ] || fail "$3: $n pixels differ"
}

# quit_editor: File, Exit, "Yes"; the program ends with status 0.
quit_editor() {
    choose "$FILE_MENU_X" "$EXIT_ROW_Y"
    answer "$YES_X"
    expect_exit 0
}
