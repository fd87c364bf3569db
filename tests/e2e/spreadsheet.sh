#!/usr/bin/env bash
# Tables in from and out to other programs: a block that xclip puts on the clipboard pastes over
# the boxes, the table copied back is read by xclip as text and HTML, and a CSV saved by the
# program reads in Python's csv module.
source "$(dirname "$0")/lib.sh"
XCLIP_PID=
trap '[ -z "$XCLIP_PID" ] || kill "$XCLIP_PID" 2>/dev/null; cleanup' EXIT

start_app
# A table with its headers, as a spreadsheet copies it: it goes to the corner.
printf '\t食品\t"衣料\t雑貨"\r\n東京\t30\t20\r\n大阪\t10\t5\r\n' >"$WORK/block.txt"
xclip -selection clipboard -quiet -i "$WORK/block.txt" 2>/dev/null &
XCLIP_PID=$!
click "$MAIN" 440 177 # T7g: the caret far from the corner
wait_focus "$MAIN" "the entry window"
xdotool key ctrl+v
xdotool key ctrl+shift+c # the whole table back onto the clipboard
settle
DEADLINE=$((SECONDS + TIMEOUT)) # xclip ends once the program owns the clipboard
while kill -0 "$XCLIP_PID" 2>/dev/null; do tick "xclip to give the clipboard up"; done
XCLIP_PID=

timeout 10 xclip -selection clipboard -t UTF8_STRING -o >"$WORK/copied.txt"
expected=$(printf '\t食品\t"衣料\t雑貨"%s\n東京\t30\t20%s\n大阪\t10\t5%s' \
    "$(printf '\t%.0s' {1..10})" "$(printf '\t%.0s' {1..10})" "$(printf '\t%.0s' {1..10})")
[ "$(head -n 3 "$WORK/copied.txt")" = "$expected" ] ||
    fail "the copied table begins $(head -n 3 "$WORK/copied.txt" | cat -A | head -c 300)"
[ "$(wc -l <"$WORK/copied.txt")" -eq 11 ] || fail "the copied table has $(wc -l <"$WORK/copied.txt") lines"
timeout 10 xclip -selection clipboard -t text/html -o | grep -q '<td>大阪</td><td>10</td>' ||
    fail "no HTML table on the clipboard"
echo "ok: a block pasted from xclip comes back whole as text and HTML"

click "$MAIN" 464 444 # データの保存
answer_file_dialog "$WORK/table.csv"
settle
python3 - "$WORK/table.csv" <<'PY' || fail "the saved CSV does not read as expected"
import csv, sys
data = open(sys.argv[1], "rb").read()
assert data.startswith(b"\xef\xbb\xbf"), data[:8]
assert b"\r\n" in data and data.endswith(b"\r\n")
rows = list(csv.reader(data.decode("utf-8-sig").splitlines()))
assert len(rows) == 11 and all(len(r) == 13 for r in rows), rows
assert rows[0][:3] == ["", "食品", "衣料\t雑貨"], rows[0]
assert rows[2][:4] == ["大阪", "10", "5", ""], rows[2]
PY
echo "ok: Python reads the saved CSV"

stop_app
echo "spreadsheet end to end: passed"
