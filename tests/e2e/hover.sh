#!/usr/bin/env bash
# Hovers the drawn chart: over a segment a tooltip shows, over the margin none.
source "$(dirname "$0")/lib.sh"

# tooltip: the program's tooltip window on screen, or nothing.
tooltip() {
    local window
    for window in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null || true); do
        case $(xprop -id "$window" -notype _NET_WM_WINDOW_TYPE 2>/dev/null || true) in
        *_TOOLTIP*) echo "$window" && return 0 ;;
        esac
    done
}

start_app
type_into 152 33 30
xdotool key Tab
xdotool type 70
click "$MAIN" 176 440 # グラフを描く
wait_window "$GRAPH_TITLE" "the graph window"
GRAPH=$WINDOW
expect_pixel "$GRAPH" 153 63 ff0000 "segment 1 is drawn"

xdotool mousemove --window "$GRAPH" 150 60
DEADLINE=$((SECONDS + TIMEOUT))
until [ -n "$(tooltip)" ]; do tick "a tooltip over segment 1"; done
echo "ok: a tooltip over a segment"

# Over the margin the tooltip goes, and none comes back in several times the tooltip delay.
xdotool mousemove --window "$GRAPH" 10 300
DEADLINE=$((SECONDS + TIMEOUT))
while [ -n "$(tooltip)" ]; do tick "the tooltip to go over the margin"; done
sleep 2
[ -z "$(tooltip)" ] || fail "a tooltip showed over the margin"
echo "ok: no tooltip over the margin"
settle

stop_app
echo "hover end to end: passed"
