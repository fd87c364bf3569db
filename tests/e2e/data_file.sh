#!/usr/bin/env bash
# Saves a table through the real file dialog, clears everything, loads the file back and saves
# it again: both files must be the same, byte for byte.
source "$(dirname "$0")/lib.sh"

start_app
type_into 152 33 30 # T1a
xdotool key Tab
xdotool type 0.5
type_into 56 33 "Tokyo, 1" # row label 1

click "$MAIN" 464 444 # データの保存
answer_file_dialog "$WORK/a.txt"
settle
[ -f "$WORK/a.txt" ] || fail "no file was saved"
[ "$(xdotool getwindowname "$MAIN")" = "$WORK/a.txt" ] || fail "the caption is not the file's path"
grep -q '^"Tokyo, 1",30,.5,0,0,0,0,0,0,0,0,0,0' "$WORK/a.txt" || fail "row 1 not as typed: $(sed -n 2p "$WORK/a.txt")"
echo "ok: saved"

click "$MAIN" 368 476 # 全てを消す
click "$MAIN" 464 476 # データの読込
answer_file_dialog "$WORK/a.txt"
click "$MAIN" 464 444 # データの保存
answer_file_dialog "$WORK/b.txt"
settle
cmp "$WORK/a.txt" "$WORK/b.txt" || fail "the loaded table saved differently"
echo "ok: loaded and saved again"

stop_app
echo "data file end to end: passed"
