#!/bin/sh
# A private X display with a window manager, for tests that look at real windows.
#
#   private-x.sh start DIR   starts Xvfb on a free display number (1024x768, 24 bits) and openbox
#                            on it, everything kept under DIR (created, must be new or empty), and
#                            prints "display=:N" once the window manager runs;
#                            on failure prints "skip: REASON" and exits 77.
#   private-x.sh stop DIR    stops that window manager and server.
#
# The display number comes from the server itself (-displayfd), so several runs at the same time
# never take the same display.

set -u
cmd=${1:-}
dir=${2:-}
# Generous: the machine may be busy with other builds and tests.
deadline_seconds=60

skip() {
    echo "skip: $*"
    for log in "$dir/xvfb.log" "$dir/openbox.log"; do
        [ -s "$log" ] && tail -n 10 "$log" | sed "s|^|  $(basename "$log" .log): |"
    done
    stop_all
    exit 77
}

# Ends the process whose id is in the file, waiting until it is gone.
stop_pid_file() {
    [ -f "$1" ] || return 0
    pid=$(cat "$1")
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null
        i=0
        while kill -0 "$pid" 2>/dev/null && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
        kill -9 "$pid" 2>/dev/null
    fi
    rm -f "$1"
}

stop_all() {
    stop_pid_file "$dir/openbox.pid"
    stop_pid_file "$dir/xvfb.pid"
}

# Waits until the command succeeds, up to the deadline; false when it never did.
wait_for() {
    end=$(($(date +%s) + deadline_seconds))
    until "$@" >/dev/null 2>&1; do
        [ "$(date +%s)" -lt "$end" ] || return 1
        sleep 0.05
    done
}

case "$cmd" in
stop)
    [ -n "$dir" ] && stop_all
    exit 0
    ;;
start) ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac

[ -n "$dir" ] || skip "no folder given"
for tool in Xvfb openbox xprop xdotool; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
mkdir -p "$dir" || skip "cannot create $dir"
dir=$(cd "$dir" && pwd)

# Xvfb writes the display number it found free into the file, once it accepts clients.
: >"$dir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
echo $! >"$dir/xvfb.pid"
display_known() { [ -s "$dir/display" ] && kill -0 "$(cat "$dir/xvfb.pid")"; }
wait_for display_known || skip "Xvfb did not start"
display=":$(head -n 1 "$dir/display" | tr -d '[:space:]')"

# The window manager with its own configuration and cache folders, so nothing of the user's is
# read or written.
mkdir -p "$dir/config" "$dir/cache"
rc=""
[ -f /etc/xdg/openbox/rc.xml ] && rc="--config-file /etc/xdg/openbox/rc.xml"
# shellcheck disable=SC2086
DISPLAY=$display XDG_CONFIG_HOME="$dir/config" XDG_CACHE_HOME="$dir/cache" \
    openbox --sm-disable $rc >"$dir/openbox.log" 2>&1 &
echo $! >"$dir/openbox.pid"
wm_running() {
    kill -0 "$(cat "$dir/openbox.pid")" &&
        DISPLAY=$display xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"
}
wait_for wm_running || skip "openbox did not start on $display"

echo "display=$display"
exit 0
