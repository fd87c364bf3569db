#!/usr/bin/env bash
# `tallyfold FILE` starts with the data file loaded, as the load button would: the boxes filled
# and the path in the caption; a file that cannot be loaded is named in a message box.
source "$(dirname "$0")/lib.sh"

printf ',食品\r\n東京,42\r\n' >"$WORK/table.csv"
APP_ARGS=("$WORK/table.csv")
start_app_titled "^$WORK/table.csv\$"
echo "ok: the caption shows the file"
click "$MAIN" 176 440 # グラフを描く: the loaded 42 is the only value, a full red bar
wait_window "$GRAPH_TITLE" "the graph window"
expect_pixel "$WINDOW" 400 300 ff0000 "the loaded table is drawn"
settle
stop_app

APP_ARGS=("$WORK/missing.txt")
start_app_titled "^Tallyfold$" "the message that the file cannot be loaded"
echo "ok: a missing file is reported"
echo "open a file at start end to end: passed"
