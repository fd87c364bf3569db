#!/usr/bin/env bash
# A screen reader explores the chart on the real accessibility bus: every segment is in the tree
# as soon as the chart is drawn, and each move of the highlight is heard, by a client that caches
# names as screen readers do, as a different segment's words; at a bar's end the chart says so.
source "$(dirname "$0")/lib.sh"

# A session bus and an accessibility bus of this test's own, ended with it. The clients are
# Debian's Python, which has pyatspi.
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/bus.log" 2>&1 &
LAUNCHER=$!
LISTENER=
trap 'stop_app; kill $LISTENER $LAUNCHER $DBUS_SESSION_BUS_PID 2>/dev/null || true; cleanup' EXIT

# The listener writes each focus and notice of the program, as "focused|NAME" and
# "showing|ROLE|NAME", the names read as a caching client reads them.
/usr/bin/python3 -u - >"$WORK/events" 2>&1 <<'PY' &
import pyatspi

def heard(event):
    try:
        if event.host_application.name != "tallyfold" or not event.detail1:
            return
        if event.type == "object:state-changed:focused":
            print("focused|" + event.source.name)
        elif event.type == "object:state-changed:showing":
            print("showing|%s|%s" % (event.source.getRoleName(), event.source.name))
    except Exception as error:  # an object gone already is no event to judge
        print("unreadable|%s" % error)

pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused",
                                       "object:state-changed:showing")
print("listening")
pyatspi.Registry.start()
PY
LISTENER=$!

# heard PATTERN WHAT: waits until the listener heard a line matching PATTERN after the lines
# already judged, and judges it.
JUDGED=0
heard() {
    local line
    DEADLINE=$((SECONDS + TIMEOUT))
    while :; do
        line=$(tail -n +$((JUDGED + 1)) "$WORK/events" | grep -n -m 1 -E "$1" || true)
        if [ -n "$line" ]; then
            JUDGED=$((JUDGED + ${line%%:*}))
            echo "ok: $2"
            return 0
        fi
        kill -0 "$LISTENER" 2>/dev/null || fail "the listener ended: $(cat "$WORK/events")"
        if [ -n "$APP_PID" ]; then
            tick "$2 (heard last: $(tail -n 3 "$WORK/events" | tr '\n' ' '))"
        else
            [ $SECONDS -lt $DEADLINE ] || fail "waited $TIMEOUT s for $2"
            sleep 0.1
        fi
    done
}
heard '^listening$' "the listener on the accessibility bus"

printf ',食品,衣料\r\n東京,30,70\r\n大阪,60,40\r\n' >"$WORK/table.csv"
APP_ARGS=("$WORK/table.csv")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_app_titled "^$WORK/table.csv\$"
click "$MAIN" 176 440 # グラフを描く
wait_window "$GRAPH_TITLE" "the graph window"
GRAPH=$WINDOW

# The chart in the tree, with its children's roles and names, before any key.
chart_tree() {
    /usr/bin/python3 - <<'PY'
import pyatspi
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == "tallyfold":
        chart = pyatspi.findDescendant(app, lambda a: a.getRoleName() == "chart")
        if chart is not None:
            print("chart|" + chart.name)
            for part in chart:
                print("%s|%s" % (part.getRoleName(), part.name))
PY
}
DEADLINE=$((SECONDS + TIMEOUT))
until tree=$(chart_tree 2>&1) && [ "$(grep -c '^image|.* ・ ' <<<"$tree")" = 4 ]; do
    tick "the chart's four segments in the tree (it holds: ${tree:-nothing})"
done
for part in '東京 ・ 食品: 30 ' '東京 ・ 衣料: 70 ' '大阪 ・ 食品: 60 ' '大阪 ・ 衣料: 40 ' \
    '東京: 計 100' '大阪: 計 100'; do
    grep -qF "|$part" <<<"$tree" || fail "no part '$part' in the tree: $tree"
done
echo "ok: every segment and label is in the tree before any key"

click "$GRAPH" 10 300 # the margin: the chart takes the keyboard
wait_focus "$GRAPH" "the graph window"
xdotool key Right
heard '^focused\|東京 ・ 食品: 30 ' "the first segment heard"
xdotool key Right
heard '^focused\|東京 ・ 衣料: 70 ' "the second segment heard"
xdotool key Down
heard '^focused\|大阪 ・ 衣料: 40 ' "the segment below heard"
xdotool key Right
heard '^showing\|notification\|行の端です$' "the bar's end said"
settle

stop_app
echo "screen reader end to end: passed"
