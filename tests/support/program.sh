# Shell helpers for tests that drive the real program under Xvfb with xdotool.
# Each test gets a private X server (so no other test's window can take its keys or pointer) and a
# private copy of the program beside a private copy of "Game Data", so files the program writes
# never touch the repository's data.

WORK=$(mktemp -d /tmp/marl-e2e-XXXXXX)
XVFB_PID=""
# Xvfb writes its display number into fd 5; only Xvfb gets that pipe, so nothing left running can
# hold the test runner's output open through it.
exec 5> >(cat > "$WORK/xvfb-display" 2>/dev/null)
Xvfb -displayfd 5 -screen 0 1024x768x24 -r -noreset -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
exec 5>&-
for _ in $(seq 100); do [ -s "$WORK/xvfb-display" ] && break; sleep 0.05; done
[ -s "$WORK/xvfb-display" ] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -1 "$WORK/xvfb-display")"
PROGRAM_DIR="$WORK/bin"
mkdir -p "$PROGRAM_DIR"
cp "$MARL_BUILD_DIR/bin/marl" "$PROGRAM_DIR/marl"
cp -r "$MARL_BUILD_DIR/Game Data/" "$WORK/Game Data" 2>/dev/null || mkdir -p "$WORK/Game Data"
PROGRAM_PID=""
WINDOW=""
trap 'cleanup_program' EXIT

# Ends a process: asked first, forced when it has not gone within 3 s.
stop_process() {
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 30); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    kill -9 "$1" 2>/dev/null || true
}

cleanup_program() {
    [ -n "$PROGRAM_PID" ] && stop_process "$PROGRAM_PID"
    [ -n "$XVFB_PID" ] && stop_process "$XVFB_PID"
    if [ -n "${KEEP_WORK:-}" ]; then echo "work folder kept: $WORK"; else rm -rf "$WORK"; fi
}

fail() {
    echo "FAIL: $*" >&2
    if [ -f "$PROGRAM_DIR/logfile.txt" ]; then echo "--- logfile.txt" >&2; tail -20 "$PROGRAM_DIR/logfile.txt" >&2; fi
    exit 1
}

# start_program <window title> [program]: starts the program (marl, or another program of the
# build's bin/ folder, copied beside marl) and waits until its window shows.
start_program() {
    local program=${2:-marl}
    [ -x "$PROGRAM_DIR/$program" ] || cp "$MARL_BUILD_DIR/bin/$program" "$PROGRAM_DIR/$program" ||
        fail "no program $program"
    (cd "$PROGRAM_DIR" && MARL_ALERTS=${MARL_ALERTS:-record} exec "./$program" >"$WORK/stdout.txt" 2>"$WORK/stderr.txt") &
    PROGRAM_PID=$!
    WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -1) || true
    [ -n "$WINDOW" ] || fail "no window titled '$1'"
    # Allegro takes pointer motion as relative for a while after the mouse starts.
    sleep 0.6
    xdotool mousemove --window "$WINDOW" 400 300
    sleep 0.3
}

screenshot() { import -window root "$1"; }

press() {
    xdotool keydown "$1"
    sleep 0.1
    xdotool keyup "$1"
}

click_at() {
    xdotool mousemove --window "$WINDOW" "$1" "$2"
    sleep 0.1
    xdotool mousedown "${3:-1}"
    sleep 0.05
    xdotool mouseup "${3:-1}"
    sleep 0.2
}

# double_click_at <x> <y>: two left clicks in quick succession, each held long enough to be seen.
double_click_at() {
    xdotool mousemove --window "$WINDOW" "$1" "$2"
    sleep 0.1
    xdotool mousedown 1 sleep 0.04 mouseup 1 sleep 0.06 mousedown 1 sleep 0.04 mouseup 1
    sleep 0.3
}

# type_text <text>: types the text into the window under the pointer.
type_text() {
    xdotool type --delay 60 "$1"
    sleep 0.2
}

# wheel <up|down> [steps]: turns the mouse wheel over the window.
wheel() {
    local button=4
    [ "$1" = "down" ] && button=5
    for _ in $(seq "${2:-1}"); do xdotool click "$button"; sleep 0.05; done
    sleep 0.2
}

# wait_for_output <text>: waits (at most 10 s) until the program's standard output has the text.
wait_for_output() {
    local tries=0
    until grep -Fq -- "$1" "$WORK/stdout.txt" 2>/dev/null; do
        tries=$((tries + 1))
        [ $tries -lt 100 ] || fail "the program did not print '$1'"
        sleep 0.1
    done
}

close_window() { "$MARL_BUILD_DIR/tests/tools/xclose" "$WINDOW"; }

# expect_exit <status>: waits (at most 20 s) for the program to end with that status.
expect_exit() {
    local waited=0
    while kill -0 "$PROGRAM_PID" 2>/dev/null; do
        sleep 0.1
        waited=$((waited + 1))
        [ $waited -lt 200 ] || fail "program still running"
    done
    local status=0
    wait "$PROGRAM_PID" || status=$?
    PROGRAM_PID=""
    [ "$status" = "$1" ] || fail "exit status $status, expected $1"
}

# expect_pixel <png> <x> <y> <#RRGGBB>: the screenshot's pixel has that colour.
expect_pixel() {
    local got
    got=$(convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6)
    [ "#$got" = "$4" ] || fail "pixel ($2, $3) of $1 is #$got, expected $4"
}

# wait_for_pixel <png> <x> <y> <#RRGGBB>: takes screenshots into <png> until the pixel has that
# colour (at most 15 s; a sanitizer build draws its first frames slowly).
wait_for_pixel() {
    local tries=0
    while :; do
        screenshot "$1"
        local got
        got=$(convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6)
        [ "#$got" = "$4" ] && return 0
        tries=$((tries + 1))
        [ $tries -lt 60 ] || fail "pixel ($2, $3) of $1 is #$got, expected $4"
        sleep 0.25
    done
}

# expect_line <file> <n> <regex>: line n (1-based; -1 the last) matches.
expect_line() {
    local line
    if [ "$2" = "-1" ]; then line=$(tail -n 1 "$1" | tr -d '\r'); else line=$(sed -n "${2}p" "$1" | tr -d '\r'); fi
    echo "$line" | grep -Eq -- "$3" || fail "line $2 of $(basename "$1") is '$line', expected /$3/"
}

expect_contains() { grep -Fq -- "$2" "$1" || fail "$(basename "$1") lacks '$2'"; }
expect_absent() { ! grep -Fq -- "$2" "$1" || fail "$(basename "$1") still has '$2'"; }

# expect_in_order <file> <text>...: the texts appear on lines in that order.
expect_in_order() {
    local file=$1 last=0 n
    shift
    for text in "$@"; do
        n=$(grep -Fn -- "$text" "$file" | head -1 | cut -d: -f1)
        [ -n "$n" ] || fail "$(basename "$file") lacks '$text'"
        [ "$n" -gt "$last" ] || fail "'$text' comes before an earlier line in $(basename "$file")"
        last=$n
    done
}
