#!/usr/bin/env bash
# A block as a spreadsheet copies it, with grouping commas, a ▲ for a negative and a title in the
# corner, pastes as the numbers it shows: its chart is the one of the same table typed plainly.
source "$(dirname "$0")/lib.sh"
XCLIP_PID=
trap '[ -z "$XCLIP_PID" ] || kill "$XCLIP_PID" 2>/dev/null; cleanup' EXIT

# paste_and_save BLOCK PICTURE: another program owns the clipboard with BLOCK; the block is pasted
# far from the corner, the chart drawn and saved as PICTURE.
paste_and_save() {
    printf "$1" >"$WORK/block.txt"
    xclip -selection clipboard -quiet -i "$WORK/block.txt" 2>/dev/null &
    XCLIP_PID=$!
    click "$MAIN" 368 476 # 全てを消す
    click "$MAIN" 440 177 # T7g
    wait_focus "$MAIN" "the entry window"
    xdotool key ctrl+v
    click "$MAIN" 176 440 # グラフを描く
    wait_window "$GRAPH_TITLE" "the graph window"
    click "$MAIN" 560 444 # グラフの保存
    answer_file_dialog "$2"
    settle
    kill "$XCLIP_PID" 2>/dev/null || true
    wait "$XCLIP_PID" 2>/dev/null || true
    XCLIP_PID=
    [ -s "$2" ] || fail "no chart saved as $2"
}

start_app
paste_and_save '地域\t食品\t衣料\r\n東京\t1,234\t"2,000"\r\n大阪\t500\t▲100\r\n' "$WORK/shown.bmp"
paste_and_save '\t食品\t衣料\r\n東京\t1234\t2000\r\n大阪\t500\t-100\r\n' "$WORK/plain.bmp"
cmp "$WORK/shown.bmp" "$WORK/plain.bmp" || fail "the pasted display forms drew another chart"
echo "ok: display forms chart as their numbers"
stop_app
echo "display forms end to end: passed"
