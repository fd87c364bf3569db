#!/usr/bin/env bash
# Hammers the real program for MONKEY_SECONDS with random clicks on every button and option,
# random typing (digits, exponents such as 1e400, Japanese and long texts) and random answers to
# its dialogs. It must never die or hang, and a save at the end must write a file that loads.
source "$(dirname "$0")/lib.sh"
CHECK=$(realpath "${2:?usage: $0 tallyfold check-data-file}")
SECONDS_LEFT=${MONKEY_SECONDS:-60}
SEED=${MONKEY_SEED:-$$}
RANDOM=$SEED
echo "monkey seed $SEED (MONKEY_SEED=$SEED repeats this run)"
export HOME=$WORK # the print dialog's PDF lands here
cd "$WORK"

# Centres of the buttons and options in the entry window, in pixels.
declare -A BUTTONS=(
    [Command1]="176 440" [Command11]="176 480" [Command2]="268 460" [Command5]="368 444"
    [Command8]="368 476" [Command9]="464 444" [Command10]="464 476" [Command6]="560 444"
    [Command7]="560 476" [Command3]="652 444" [Command4]="652 476"
    [Option1]="35 438" [Option2]="35 461" [Option3]="35 484"
)
NAMES=("${!BUTTONS[@]}")
TEXTS=("12" "3.5" "-7" "1e400" "-3.5e38" "3e38" "0" "&H1F" "12kg" "東京" "売上①～" " 1 2 "
       "$(printf 'x%.0s' {1..600})")

history=""
alive() {
    kill -0 "$APP_PID" 2>/dev/null ||
        fail "the program died after $history (log: $(tail -5 "$WORK/app.log"))"
}

random_box() {
    case $((RANDOM % 3)) in
    0) echo "$((152 + 48 * (RANDOM % 12))) $((24 * (1 + RANDOM % 10) + 9))" ;; # a value box
    1) echo "56 $((24 * (1 + RANDOM % 10) + 9))" ;;                           # a row label
    *) echo "292 337" ;;                                                        # the title
    esac
}

# Closes whatever dialog or message box is open, nested ones included. Without a window manager
# the keyboard follows the pointer, so each one gets the focus before its Escape.
dismiss_dialogs() {
    local keep=("$MAIN") window
    keep+=($(xdotool search --onlyvisible --name '^量率グラフ$' 2>/dev/null || true))
    for _ in 1 2 3 4; do
        window=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null |
            grep -v -x -F "$(printf '%s\n' "${keep[@]}")" | tail -n 1 || true)
        [ -n "$window" ] || return 0
        xdotool windowfocus "$window" 2>/dev/null || true
        xdotool key Escape
        sleep 0.2
    done
}

answer_dialog() {
    case $((RANDOM % 4)) in
    0) xdotool key Escape ;;
    1) xdotool key Return ;;
    *) answer_file_dialog "$WORK/m$((RANDOM % 5)).$([ $((RANDOM % 2)) = 0 ] && echo txt || echo bmp)" ;;
    esac
}

start_app
end=$((SECONDS + SECONDS_LEFT))
steps=0
while [ $SECONDS -lt $end ]; do
    if [ $((RANDOM % 3)) = 0 ]; then
        # shellcheck disable=SC2046
        click "$MAIN" $(random_box)
        xdotool key ctrl+a
        xdotool type --delay 1 -- "${TEXTS[RANDOM % ${#TEXTS[@]}]}"
    else
        name=${NAMES[RANDOM % ${#NAMES[@]}]}
        # shellcheck disable=SC2086
        click "$MAIN" ${BUTTONS[$name]}
        if [ "$name" = Command4 ]; then
            # The quit box: Escape or Enter, both No. (Typed text could hold its Y.)
            xdotool key "$([ $((RANDOM % 2)) = 0 ] && echo Escape || echo Return)"
        else
            answer_dialog
        fi
    fi
    # whatever message box or dialog is still open goes away; the quit box answers No
    dismiss_dialogs
    alive
    steps=$((steps + 1))
    history+="$steps:${name:-typing} "
    name=
done
echo "ok: $steps random steps"

# Still answering: a save through the dialog writes a file that the reader loads.
sleep 0.5
dismiss_dialogs
click "$MAIN" 464 444
answer_file_dialog "$WORK/final.txt"
for _ in $(seq 20); do [ -s "$WORK/final.txt" ] && break; sleep 0.5; done
[ -s "$WORK/final.txt" ] || fail "the program did not save at the end (hung?) after $history"
"$CHECK" "$WORK/final.txt" || fail "the saved file does not load"
alive
kill "$APP_PID"
echo "monkey end to end: passed"
