# Steps of the skeleton editor as a user takes them, for the editing tests: where the toolbar,
# the panels, the menus and the modal boxes are on the 800 x 600 editor, and how a file is saved.
# Sourced after tests/support/program.sh.

EDITOR_TITLE="MARL Skeleton Editor - untitled"
SHOTS=${MARL_SCREENSHOT_DIR:-$WORK}
SAVED="$WORK/Game Data/Skeletons"

# The view's origin at start: the Trunk starts at (300, 300) and ends at (320, 300).
ORIGIN_X=300
ORIGIN_Y=300

start_editor() {
    start_program "$EDITOR_TITLE"
    # The panel's colour shows once the editor draws.
    wait_for_pixel "$WORK/started.png" 700 400 "#CBC6AD"
}

# toolbar <button>: a click on toolbar button 0 .. 11.
toolbar() { click_at $((21 + 42 * $1)) 36; sleep 0.2; }

# frames_tab, bones_tab: the panel tabs.
frames_tab() { click_at 640 70; }
bones_tab() { click_at 700 70; }

# Rows of both panels' lists: row k is 15 pixels high, from y 91.
row_y() { echo $((98 + 15 * $1)); }
# row_click <row> [button]: a click on a list row of the panel shown.
row_click() { click_at 650 "$(row_y "$1")" "${2:-1}"; }

# frame_edit <button>: frame-edit button 0 .. 7 down the frames panel's right edge.
frame_edit() { click_at 784 $((97 + 32 * $1)); sleep 0.2; }
# transport <button>: transport button 0 .. 4 along the frames panel's bottom.
transport() { click_at $((629 + 38 * $1)) 581; }

# Message boxes (300 x 150 at 175, 225): with two buttons the first is at 220 .. 320, the second at
# 335 .. 435; a single button at 275 .. 375.
box_first() { sleep 0.3; click_at 270 347; sleep 0.2; }
box_second() { sleep 0.3; click_at 385 347; sleep 0.2; }
box_only() { sleep 0.3; click_at 325 347; sleep 0.2; }
# A message box is up: its red title bar.
expect_message_box() { sleep 0.4; screenshot "$1"; expect_pixel "$1" 400 237 "#B30E16"; }

# menu <menu x> <row>: opens a menu of the bar and chooses a row of its drop-down.
MENU_FILE=14; MENU_EDIT=55; MENU_FRAMES=105; MENU_BONES=160
menu() {
    xdotool mousemove --window "$WINDOW" "$1" 10
    sleep 0.3
    click_at "$1" 10
    sleep 0.2
    click_at $(($1 + 20)) $((35 + 20 * $2))
    sleep 0.3
}

# drag <x0> <y0> <x1> <y1> [button]: presses at the first point, moves in two steps to the second,
# lets go.
drag() {
    local button=${5:-1}
    xdotool mousemove --window "$WINDOW" "$1" "$2"
    sleep 0.15
    xdotool mousedown "$button"
    sleep 0.15
    xdotool mousemove --window "$WINDOW" $((($1 + $3) / 2)) $((($2 + $4) / 2))
    sleep 0.1
    xdotool mousemove --window "$WINDOW" "$3" "$4"
    sleep 0.2
    xdotool mouseup "$button"
    sleep 0.3
}

# clear_field <x> <y> <characters>: a click at the end of a text field, then Backspace.
clear_field() {
    click_at "$1" "$2"
    for _ in $(seq "$3"); do press BackSpace; done
}

# save_as <name>: File, Save, the name typed into the selector (which starts in
# "../Game Data/Skeletons/"), Ok. The saved file is "$SAVED/<name>.txt".
save_as() {
    menu $MENU_FILE 2
    sleep 0.4
    click_at 600 400
    type_text "$1"
    click_at 315 475
    sleep 0.5
    local tries=0
    until [ -f "$SAVED/$1.txt" ]; do
        tries=$((tries + 1))
        [ $tries -lt 50 ] || fail "no file $1.txt saved"
        sleep 0.1
    done
}

# ---- Reading a saved skeleton file (CR LF lines) -----------------------------------------------

# frame_entries <file> <set name> <frame> : "length angle" per bone of that frame (1-based),
# one line each, in draw order.
frame_entries() {
    tr -d '\r' <"$1" | awk -v set="$2" -v frame="$3" '
        /^## <Frames>/ { frames = 1; next }
        !frames { next }
        !inSet { if ($0 == set) inSet = 1; next }
        /^Frames: / { next }
        /^## Frame: / { current = substr($0, 11) + 0; n = 0; if (current > frame) exit; next }
        $0 == "" { next }
        /^-?[0-9.eE+-]+$/ { if (current == frame) { value[n++] = $0; if (n % 2 == 0) print value[n - 2], value[n - 1] } next }
        { exit }'
}

# near <got> <expected> <tolerance> [modulo]: whether two numbers are that close (angles modulo 360).
near() {
    awk -v a="$1" -v b="$2" -v t="$3" -v m="${4:-0}" 'BEGIN {
        d = a - b
        if (m > 0) { d = d % m; if (d < 0) d += m; if (d > m / 2) d -= m }
        if (d < 0) d = -d
        exit !(d <= t) }'
}

# expect_entry <file> <set> <frame> <bone index> <length> <angle>: within a pixel and a degree.
expect_entry() {
    local entry length angle
    entry=$(frame_entries "$1" "$2" "$3" | sed -n "$(($4 + 1))p")
    [ -n "$entry" ] || fail "$(basename "$1"): set '$2' frame $3 has no entry $4"
    length=${entry% *}
    angle=${entry#* }
    near "$length" "$5" 1 || fail "$(basename "$1"): set '$2' frame $3 bone $4 length $length, expected $5"
    near "$angle" "$6" 1 360 || fail "$(basename "$1"): set '$2' frame $3 bone $4 angle $angle, expected $6"
}

# geometry <x0> <y0> <x1> <y1>: "length angle" of the screen vector, angles as the editor counts
# them (0 right, 90 down).
geometry() {
    awk -v x0="$1" -v y0="$2" -v x1="$3" -v y1="$4" 'BEGIN {
        dx = x1 - x0; dy = y1 - y0
        a = atan2(dy, dx) * 180 / 3.14159265358979; if (a < 0) a += 360
        printf "%.3f %.3f\n", sqrt(dx * dx + dy * dy), a }'
}

# frame_count <file> <set>: the "Frames:" count of the set.
frame_count() { tr -d '\r' <"$1" | awk -v set="$2" '$0 == set { found = 1; next } found && /^Frames: / { print substr($0, 9); exit }'; }

# popup_item <x> <y> <item>: with a context menu just opened at (x, y) by a right click there, a
# click on its item (rows 15 pixels high, the first 25 below the menu's top).
popup_item() {
    sleep 0.4
    click_at $(($1 + 40)) $(($2 + 25 + 15 * $3))
    sleep 0.3
}

# context_menu <x> <y> <item>: a right click there, then the menu's item.
context_menu() {
    click_at "$1" "$2" 3
    popup_item "$1" "$2" "$3"
}

# new_frame: frame-edit button 0 and its "New FRAME created".
new_frame() {
    frame_edit 0
    expect_message_box "$WORK/box.png"
    box_only
    sleep 0.2
}

# store_pose: frame-edit button 7, "Copy Skeleton into selected frame?", Ok.
store_pose() {
    frame_edit 7
    expect_message_box "$WORK/box.png"
    box_first
}

# choose_file <name>: types the name into an open file selector and confirms it.
choose_file() {
    sleep 0.5
    click_at 600 400
    type_text "$1"
    click_at 315 475
    sleep 0.5
}

# bone_block <file> <bone name>: the skin path and the two offsets of the bone's draw-order block.
bone_block() { tr -d '\r' <"$1" | awk -v b="** $2" '$0 == b { n = 3; next } n > 0 { print; n-- }'; }

# same_pixels <a.png> <b.png>: whether the skeleton view (left of the panel, below the toolbar)
# looks the same in both.
same_pixels() {
    local a b
    a=$(convert "$1" -crop 560x500+50+60 +repage rgb:- | md5sum)
    b=$(convert "$2" -crop 560x500+50+60 +repage rgb:- | md5sum)
    [ "$a" = "$b" ]
}

# view_moves_from <screenshot>: whether the view comes to differ from the screenshot within about
# two seconds, looked at every 300 ms (a busy machine may hold a frame back for a moment).
view_moves_from() {
    for _ in 1 2 3 4 5 6 7; do
        sleep 0.3
        screenshot "$WORK/moving.png"
        same_pixels "$1" "$WORK/moving.png" || return 0
    done
    return 1
}

# view_settles: whether two screenshots 300 ms apart come to show the same view within about three
# seconds (an animation that was stopped finishes the blend it is on first).
view_settles() {
    screenshot "$WORK/settling.png"
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        sleep 0.3
        screenshot "$WORK/settled.png"
        same_pixels "$WORK/settling.png" "$WORK/settled.png" && return 0
        mv "$WORK/settled.png" "$WORK/settling.png"
    done
    return 1
}

# expect_lines <file> <line>...: whole lines of the file (CR LF ends dropped) in that order.
expect_lines() {
    local file=$1 last=0 n
    shift
    for text in "$@"; do
        n=$(tr -d '\r' <"$file" | awk -v t="$text" -v after="$last" 'NR > after && $0 == t { print NR; exit }')
        [ -n "$n" ] || fail "$(basename "$file") lacks the line '$text' after line $last"
        last=$n
    done
}
