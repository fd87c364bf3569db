#!/usr/bin/env bash
# A table typed and then lost to kill -9 comes back at the next start, after the question; once
# the work is ended through the quit button, the next start asks nothing.
source "$(dirname "$0")/lib.sh"

STATE=$XDG_STATE_HOME/tallyfold
RESTORE_QUESTION='^入力の復元$'

# kept TEXT: waits until a recovery file holds TEXT.
kept() {
    DEADLINE=$((SECONDS + TIMEOUT))
    until grep -qsF -- "$1" "$STATE"/*.recovery; do
        tick "the recovery file to hold '$1'"
    done
}

start_app
type_into 152 33 555 # T1a
xdotool key Tab
xdotool type 666 # T1b
type_into 152 249 7.25 # T10a
type_into 292 337 "Kakei 2026" # the title
kept "Kakei 2026"
kill -9 "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
echo "ok: killed with the table kept"

start_app_titled "$RESTORE_QUESTION" "the question to restore"
question=$WINDOW
wait_focus "$question" "the question to restore"
xdotool key Return # 復元する
wait_gone "$question" "the question to restore"
wait_window "$MAIN_TITLE" "the entry window, without a file name in its caption"
MAIN=$WINDOW
echo "ok: restored"

click "$MAIN" 464 444 # データの保存
answer_file_dialog "$WORK/restored.txt"
settle
grep -q '^"",555,666,0,0,0,0,0,0,0,0,0,0' "$WORK/restored.txt" ||
    fail "row 1 not restored: $(sed -n 2p "$WORK/restored.txt")"
grep -q '^"",7.25,0,' "$WORK/restored.txt" ||
    fail "row 10 not restored: $(sed -n 11p "$WORK/restored.txt")"
grep -q '^,"Kakei 2026",' "$WORK/restored.txt" ||
    fail "the title not restored: $(sed -n 12p "$WORK/restored.txt")"
echo "ok: every value back"

ask_quit
wait_window "$QUIT_QUESTION" "the quit question"
wait_focus "$WINDOW" "the quit question"
xdotool key y # はい(&Y)
wait "$APP_PID" 2>/dev/null || true
APP_PID=
! ls "$STATE"/*.recovery 2>/dev/null || fail "a recovery file is left after the quit button"

start_app # any question fails here
settle
echo "ok: the next start asks nothing"
stop_app
echo "recovery end to end: passed"
