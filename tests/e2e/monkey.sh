#!/usr/bin/env bash
# Hammers the real program for MONKEY_STEPS steps with random clicks on every button and option,
# random typing (digits, exponents such as 1e400, Japanese and long texts) and random answers to
# its dialogs. It must never die or hang, and a save at the end must write a file that loads.
# MONKEY_SEED repeats a run step by step; the steps and answers printed can be compared.
source "$(dirname "$0")/lib.sh"
CHECK=$(realpath "${2:?usage: $0 tallyfold check-data-file}")
STEPS=${MONKEY_STEPS:-60}
SEED=${MONKEY_SEED:-$$}
RANDOM=$SEED
echo "monkey: seed $SEED, $STEPS steps (MONKEY_SEED=$SEED MONKEY_STEPS=$STEPS repeats this run)"
cd "$WORK" # whatever the program writes stays in the test's folder

# The buttons and options of the entry window, with their centres in pixels.
BUTTONS=(
    "Command1 176 440" "Command11 176 480" "Command2 268 460" "Command5 368 444"
    "Command8 368 476" "Command9 464 444" "Command10 464 476" "Command6 560 444"
    "Command7 560 476" "Command3 652 444" "Command4 652 476"
    "Option1 35 438" "Option2 35 461" "Option3 35 484"
)
TEXTS=("12" "3.5" "-7" "1e400" "-3.5e38" "3e38" "0" "&H1F" "12kg" "東京" "売上①～" " 1 2 "
       "$(printf 'x%.0s' {1..600})")
ANSWERS=(Escape Return file file)
EXTENSIONS=(txt bmp)

# draw N: sets DRAWN to a random number below N. Always in this shell: a subshell, such as
# $(...), reseeds RANDOM, and the run would no longer follow the seed.
draw() {
    DRAWN=$((RANDOM % $1))
}

# Waits until one of the program's dialogs has the keyboard focus (the innermost one, where
# they are nested) and sets WINDOW and WINDOW_TITLE to it.
focused_dialog() {
    local focus i dialogs
    DEADLINE=$((SECONDS + TIMEOUT))
    while :; do
        list_windows
        focus=$(xdotool getwindowfocus 2>/dev/null || true)
        dialogs=()
        for i in "${!WINDOWS[@]}"; do
            [ "${KINDS[i]}" = dialog ] || continue
            dialogs+=("${WINDOWS[i]}")
            if [ "${WINDOWS[i]}" = "$focus" ]; then
                WINDOW=$focus WINDOW_TITLE=${TITLES[i]}
                return 0
            fi
        done
        # When a dialog opened over another one closes, the program leaves the focus to the
        # window manager, which this X server has not: do its part.
        if [ ${#dialogs[@]} = 1 ]; then
            xdotool windowfocus "${dialogs[0]}" 2>/dev/null || true
        fi
        tick "a dialog (after $action)"
    done
}

# closed_or_covered DIALOG: waits until the dialog has closed or another one shows, and sets
# OPEN_DIALOGS to the number of dialogs still open.
closed_or_covered() {
    local i open
    DEADLINE=$((SECONDS + TIMEOUT))
    while :; do
        list_windows
        open=0 OPEN_DIALOGS=0
        for i in "${!WINDOWS[@]}"; do
            if [ "${KINDS[i]}" = dialog ]; then
                OPEN_DIALOGS=$((OPEN_DIALOGS + 1))
                [ "${WINDOWS[i]}" != "$1" ] || open=1
            fi
        done
        if [ $open = 0 ] || [ $OPEN_DIALOGS -gt 1 ]; then
            return 0
        fi
        tick "'$2' to close"
    done
}

# Gives the dialog the step opened, if any, the drawn answer and closes whatever follows. The
# quit question asked by ask_quit ends the step: it shows once the program has handled the step
# and no other dialog is open (see settle in lib.sh). The first dialog is the step's own, as it
# opens before the program sees the click of ask_quit.
finish_step() {
    local first=1 dialog title how handled=0
    ask_quit
    while :; do
        focused_dialog
        dialog=$WINDOW title=$WINDOW_TITLE
        handled=$((handled + 1))
        [ $handled -le 10 ] || fail "dialog after dialog after $action, now '$title'"
        if [[ $title =~ $QUIT_QUESTION ]] && ! [[ $first = 1 && $button = Command4 ]]; then
            xdotool key Escape
            wait_gone "$dialog" "the quit question"
            return 0
        fi
        how=Escape
        [ $first = 0 ] || how=$answer
        # A file dialog is given a file name: Return alone could leave it open without a sign.
        if [ "$how" != Escape ] && [[ $title =~ $FILE_DIALOG ]]; then
            echo "  $title: $file"
            xdotool key ctrl+a
            xdotool type --delay 1 -- "$WORK/$file"
            xdotool key Return
        else
            [ "$how" = Escape ] || how=Return
            echo "  $title: $how"
            xdotool key "$how"
        fi
        closed_or_covered "$dialog" "$title"
        if [ "$OPEN_DIALOGS" = 0 ]; then
            ask_quit # the one before came while a dialog was open, and was dropped
        fi
        first=0
    done
}

start_app
for ((step = 1; step <= STEPS; step++)); do
    draw 3
    if [ $DRAWN = 0 ]; then
        button=
        draw 3
        where=$DRAWN
        draw 12
        x=$((152 + 48 * DRAWN))
        draw 10
        y=$((24 * (1 + DRAWN) + 9))
        case $where in
        0) box="value box" ;;
        1) box="row label" x=56 ;;
        *) box=title x=292 y=337 ;;
        esac
        draw ${#TEXTS[@]}
        text=${TEXTS[DRAWN]}
        shown=$text
        [ ${#text} -le 20 ] || shown="${text:0:3}... (${#text} characters)"
        action="type '$shown' into the $box at ($x, $y)"
    else
        draw ${#BUTTONS[@]}
        read -r button x y <<<"${BUTTONS[DRAWN]}"
        action="click $button"
    fi
    draw ${#ANSWERS[@]}
    answer=${ANSWERS[DRAWN]}
    draw 5
    file=m$DRAWN
    draw ${#EXTENSIONS[@]}
    file+=.${EXTENSIONS[DRAWN]}
    echo "step $step: $action"

    click "$MAIN" "$x" "$y"
    if [ -z "$button" ]; then
        wait_focus "$MAIN" "the entry window"
        xdotool key ctrl+a
        xdotool type --delay 1 -- "$text"
    fi
    finish_step
done
echo "ok: $STEPS random steps"

# Still answering: with the value boxes cleared (a value such as 1e400 rightly stops the save
# with an overflow message), a save through the dialog writes a file that the reader loads.
click "$MAIN" 368 444 # 数値を消す
click "$MAIN" 464 444 # データの保存
answer_file_dialog "$WORK/final.txt"
settle
[ -s "$WORK/final.txt" ] || fail "the program did not save at the end"
"$CHECK" "$WORK/final.txt" || fail "the saved file does not load"
stop_app
echo "monkey end to end: passed"
