#!/usr/bin/env bash
# Runs the front-end against the stand-in daemon with sample alerts, on
# private buses, so nothing touches the machine's real daemon or buses.
#
#   scripts/demo.sh                    open the window on the display
#   scripts/demo.sh --screenshots DIR  walk through the tabs and the settings under Xvfb,
#                                      write PNGs to DIR, exit
#   scripts/demo.sh --dark ...         the same in the desktop's dark style
# Without a display the walk-through runs with DIR = build/demo-screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

shots=""
style=""
while [ $# -gt 0 ]; do
    case "$1" in
    --screenshots) shots=$(realpath -m "${2:?--screenshots needs a directory}"); shift 2 ;;
    --dark) style=vemo-dark; shift ;;
    -h | --help) sed -n '2,9p' "$0"; exit 0 ;;
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

# A runtime directory of the demo's own: the single-instance hand-over needs
# a private one, and the demo never hands over to an instance the user runs.
mkdir -m 0700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
# Preferences too (window geometry, auto-refresh): every walk-through starts
# from the defaults and leaves the user's own untouched.
export XDG_CONFIG_HOME=$work/config

# Desktop style settings from the stand-in schemas, kept in memory.
mkdir -p "$work/schemas"
cp tools/schemas/*.gschema.xml "$work/schemas/"
if [ -n "$style" ]; then
    printf '[org.vemo.style]\nstyle-name=%s\n' "'$style'" >"$work/schemas/demo.gschema.override"
fi
glib-compile-schemas "$work/schemas"
export GSETTINGS_SCHEMA_DIR=$work/schemas GSETTINGS_BACKEND=memory

"$bin/tools/alertgen/alertgen" --count 4000 --days 60 --seed 7 --out "$work/alerts.log"
start_daemon() { # extra options for the stand-in
    # Install steps slow enough for the progress page to be seen.
    "$bin/tools/daemon-sim/tarvix-daemon-sim" --state "$work/state.json" --alerts "$work/alerts.log" \
        --install-step-ms 1500 "$@" >>"$work/daemon.log" 2>&1 &
    daemon=$!
    pids+=($daemon)
    for _ in $(seq 50); do grep -q "ready:" "$work/daemon.log" 2>/dev/null && break; sleep 0.1; done
}
restart_daemon() { # extra options for the stand-in
    kill "$daemon"
    wait "$daemon" 2>/dev/null || true
    : >"$work/daemon.log"
    start_daemon "$@"
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
click() { # x y [window]: relative to the main window, or to the one given
    eval "$(xdotool getwindowgeometry --shell "${3:-$window}")"
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
}
wait_settings() { # sets $settings to the settings window once it shows
    settings=""
    for _ in $(seq 100); do
        settings=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -vx "$window" | head -n1) \
            && [ -n "$settings" ] && break
        sleep 0.1
    done
    [ -n "$settings" ] || { echo "demo.sh: the settings window did not appear" >&2; cat "$work/app.log" >&2; exit 1; }
}


snap 00-loading
# Once the slow load has arrived, the rest of the walk runs without the delay.
for _ in $(seq 100); do grep -q "reply generateLogFile" "$work/daemon.log" && break; sleep 0.1; done
sleep 0.5
restart_daemon
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
snap 06-statistics-ai-tip
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
snap 07-statistics-chart-tip
wheel 450 300 30
wheel 450 300 2 4 # the three ranking cards in view
snap 08-statistics-rankings
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
see_all 832 128 09-all-events
see_all 396 352 10-all-sources
see_all 832 352 11-all-users

# Export the report through its save dialog, then look at its first two pages.
click 109 524
for _ in $(seq 100); do
    dialog=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -vx "$window" | tail -n1 || true)
    [ -n "$dialog" ] && break
    sleep 0.1
done
[ -n "$dialog" ] || { echo "demo.sh: the save dialog did not open" >&2; exit 1; }
snap 12-export-dialog
xdotool key --window "$dialog" ctrl+a
xdotool type --window "$dialog" --delay 5 "$shots/report.pdf"
xdotool key --window "$dialog" Return
for _ in $(seq 100); do [ -s "$shots/report.pdf" ] && break; sleep 0.1; done
[ -s "$shots/report.pdf" ] || { echo "demo.sh: no report was written" >&2; cat "$work/app.log" >&2; exit 1; }
pdftoppm -r 60 -f 1 -l 2 -png "$shots/report.pdf" "$shots/13-report-page"
echo "wrote $shots/report.pdf and its first two pages"

# The settings window: both pages, and the defense page refusing an
# unfinished whitelist.
click 831 57 # Setting
wait_settings
snap 14-settings-basic
click 100 106 "$settings" # Defense Setting
snap 15-settings-defense
click 700 200 "$settings" # the whitelist, in each language's row heights
xdotool key End
xdotool type --delay 50 ",10.0.0."
snap 16-settings-defense-error
xdotool key Escape
sleep 0.5

# The AI page: the package is not installed yet, so it offers to install it.
click 831 57 # Setting
wait_settings
click 100 150 "$settings" # AI Network Threat Detect
snap 17-settings-ai-install
click 555 330 "$settings" # Download and install
sleep 3 # the stand-in moves on every 1.5 s
snap 18-settings-ai-installing
for _ in $(seq 100); do grep -q "slot_installFinished" "$work/app.log" && break; sleep 0.2; done
snap 19-settings-ai-installed
click 555 330 "$settings" # Got it: the window closes
sleep 1

# Installed now: switching the service on asks first.
click 831 57 # Setting
wait_settings
click 100 150 "$settings"
sleep 0.5
click 226 94 "$settings" # Open
snap 20-settings-ai-confirmation
# Cancel in the confirmation box (448 x 178, its buttons at the bottom right),
# then Escape closes the settings window.
dialog=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -vx -e "$window" -e "$settings" | head -n1)
click 277 136 "$dialog"
sleep 0.5
xdotool key Escape
sleep 0.5

# A search in the bar, applied as it is typed, with the severity choice.
click 75 58 # back to the first tab
xdotool key ctrl+f # the search field, wherever the language puts it
xdotool type --delay 120 "brute"
snap 21-search
xdotool key ctrl+a BackSpace

# The date range picker with its quick ranges, opened from the keyboard (from
# the search field past the level choice); Escape leaves the range as it was.
xdotool key Tab Tab space
snap 22-date-range
xdotool key Escape

# The list by keyboard: the third entry chosen and opened, then the oldest
# alert at the far end of the list.
click 75 58 # the first tab
click 500 150 # into the list, on the newest entry
xdotool key Down Down space
snap 25-keyboard-entry
xdotool key End
snap 26-far-down-the-list
xdotool key Home

# Settings that are still being read: the page waits, greyed, for the daemon.
restart_daemon --delay getNotifyConfig=4000
click 831 57 # Setting
wait_settings
snap 27-settings-reading
sleep 4
snap 28-settings-read
eval "$(xdotool getwindowgeometry --shell "$settings")"
xdotool mousemove $((X + WIDTH - 19)) $((Y + 20)) click 1 # its close button
sleep 0.5
restart_daemon

# A snapshot with records the reader has to skip says how many.
cp "$work/alerts.log" "$work/damaged.log"
printf '** Alert 9999999999.1: - syslog,\n2026 Jan 01 00:00:00 host->/var/log/auth.log\nRule: 5712\0 (level 15) -> damaged\nraw\n\n' >>"$work/damaged.log"
restart_daemon --alerts "$work/damaged.log"
click 833 523 # Reload
snap 29-unread-records
restart_daemon
click 833 523

# The alerts of the last seven days as CSV and JSON Lines, without a window.
from=$(date -d '6 days ago' +%F)
for format in csv jsonl; do
    "$bin/src/app/tarvix-desktop" --export-report "$shots/alerts.$format" --from "$from" >>"$work/export.log" 2>&1 || {
        echo "demo.sh: the $format export failed" >&2
        cat "$work/export.log" >&2
        exit 1
    }
    echo "wrote $shots/alerts.$format"
done

# From the statistics to the alerts behind a figure: the first attack source
# of the rankings (still scrolled into view) opens the list filtered on it.
click 175 58 # the second tab
sleep 0.5
click 131 385 # the first row of "Statistics on attack sources"
snap 30-drill-down-source

# An export of a long log goes on while the window stays usable; the strip
# counts the alerts written and offers Cancel.
"$bin/tools/alertgen/alertgen" --count 150000 --days 60 --seed 3 --min-level 12 --out "$work/long.log"
restart_daemon --alerts "$work/long.log"
click 175 58
click 832 525 # Refresh
for _ in $(seq 100); do grep -q "reply generateLogFile" "$work/daemon.log" && break; sleep 0.1; done
sleep 3
click 109 524 # Export a statistical report
for _ in $(seq 100); do
    dialog=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -vx "$window" | tail -n1 || true)
    [ -n "$dialog" ] && break
    sleep 0.1
done
xdotool key --window "$dialog" ctrl+a
xdotool type --window "$dialog" --delay 5 "$work/long-report.pdf"
xdotool key --window "$dialog" Return
snap 31-export-in-progress
for _ in $(seq 300); do [ -s "$work/long-report.pdf" ] && break; sleep 0.1; done
restart_daemon
click 75 58 # back to the first tab

# The daemon goes away: a reload keeps the list and says that it failed...
kill "$daemon"
wait "$daemon" 2>/dev/null || true
click 833 523 # Reload
snap 23-reload-failed
# ...and a start without it shows why there is nothing to show.
kill "$app"
wait "$app" 2>/dev/null || true
"$bin/src/app/tarvix-desktop" >"$work/app2.log" 2>&1 &
app=$!
pids+=($app)
for _ in $(seq 100); do grep -q "get alert total error!" "$work/app2.log" && break; sleep 0.1; done
snap 24-daemon-unreachable

kill "$app"
wait "$app" 2>/dev/null || true
grep "main execute time" "$work/app.log" || true
