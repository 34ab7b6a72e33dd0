#!/usr/bin/env bash
# The level editor driven end to end, as a user would, in one run of the real program: New Level
# sizes and refusals, painting tiles on both layers by clicks and a drag, solid cells, placing and
# naming entities, saving (the level file's bytes and the entity file's text), loading back (the
# same picture), a level without its entity file, a drag undone and redone, the palette's last
# row and a click at zoom 2 on a scrolled map.
set -euo pipefail
source "$MARL_SOURCE_DIR/tests/support/program.sh"

TITLE="MARL Level Editor - untitled"
LEVELS="$WORK/Game Data/Levels"
# The dialogs are centred on the 1024 x 768 screen.
BOX_OK_X=437 BOX_YES_X=382 BOX_BUTTON_Y=431
NAME_FIELD_X=602 NAME_FIELD_Y=484 SELECTOR_OK_X=427 SELECTOR_OK_Y=559
NEW_WIDTH_X=514 NEW_WIDTH_Y=366 NEW_HEIGHT_Y=392 NEW_OK_X=472 NEW_OK_Y=426
ENTITY_NAME_X=442 ENTITY_NAME_Y=370 ENTITY_OK_X=474 ENTITY_OK_Y=426
FILE_MENU_X=15 NEW_ROW_Y=35 LOAD_ROW_Y=55 SAVE_ROW_Y=75

# A tileset of 25 tiles: the shipped one cut after tile 24.
rm -f "$WORK/Game Data/GFX/Tileset - Jungle PNG/Tile 0"{2[5-9],[3-9][0-9]}-*
rm -f "$LEVELS"/*

expect_title() {
    timeout 5 xdotool search --sync --onlyvisible --name "^$1\$" >/dev/null || fail "no window titled '$1'"
}
# map_picture <file>: the map part of a screenshot with what may rightly differ blacked out: the
# two placed entities' boxes (their animations run on between two screenshots) and the cells the
# last-touched cell's frame stands on (the last painted one, back at the corner after a load).
map_picture() {
    screenshot "$WORK/screen.png"
    convert "$WORK/screen.png" -crop 704x512+20+30 +repage -fill black \
        -draw "rectangle 300,300 420,420" -draw "rectangle 460,150 580,270" \
        -draw "rectangle 0,0 63,63" -draw "rectangle 448,448 511,511" "$1"
}
# expect_same_picture <a> <b> <what>: the same map, pixel for pixel.
expect_same_picture() {
    local n
    n=$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true)
    [ "${n%.*}" -eq 0 ] || fail "$3: $n pixels differ"
}
choose() {
    xdotool mousemove --window "$WINDOW" 400 300
    sleep 0.2
    click_at "$1" 10
    sleep 0.3
    click_at $(($1 + 25)) "$2"
    sleep 0.5
}
# map_cell <x> <y>: the screen point in the middle of a map cell at zoom 1, scrolled to 0.
map_x() { echo $((20 + 64 * $1 + 32)); }
map_y() { echo $((30 + 64 * $1 + 32)); }
palette_click() { click_at $((20 + 64 * $1 + 32)) $((580 + 64 * $2 + 32)); }
# drag_along_row <row> <first column> <last column>: one stroke with the left button held. The
# pauses let a slow program (a sanitizer build on a busy machine) see the press apart from the
# click before it and before the mouse leaves the first cell: a press it sees late starts the
# stroke where the mouse is by then.
drag_along_row() {
    xdotool mousemove --window "$WINDOW" "$(map_x $2)" "$(map_y $1)"
    sleep 0.4
    xdotool mousedown 1
    sleep 0.4
    for column in $(seq $(($2 + 1)) "$3"); do
        xdotool mousemove --window "$WINDOW" "$(map_x $column)" "$(map_y $1)"
        sleep 0.15
    done
    xdotool mouseup 1
    sleep 0.2
}
# replace_text <x> <y> <text>: clicks into a text field, empties it and types the text.
replace_text() {
    click_at "$1" "$2"
    press End
    for _ in $(seq 12); do xdotool key BackSpace; done
    type_text "$3"
}
new_level() {
    choose "$FILE_MENU_X" "$NEW_ROW_Y"
    replace_text "$NEW_WIDTH_X" "$NEW_WIDTH_Y" "$1"
    replace_text "$NEW_WIDTH_X" "$NEW_HEIGHT_Y" "$2"
    click_at "$NEW_OK_X" "$NEW_OK_Y"
    sleep 0.5
}
save_as() {
    choose "$FILE_MENU_X" "$SAVE_ROW_Y"
    click_at "$NAME_FIELD_X" "$NAME_FIELD_Y"
    type_text "$1"
    click_at "$SELECTOR_OK_X" "$SELECTOR_OK_Y"
    sleep 0.6
}
load_level() {
    choose "$FILE_MENU_X" "$LOAD_ROW_Y"
    click_at "$NAME_FIELD_X" "$NAME_FIELD_Y"
    type_text "$1"
    click_at "$SELECTOR_OK_X" "$SELECTOR_OK_Y"
    sleep 1
}
# cell <file> <x> <y> <height> <field 0..3>: a number of a version-2 level file's cell record.
cell() {
    python3 -c "import struct,sys; d=open(sys.argv[1],'rb').read(); x,y,h,f=map(int,sys.argv[2:]); print(struct.unpack_from('<i', d, 12 + 16 * (x * h + y) + 4 * f)[0])" "$@"
}
expect_cell() {
    local got
    got=$(cell "$1" "$2" "$3" "$4" "$5")
    [ "$got" = "$6" ] || fail "cell ($2, $3) field $5 of $(basename "$1") is $got, expected $6"
}

start_program "$TITLE" marl-level-editor

# New with width "5" and height "abc": 20 x 20. New 400 x 400 is refused with a message.
new_level 5 abc
new_level 400 400
screenshot "$WORK/refused.png"
expect_pixel "$WORK/refused.png" "$BOX_OK_X" 360 "#FFFFFF"
click_at "$BOX_OK_X" "$BOX_BUTTON_Y"

# Paint: tile 2 at (1, 1); a drag along row 3 from column 2 to 6; tile 3 on the front layer at
# (4, 5); Control + click marks (7, 7) solid; a right click clears (1, 1) again after tile 4 there.
palette_click 2 0
click_at "$(map_x 1)" "$(map_y 1)"
click_at "$(map_x 8)" "$(map_y 1)"
drag_along_row 3 2 6
palette_click 4 0
click_at "$(map_x 8)" "$(map_y 1)"
click_at "$(map_x 8)" "$(map_y 1)" 3
click_at 850 175   # Layer 2 (Front)
palette_click 3 0
click_at "$(map_x 4)" "$(map_y 5)"
click_at 850 160   # Layer 1 (Back)
xdotool mousemove --window "$WINDOW" "$(map_x 7)" "$(map_y 7)"
xdotool keydown Control_L
sleep 0.2
click_at "$(map_x 7)" "$(map_y 7)"
screenshot "$WORK/solid.png"
xdotool keyup Control_L
sleep 0.3
screenshot "$WORK/plain.png"
# The solid cell shows translucent cyan while Control is held, and only then.
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }
[ "$(pixel "$WORK/solid.png" "$(map_x 7)" "$(map_y 7)")" != "$(pixel "$WORK/plain.png" "$(map_x 7)" "$(map_y 7)")" ] ||
    fail "no overlay on the solid cell"
[ "$(pixel "$WORK/solid.png" "$(map_x 6)" "$(map_y 7)")" = "$(pixel "$WORK/plain.png" "$(map_x 6)" "$(map_y 7)")" ] ||
    fail "an overlay on a cell that is not solid"

# Entities: a player and a cupcake.
index_of() {
    local i=0
    for type in CUPCAKE "CACTUS MAN" BULLET CAMERA PLAYER "SMALL ROBOT" SOLDIER "SNOWMAN TANK" SNOWMAN; do
        if grep -q "Register(\"$type\"" "$MARL_SOURCE_DIR/entities/BuiltInEntities.cpp"; then
            [ "$type" = "$1" ] && { echo $i; return; }
            i=$((i + 1))
        fi
    done
    fail "no type $1"
}
entity_row() { echo $((300 + 7 + 15 * $(index_of "$1"))); }
click_at 850 190   # Entities
click_at 850 "$(entity_row PLAYER)"
click_at 340 350
click_at 850 "$(entity_row CUPCAKE)"
click_at 500 200
# A double click on the player names it; neither click places another entity.
double_click_at 370 380   # inside its box (10 to 53 pixels from where it was placed)
replace_text "$ENTITY_NAME_X" "$ENTITY_NAME_Y" E_Player
click_at "$ENTITY_OK_X" "$ENTITY_OK_Y"
click_at 850 160   # Layer 1 (Back)

save_as First.LEV
expect_title "MARL Level Editor - First.LEV"
LEV="$LEVELS/First.LEV"
[ -f "$LEV" ] || fail "no level file"
[ "$(stat -c %s "$LEV")" = $((12 + 16 * 400 + 512)) ] || fail "First.LEV is $(stat -c %s "$LEV") bytes"
[ "$(od -An -tx1 -N12 "$LEV" | tr -d ' \n')" = "020000001400000014000000" ] || fail "header $(od -An -tx1 -N12 "$LEV")"
expect_cell "$LEV" 1 1 20 0 2
for column in 2 3 4 5 6; do expect_cell "$LEV" "$column" 3 20 0 2; done
expect_cell "$LEV" 7 3 20 0 0
expect_cell "$LEV" 8 1 20 0 0
expect_cell "$LEV" 4 5 20 2 3
expect_cell "$LEV" 4 5 20 0 0
expect_cell "$LEV" 7 7 20 1 1
ENTS="$LEVELS/First.LEVENTS"
[ "$(sed -n 7p "$ENTS")" = "2" ] || fail "entity count: $(sed -n 7p "$ENTS")"
[ "$(sed -n 9,11p "$ENTS" | tr '\n' '|')" = "PLAYER|E_Player|320|" ] || fail "player record: $(sed -n 9,12p "$ENTS" | tr '\n' '|')"
[ "$(sed -n 14,15p "$ENTS" | tr '\n' '|')" = "CUPCAKE|CUPCAKE|" ] || fail "cupcake record: $(sed -n 14,15p "$ENTS" | tr '\n' '|')"

# Load it back over a new level: the same picture.
map_picture "$WORK/saved-map.png"
new_level 30 30
expect_title "$TITLE"
load_level First.LEV
expect_title "MARL Level Editor - First.LEV"
map_picture "$WORK/loaded-map.png"
expect_same_picture "$WORK/saved-map.png" "$WORK/loaded-map.png" "the loaded level"

# Without its entity file a level loads with no entities and says so.
rm "$ENTS"
load_level First.LEV
grep -q "No entity list file found so you get no entities! :P" "$WORK/stderr.txt" || fail "no message about the entity file"

# A drag painting five cells of row 6 is one step: Ctrl+Z takes all five back, Ctrl+Y paints them
# again; saving in between keeps the history.
save_as Base.LEV
palette_click 1 0
drag_along_row 6 1 5
save_as Painted.LEV
for column in 0 1 2 3 4 5 6; do
    expect_cell "$LEVELS/Painted.LEV" "$column" 6 20 0 $([ "$column" -ge 1 ] && [ "$column" -le 5 ] && echo 1 || echo 0)
done
xdotool key ctrl+z
sleep 0.3
save_as Undone.LEV
cmp -s "$LEVELS/Base.LEV" "$LEVELS/Undone.LEV" || fail "Ctrl+Z did not take the whole stroke back"
xdotool key ctrl+y
sleep 0.3
save_as Redone.LEV
cmp -s "$LEVELS/Painted.LEV" "$LEVELS/Redone.LEV" || fail "Ctrl+Y did not paint the stroke again"
[ "$(sed -n '6,$p' "$LEVELS/Base.LEVENTS")" = "$(sed -n '6,$p' "$LEVELS/Redone.LEVENTS")" ] || fail "the entity file changed"

# The palette of 25 tiles scrolled down a row: its third row shows tiles 22, 23 and 24, then empty
# cells (tile 0, as in the first cell of the first row).
palette_cell() { convert "$1" -crop "60x60+$((22 + 64 * $2))+$((582 + 64 * $3))" +repage "$4"; }
screenshot "$WORK/palette-top.png"
palette_cell "$WORK/palette-top.png" 0 0 "$WORK/tile0.png"
click_at 734 700
screenshot "$WORK/palette-end.png"
for column in 0 1 2 3 4 5 6 7 8 9 10; do
    palette_cell "$WORK/palette-end.png" "$column" 1 "$WORK/end-$column.png"
    n=$(compare -metric AE "$WORK/tile0.png" "$WORK/end-$column.png" null: 2>&1 | cut -d' ' -f1 || true)
    if [ "$column" -lt 3 ]; then
        [ "${n%.*}" -gt 0 ] || fail "palette cell $column of the third row shows no tile"
    else
        [ "${n%.*}" -eq 0 ] || fail "palette cell $column of the third row is not empty: $n pixels differ"
    fi
done
# Its third cell paints tile 24. At zoom 2 (the slider's end) with the map scrolled 3 columns, a
# click 130 pixels right of the view's left edge lands in column 4.
palette_click 2 1
click_at 908 699
click_at 302 552
click_at $((20 + 130)) 94
save_as Zoomed.LEV
for column in 3 4 5; do expect_cell "$LEVELS/Zoomed.LEV" "$column" 0 20 0 $([ "$column" = 4 ] && echo 24 || echo 0); done

choose "$FILE_MENU_X" 115
click_at "$BOX_YES_X" "$BOX_BUTTON_Y"
expect_exit 0
echo PASS
