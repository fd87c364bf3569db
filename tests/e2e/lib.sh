# Helpers for the end-to-end tests: they drive the real program under Xvfb with xdotool, as a
# person would, and read the screen with ImageMagick. Each step waits for the window it expects
# and fails at once naming what showed instead; no result depends on a pause being long enough.
set -euo pipefail

SCALE=${SCALE:-1} # QT_SCALE_FACTOR the program runs with; clicks are given unscaled
TALLYFOLD=$(realpath "${1:?usage: $0 path/to/tallyfold}")
WORK=$(mktemp -d)
# Settings (Qt's file dialog keeps its own, behind a lock file) and runtime files stay in the
# test's folder: nothing carries over from earlier runs or is shared with programs running
# meanwhile, whose lock could keep a dialog from opening.
export HOME=$WORK XDG_CONFIG_HOME=$WORK/.config XDG_RUNTIME_DIR=$WORK XDG_STATE_HOME=$WORK/.state
SCREENSHOT=$PWD/e2e-$(basename "$0" .sh)-failure.png # the screen at a failure
TIMEOUT=20 # seconds to wait for a window
APP_PID=
MAIN=

# Window titles; Qt's file dialogs speak Japanese when its translation is installed.
MAIN_TITLE='^Tallyfold v22$'
GRAPH_TITLE='^量率グラフ$'
QUIT_QUESTION='^終了確認$'
FILE_DIALOG='^(名前を付けて保存|開く|Save As|Open)$'

# stop_app: ends the program without a word, and forgets what it kept for a restart, which
# would otherwise be offered back to the next start.
stop_app() {
    [ -n "$APP_PID" ] || return 0
    kill "$APP_PID" 2>/dev/null || true
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
    rm -rf "$XDG_STATE_HOME"
}

cleanup() {
    stop_app
    rm -rf "$WORK"
}
trap cleanup EXIT

# Fills WINDOWS, KINDS and TITLES with the program's windows on screen. KINDS is "dialog" for
# dialogs and message boxes, "window" for the others (also completion lists and tooltips).
declare -A KIND_OF=()
list_windows() {
    WINDOWS=() KINDS=() TITLES=()
    local window
    for window in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null || true); do
        if [ -z "${KIND_OF[$window]:-}" ]; then
            case $(xprop -id "$window" -notype _NET_WM_WINDOW_TYPE 2>/dev/null || true) in
            *_DIALOG*) KIND_OF[$window]=dialog ;;
            *) KIND_OF[$window]=window ;;
            esac
        fi
        WINDOWS+=("$window")
        KINDS+=("${KIND_OF[$window]}")
        TITLES+=("$(xdotool getwindowname "$window" 2>/dev/null || true)")
    done
}

describe_windows() {
    local i size text=
    list_windows
    for i in "${!WINDOWS[@]}"; do
        size=$(xdotool getwindowgeometry "${WINDOWS[i]}" 2>/dev/null | sed -n 's/.*Geometry: //p')
        text+="${text:+, }${KINDS[i]} '${TITLES[i]}' ${size:-}"
    done
    echo "${text:-nothing}"
}

# fail MESSAGE: names the program's windows on screen and keeps a screenshot, as a message box's
# text can be read only there.
fail() {
    echo "FAIL: $*" >&2
    if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
        echo "  on screen: $(describe_windows)" >&2
        import -window root "$SCREENSHOT" 2>/dev/null && echo "  screenshot: $SCREENSHOT" >&2
    fi
    if [ -s "$WORK/app.log" ]; then
        echo "  program output: $(tail -n 5 "$WORK/app.log")" >&2
    fi
    exit 1
}

# tick WHAT: one more round of waiting for WHAT, until DEADLINE.
DEADLINE=0
tick() {
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended while waiting for $1"
    [ $SECONDS -lt $DEADLINE ] || fail "waited $TIMEOUT s for $1"
    sleep 0.1
}

# wait_window TITLE_REGEX WHAT: waits until a window of the program with a matching title shows
# and sets WINDOW to it. Any other dialog or message box showing fails the test at once.
wait_window() {
    local pattern=$1 what=$2 i
    DEADLINE=$((SECONDS + TIMEOUT))
    while :; do
        list_windows
        for i in "${!WINDOWS[@]}"; do
            if [[ ${TITLES[i]} =~ $pattern ]]; then
                WINDOW=${WINDOWS[i]}
                return 0
            fi
        done
        for i in "${!WINDOWS[@]}"; do
            if [ "${KINDS[i]}" = dialog ]; then
                fail "expected $what, but the dialog '${TITLES[i]}' showed"
            fi
        done
        tick "$what"
    done
}

# wait_gone WINDOW WHAT: waits until the window has closed. A dialog showing instead (a message
# box it opened, say) fails the test at once.
wait_gone() {
    local window=$1 what=$2 i open
    DEADLINE=$((SECONDS + TIMEOUT))
    while :; do
        list_windows
        open=0
        for i in "${!WINDOWS[@]}"; do
            if [ "${WINDOWS[i]}" = "$window" ]; then
                open=1
            elif [ "${KINDS[i]}" = dialog ]; then
                fail "expected $what to close, but the dialog '${TITLES[i]}' showed"
            fi
        done
        [ $open = 1 ] || return 0
        tick "$what to close"
    done
}

# wait_focus WINDOW WHAT: waits until keys typed go to the window.
wait_focus() {
    DEADLINE=$((SECONDS + TIMEOUT))
    until [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$1" ]; do
        tick "keyboard focus on $2"
    done
}

# start_app_titled TITLE_REGEX [WHAT]: starts the program with the arguments in APP_ARGS and
# waits for its first window of that title, MAIN from then on.
APP_ARGS=()
start_app_titled() {
    QT_SCALE_FACTOR=$SCALE "$TALLYFOLD" "${APP_ARGS[@]}" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    wait_window "$1" "${2:-the entry window}"
    MAIN=$WINDOW
}

start_app() {
    start_app_titled "$MAIN_TITLE"
}

# click WINDOW X Y: a left click at a point of the window's client area, in pixels at scale 1.
click() {
    xdotool mousemove --window "$1" $(($2 * SCALE)) $(($3 * SCALE)) click 1
}

# type_into X Y TEXT: click into the box at (X, Y) of the entry window and type.
type_into() {
    click "$MAIN" "$1" "$2"
    wait_focus "$MAIN" "the entry window"
    xdotool key ctrl+a
    xdotool type --delay 20 -- "$3"
}

# Clicks the quit button with an event sent to the entry window itself, which reaches the button
# even where a dialog covers it, and is dropped while a dialog is open.
ask_quit() {
    xdotool mousemove --window "$MAIN" $((652 * SCALE)) $((476 * SCALE)) click --window "$MAIN" 1
}

# settle: makes sure the program has handled every click and key so far and left no dialog
# open. It handles them in order, and the quit question shows only when no other dialog is
# open, so once it shows, all is done; it is answered No.
settle() {
    ask_quit
    wait_window "$QUIT_QUESTION" "the quit question"
    local box=$WINDOW
    wait_focus "$box" "the quit question"
    xdotool key Escape
    wait_gone "$box" "the quit question"
}

# answer_file_dialog PATH: types a full path into the file dialog that opens, and accepts it.
answer_file_dialog() {
    wait_window "$FILE_DIALOG" "the file dialog"
    local dialog=$WINDOW
    wait_focus "$dialog" "the file dialog"
    xdotool key ctrl+a
    xdotool type --delay 10 -- "$1"
    xdotool key Return
    wait_gone "$dialog" "the file dialog"
}

# pixel WINDOW X Y: the colour of a pixel of the window, as RRGGBB.
pixel() {
    import -window "$1" "$WORK/shot.png"
    convert "$WORK/shot.png" -format "%[hex:p{$2,$3}]" info: | cut -c1-6 | tr A-F a-f
}

# expect_pixel WINDOW X Y RRGGBB WHAT: waits until the pixel has the colour, as the window
# repaints a moment after the program has drawn.
expect_pixel() {
    local window=$1 x=$2 y=$3 expected=$4 what=$5 actual=
    DEADLINE=$((SECONDS + TIMEOUT))
    until actual=$(pixel "$window" "$x" "$y") && [ "$actual" = "$expected" ]; do
        tick "$what (pixel ($x, $y) is ${actual:-unreadable}, expected $expected)"
    done
    echo "ok: $what"
}
