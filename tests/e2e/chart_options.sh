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
# The scale writes its percent sign apart from its numbers; a share is a number with its sign.
grep -qE '<text[^>]*>[0-9.,]+ ?%</text>' "$WORK/chart.svg" ||
    fail "the saved chart has no share in its segments"
echo "ok: the shares are in the saved chart"

stop_app
echo "chart options end to end: passed"
