#!/usr/bin/env bash
# Draws a chart, copies it with the copy button, and lets another program (xclip) read the
# picture from the clipboard.
source "$(dirname "$0")/lib.sh"

start_app
type_into 152 33 30 # T1a
xdotool key Tab
xdotool type 70
click "$MAIN" 176 440 # グラフを描く
wait_window "$GRAPH_TITLE" "the graph window"
click "$MAIN" 268 460 # グラフをコピー
settle # the program holds the clipboard now

targets=$(timeout 10 xclip -selection clipboard -t TARGETS -o)
echo "$targets" | grep -q '^image/png$' || fail "no image/png on the clipboard: $targets"
echo "$targets" | grep -q '^image/bmp$' || fail "no image/bmp on the clipboard: $targets"
timeout 10 xclip -selection clipboard -t image/png -o >"$WORK/pasted.png"
size=$(identify -format '%wx%h' "$WORK/pasted.png")
[ "$size" = 457x505 ] || fail "pasted picture is $size, expected the canvas, 457x505"
colour=$(convert "$WORK/pasted.png" -format '%[hex:p{153,200}]' info: | cut -c1-6 | tr A-F a-f)
[ "$colour" = ff0000 ] || fail "segment 1 of the pasted chart is $colour"
echo "ok: another program pasted the chart"

stop_app
echo "clipboard end to end: passed"
