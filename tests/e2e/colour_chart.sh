#!/usr/bin/env bash
# Types a table into the entry window, draws the colour chart at the standard and the tall size
# and checks what the graph window shows.
source "$(dirname "$0")/lib.sh"

start_app
# Row 1: 30, 20, 50 in T1a..T1c (Tab runs along the row); row 2: 900 in T2a.
type_into 152 33 30
xdotool key Tab
xdotool type 20
xdotool key Tab
xdotool type 50
type_into 152 57 900
click "$MAIN" 176 440 # グラフを描く
wait_window "$GRAPH_TITLE" "the graph window"
GRAPH=$WINDOW

# Standard size: bar 1 spans y 700..1200 twips, its segments end at 3050, 4050 and 6550.
expect_pixel "$GRAPH" 153 63 ff0000 "segment 1 is red"
expect_pixel "$GRAPH" 237 63 ffff00 "segment 2 is yellow"
expect_pixel "$GRAPH" 353 63 00ff00 "segment 3 is green"
expect_pixel "$GRAPH" 153 230 ff0000 "bar 2 is red"
expect_pixel "$GRAPH" 113 400 000000 "scale line at y 6000"

# Tall size: the plot is 8000 twips high, so bar 1 spans 700..1500 and the scale is at 9000.
# Each of these pixels has another colour in the standard chart.
click "$MAIN" 35 460 # 縦長
click "$MAIN" 176 440
expect_pixel "$GRAPH" 153 90 ff0000 "tall: segment 1 reaches below the standard bar"
expect_pixel "$GRAPH" 113 600 000000 "tall: scale line at y 9000"
expect_pixel "$GRAPH" 153 400 ff0000 "tall: bar 2 at the old scale position"
settle

stop_app
echo "colour chart end to end: passed"
