#!/usr/bin/env bash
# At QT_SCALE_FACTOR=2 the entry window is twice as large in pixels, the canvas is enlarged
# without blurring, and the saved BMP is the same file as at scale 1.
source "$(dirname "$0")/lib.sh"

draw_and_save() {
    start_app
    eval "$(xdotool getwindowgeometry --shell "$MAIN")"
    [ "${WIDTH}x${HEIGHT}" = "$((714 * SCALE))x$((536 * SCALE))" ] ||
        fail "scale $SCALE: the entry window is ${WIDTH}x${HEIGHT}"
    echo "ok: scale $SCALE entry window ${WIDTH}x${HEIGHT}"
    type_into 152 33 30
    xdotool key Tab
    xdotool type 20
    xdotool key Tab
    xdotool type 50
    click "$MAIN" 176 440 # グラフを描く
    wait_window "$GRAPH_TITLE" "the graph window"
    GRAPH=$WINDOW
    expect_pixel "$GRAPH" $((153 * SCALE)) $((63 * SCALE)) ff0000 "scale $SCALE: segment 1 is red"
    click "$MAIN" 560 444 # グラフの保存
    answer_file_dialog "$WORK/scale$SCALE.bmp"
    settle
    [ -s "$WORK/scale$SCALE.bmp" ] || fail "scale $SCALE: no picture saved"
}

SCALE=1 draw_and_save
stop_app
SCALE=2 draw_and_save

# Across the edge between segments 1 and 2 (x = 3050 twips, 203 pixels at scale 1) the enlarged
# canvas shows only the two colours and the black outline, no blend of them.
import -window "$GRAPH" "$WORK/graph.png"
colours=$(convert "$WORK/graph.png" -crop 24x1+394+126 +repage -depth 8 txt:- |
    grep -o '#[0-9A-F]\{6\}' | sort -u | tr '\n' ' ')
for colour in $colours; do
    case $colour in '#FF0000' | '#FFFF00' | '#000000') ;; *) fail "blurred canvas: $colours" ;; esac
done
echo "ok: crisp canvas at scale 2 ($colours)"

cmp "$WORK/scale1.bmp" "$WORK/scale2.bmp" || fail "the BMP saved at scale 2 differs from scale 1"
echo "ok: same BMP at both scales"
stop_app
echo "high DPI end to end: passed"
