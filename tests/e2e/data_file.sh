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
settle # a click while the load still holds the dialog's place would be dropped
click "$MAIN" 464 444 # データの保存
answer_file_dialog "$WORK/b.txt"
settle
cmp "$WORK/a.txt" "$WORK/b.txt" || fail "the loaded table saved differently"
echo "ok: loaded and saved again"

# Enter on the name offered: the chart's save offers the table's name with the picture's
# extension, so the table stays; the table's save offers it back with the table's extension,
# and replacing the file takes a Yes.
click "$MAIN" 560 444 # グラフの保存
wait_window "$FILE_DIALOG" "the file dialog"
dialog=$WINDOW
wait_focus "$dialog" "the file dialog"
xdotool key Return
wait_gone "$dialog" "the file dialog"
settle
[ "$(head -c 2 "$WORK/b.bmp")" = BM ] || fail "Enter did not save the chart as b.bmp"
cmp "$WORK/a.txt" "$WORK/b.txt" || fail "the chart's save changed the table b.txt"
echo "ok: the chart saved beside the table"

type_into 152 33 99 # T1a
click "$MAIN" 464 444 # データの保存
wait_window "$FILE_DIALOG" "the file dialog"
dialog=$WINDOW
wait_focus "$dialog" "the file dialog"
xdotool key Return
DEADLINE=$((SECONDS + TIMEOUT))
question=
while [ -z "$question" ]; do
    list_windows
    for i in "${!WINDOWS[@]}"; do
        [ "${WINDOWS[i]}" = "$dialog" ] || [ "${KINDS[i]}" != dialog ] || question=${WINDOWS[i]}
    done
    [ -n "$question" ] || tick "the question before b.txt is replaced"
done
wait_focus "$question" "the question before b.txt is replaced"
xdotool key Escape # No: back to the dialog
DEADLINE=$((SECONDS + TIMEOUT))
while list_windows && [[ " ${WINDOWS[*]} " == *" $question "* ]]; do
    tick "the question before b.txt is replaced to close"
done
# The program leaves the focus to the window manager, which this X server has not: do its part.
xdotool windowfocus "$dialog"
wait_focus "$dialog" "the file dialog, again"
xdotool key Escape
wait_gone "$dialog" "the file dialog"
settle
cmp "$WORK/a.txt" "$WORK/b.txt" || fail "b.txt was replaced although the answer was No"
echo "ok: no replacing without a Yes"

stop_app
echo "data file end to end: passed"
