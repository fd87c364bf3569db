# Helpers for the end-to-end tests: they drive the real program under Xvfb with xdotool, as a
# person would, and read the screen with ImageMagick.
set -euo pipefail

SCALE=${SCALE:-1} # QT_SCALE_FACTOR the program runs with; clicks are given unscaled
TALLYFOLD=$(realpath "${1:?usage: $0 path/to/tallyfold}")
WORK=$(mktemp -d)
APP_PID=

cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start_app() {
    QT_SCALE_FACTOR=$SCALE "$TALLYFOLD" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    MAIN=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tallyfold v22$' | head -n 1 || true)
    [ -n "$MAIN" ] || fail "the entry window did not appear"
}

# click WINDOW X Y: a left click at a point of the window's client area, in pixels at scale 1.
click() {
    xdotool mousemove --window "$1" $(($2 * SCALE)) $(($3 * SCALE)) click 1
    sleep 0.3
}

# type_into X Y TEXT: click into the box at (X, Y) of the entry window and type.
type_into() {
    click "$MAIN" "$1" "$2"
    xdotool key ctrl+a
    xdotool type --delay 20 -- "$3"
}

graph_window() {
    timeout 20 xdotool search --sync --onlyvisible --name '^量率グラフ$' | head -n 1
}

# pixel WINDOW X Y: the colour of a pixel of the window, as RRGGBB.
pixel() {
    import -window "$1" "$WORK/shot.png"
    convert "$WORK/shot.png" -format "%[hex:p{$2,$3}]" info: | cut -c1-6 | tr A-F a-f
}

expect_pixel() {
    local window=$1 x=$2 y=$3 expected=$4 what=$5 actual
    actual=$(pixel "$window" "$x" "$y")
    [ "$actual" = "$expected" ] || fail "$what: pixel ($x, $y) is $actual, expected $expected"
    echo "ok: $what"
}

# answer_file_dialog PATH: types a full path into the file dialog that has just opened, and
# accepts it.
answer_file_dialog() {
    sleep 1
    xdotool key ctrl+a
    xdotool type --delay 10 -- "$1"
    xdotool key Return
    sleep 0.7
}
