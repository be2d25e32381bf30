#!/usr/bin/env bash
# Runs the front-end against the stand-in daemon with sample alerts, on
# private buses, so nothing touches the machine's real daemon or buses.
#
#   scripts/demo.sh                    open the window on the display
#   scripts/demo.sh --screenshots DIR  walk through the tabs under Xvfb, write PNGs to DIR, exit
#   TARVIX_DEMO_STYLE=vemo-dark ...    the same in the desktop's dark style
# Without a display the walk-through runs with DIR = build/demo-screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

shots=""
while [ $# -gt 0 ]; do
    case "$1" in
    --screenshots) shots=$(realpath -m "${2:?--screenshots needs a directory}"); shift 2 ;;
    -h | --help) sed -n '2,8p' "$0"; exit 0 ;;
    *) echo "demo.sh: unknown option $1" >&2; exit 2 ;;
    esac
done

if [ -z "$shots" ] && [ -z "${DISPLAY:-}" ]; then
    shots=$root/build/demo-screenshots
fi

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target tarvix-desktop tarvix-daemon-sim alertgen

bin=$root/build/release
work=$(mktemp -d /tmp/tarvix-demo.XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_bus() { # name variable: starts a private bus and exports its address
    dbus-daemon --config-file="$root/tools/dbus/private-bus.conf" --fork \
        --print-address=3 --print-pid=4 3>"$work/$1.addr" 4>"$work/$1.pid" 2>>"$work/dbus.log"
    pids+=("$(head -n1 "$work/$1.pid")")
    export "$2=$(head -n1 "$work/$1.addr")"
}
start_bus system DBUS_SYSTEM_BUS_ADDRESS
start_bus session DBUS_SESSION_BUS_ADDRESS

# Desktop style settings from the stand-in schemas, kept in memory.
mkdir -p "$work/schemas"
cp tools/schemas/*.gschema.xml "$work/schemas/"
# TARVIX_DEMO_STYLE=vemo-dark shows the desktop's dark style.
if [ -n "${TARVIX_DEMO_STYLE:-}" ]; then
    printf "[org.vemo.style]\nstyle-name='%s'\n" "$TARVIX_DEMO_STYLE" >"$work/schemas/90_demo.gschema.override"
fi
glib-compile-schemas "$work/schemas"
export GSETTINGS_SCHEMA_DIR=$work/schemas GSETTINGS_BACKEND=memory

"$bin/tools/alertgen/alertgen" --count 4000 --days 60 --seed 7 --out "$work/alerts.log"
start_daemon() { # extra options for the stand-in
    "$bin/tools/daemon-sim/tarvix-daemon-sim" --state "$work/state.json" --alerts "$work/alerts.log" "$@" \
        >>"$work/daemon.log" 2>&1 &
    daemon=$!
    pids+=($daemon)
    for _ in $(seq 50); do grep -q "ready:" "$work/daemon.log" 2>/dev/null && break; sleep 0.1; done
}
# The walk-through first shows the window while the daemon keeps it waiting.
if [ -n "$shots" ]; then start_daemon --delay generateLogFile=5000; else start_daemon; fi

if [ -z "$shots" ]; then
    "$bin/src/app/tarvix-desktop"
    exit $?
fi

# No display, or screenshots wanted: a virtual screen of our own, on a
# display number Xvfb picks itself.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display") QT_QPA_PLATFORM=xcb

"$bin/src/app/tarvix-desktop" >"$work/app.log" 2>&1 &
app=$!
pids+=($app)
window=""
for _ in $(seq 100); do
    # By process: the title is translated in other languages.
    window=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "demo.sh: the window did not appear" >&2; cat "$work/app.log" >&2; exit 1; }


mkdir -p "$shots"
snap() { sleep 1; import -window root "$shots/$1.png"; echo "wrote $shots/$1.png"; }
click() { # x y relative to the window
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
}

snap 00-loading
# Once the slow load has arrived, the rest of the walk runs without the delay.
for _ in $(seq 100); do grep -q "reply generateLogFile" "$work/daemon.log" && break; sleep 0.1; done
sleep 0.5
kill "$daemon"
wait "$daemon" 2>/dev/null || true
: >"$work/daemon.log"
start_daemon
snap 01-alarm-logs
click 175 58 # second tab
snap 02-alarm-statistics
click 75 58 # first tab
sleep 0.5
# Open the newest alert's details.
click 836 104
snap 03-alert-details

# A notification for an alert further down hands its id to the running instance.
id=$(awk '/^\*\* Alert / { id = substr($3, 1, length($3) - 1) }
          /^Rule: / { if ($4 + 0 >= 12) ids[++n] = id }
          END { print ids[n - 3] }' FS='[ )]+' "$work/alerts.log")
"$bin/src/app/tarvix-desktop" --send-notify-detail "$id" >"$work/second.log" 2>&1
snap 04-notification-highlight
grep -q "The string is at index: " "$work/app.log" || {
    echo "demo.sh: the hand-over did not arrive" >&2
    cat "$work/app.log" "$work/second.log" >&2
    exit 1
}

# The statistics tab: its top, the rankings further down, a day's tip on the
# date chart and the three "See all" windows.
click 175 58
sleep 1
snap 05-statistics
windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }
before=$(windows)
for x in $(seq 560 4 720); do # along the AI card's title until its hint opens its tip
    xdotool mousemove $((X + x)) $((Y + 160))
    sleep 0.05
    [ "$(windows)" -gt "$before" ] && break
done
snap 05-statistics-ai-tip
wheel() { # x y clicks [button]: scroll over the report, down unless button 4 (up)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + $1)) $((Y + $2))
    for _ in $(seq "$3"); do xdotool click "${4:-5}"; done
}
wheel 450 300 4
# Sweep the date chart row by row, right to left so the pointer never crosses
# the tip that opens to its right, until a day's tip window opens.
sweep() { # y: one pass of the pointer along the chart at that height
    eval "$(xdotool getwindowgeometry --shell "$window")"
    local moves=()
    for x in $(seq 830 -3 100); do moves+=(mousemove $((X + x)) $((Y + $1)) sleep 0.002); done
    xdotool "${moves[@]}"
}
before=$(windows)
for y in $(seq 250 6 450); do
    sweep "$y"
    if [ "$(windows)" -gt "$before" ]; then
        sleep 1.2 # the tip's first showing is short
        sweep "$y"
        break
    fi
done
snap 06-statistics-chart-tip
wheel 450 300 30
wheel 450 300 2 4 # the three ranking cards in view
snap 07-statistics-rankings
see_all() { # x y name: opens a "See all" window, takes its picture, closes it
    click "$1" "$2"
    local opened=""
    for _ in $(seq 50); do
        opened=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -vx "$window" | tail -n1 || true)
        [ -n "$opened" ] && break
        sleep 0.1
    done
    [ -n "$opened" ] || { echo "demo.sh: no window for $3" >&2; exit 1; }
    snap "$3"
    eval "$(xdotool getwindowgeometry --shell "$opened")"
    xdotool mousemove $((X + WIDTH - 26)) $((Y + 24)) click 1
    sleep 0.5
}
see_all 832 128 08-all-events
see_all 396 352 09-all-sources
see_all 832 352 10-all-users

# Export the report through its save dialog, then look at its first two pages.
click 109 524
for _ in $(seq 100); do
    dialog=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -vx "$window" | tail -n1 || true)
    [ -n "$dialog" ] && break
    sleep 0.1
done
[ -n "$dialog" ] || { echo "demo.sh: the save dialog did not open" >&2; exit 1; }
snap 11-export-dialog
xdotool key --window "$dialog" ctrl+a
xdotool type --window "$dialog" --delay 5 "$shots/report.pdf"
xdotool key --window "$dialog" Return
for _ in $(seq 100); do [ -s "$shots/report.pdf" ] && break; sleep 0.1; done
[ -s "$shots/report.pdf" ] || { echo "demo.sh: no report was written" >&2; cat "$work/app.log" >&2; exit 1; }
pdftoppm -r 60 -f 1 -l 2 -png "$shots/report.pdf" "$shots/12-report-page"
echo "wrote $shots/report.pdf and its first two pages"

kill "$app"
wait "$app" 2>/dev/null || true
grep "main execute time" "$work/app.log" || true
