#!/usr/bin/env bash
# Draws the colour chart of a data file, turns on the shares from the chart's context menu and
# saves the chart as SVG: its segments carry their shares as texts.
source "$(dirname "$0")/lib.sh"

# popup_menu: the program's popup menu on screen, or nothing. Qt gives a menu no window type of
# its own here, only the override-redirect that keeps window managers off it; a tooltip has its
# own type.
popup_menu() {
    local window
    for window in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null || true); do
        case $(xprop -id "$window" -notype _NET_WM_WINDOW_TYPE 2>/dev/null || true) in
        *_TOOLTIP*) continue ;;
        esac
        if xwininfo -id "$window" 2>/dev/null | grep -q 'Override Redirect State: yes'; then
            echo "$window" && return 0
        fi
    done
}

printf ',食品,衣料\r\n東京,30,70\r\n大阪,60,40\r\n' >"$WORK/table.csv"
APP_ARGS=("$WORK/table.csv")
start_app_titled "^$WORK/table.csv\$"
click "$MAIN" 176 440 # グラフを描く
wait_window "$GRAPH_TITLE" "the graph window"
GRAPH=$WINDOW
expect_pixel "$GRAPH" 153 63 ff0000 "the chart is drawn"

xdotool mousemove --window "$GRAPH" 150 60 click 3
DEADLINE=$((SECONDS + TIMEOUT))
until MENU=$(popup_menu) && [ -n "$MENU" ]; do tick "the chart's context menu"; done
echo "ok: the context menu opens"
xdotool key p # 割合を表示(&P)
wait_gone "$MENU" "the chart's context menu"
grep -qx 'percent=true' "$XDG_CONFIG_HOME/tallyfold/tallyfold.conf" 2>/dev/null ||
    fail "割合を表示 was not turned on"
echo "ok: 割合を表示 is on"

click "$MAIN" 560 444 # グラフの保存
answer_file_dialog "$WORK/chart.svg"
settle
[ -s "$WORK/chart.svg" ] || fail "no chart saved as chart.svg"
echo "ok: the chart saved as SVG"
# Each share lies inside its segment: the bars of 東京 (30, 70) and 大阪 (60, 40) split the plot
# area (x 1550 to 6550, y 700 to 5700 twips) at half its height.
in_segment() { # share left right top bottom
    local at
    at=$(grep -oE "<text x=\"[0-9.]+\" y=\"[0-9.]+\"[^>]*>$1</text>" "$WORK/chart.svg" |
        sed -E 's/<text x="([0-9.]+)" y="([0-9.]+)".*/\1 \2/')
    [ -n "$at" ] || fail "the saved chart has no share $1"
    awk -v at="$at" -v l="$2" -v r="$3" -v t="$4" -v b="$5" \
        'BEGIN { split(at, p, " "); exit !(p[1] > l && p[1] < r && p[2] > t && p[2] < b) }' ||
        fail "the share $1 lies at $at, outside its segment ($2..$3, $4..$5)"
}
in_segment 30% 1550 3050 700 3200
in_segment 70% 3050 6550 700 3200
in_segment 60% 1550 4550 3200 5700
in_segment 40% 4550 6550 3200 5700
echo "ok: the shares are in their segments in the saved chart"

stop_app
echo "chart options end to end: passed"
