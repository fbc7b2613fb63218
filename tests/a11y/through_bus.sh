#!/usr/bin/env bash
# Runs a check of the game through the accessibility bus, as a screen reader meets it: the real
# game on its own X server and session bus, with the AT-SPI bus running and Qt told to join it;
# the check (a Python script, Debian's own python3 with pyatspi) finds, reads and presses what
# it needs through the bus alone.
#
#   through_bus.sh GAME_BINARY CHECK.py
set -euo pipefail

game=$1
check=$2
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb xdpyinfo dbus-run-session "$launcher" "$python"; do
    if ! command -v "$tool" >/dev/null; then
        echo "needs $tool (scripts/install-deps.sh installs it)" >&2
        exit 1
    fi
done
"$python" -c 'import pyatspi' 2>/dev/null || {
    echo "needs pyatspi for $python (scripts/install-deps.sh installs python3-pyatspi)" >&2
    exit 1
}

work=$(mktemp -d)
xvfb=
cleanup() {
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display of our own: Xvfb picks a free number and writes it once it takes connections.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
if [[ ! -s $work/display ]]; then
    echo "FAIL: Xvfb did not start" >&2
    sed 's/^/  xvfb: /' "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=:$(head -n 1 "$work/display")
# The number comes as the server starts listening; a client that comes at once may still be
# turned away, so wait until one is served.
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done

# The player's folders are the test's own, so no save of the machine's user is touched.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
export XDG_RUNTIME_DIR=$work/runtime
export GAME=$game CHECK=$check PYTHON=$python LAUNCHER=$launcher WORK=$work

# Everything below shares one session bus, which ends with it.
dbus-run-session -- bash -c '
    "$LAUNCHER" --launch-immediately >"$WORK/bus.log" 2>&1 &
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$GAME" >"$WORK/game.log" 2>&1 &
    game=$!
    status=0
    "$PYTHON" "$CHECK" || status=$?
    kill "$game" 2>/dev/null
    wait "$game" 2>/dev/null
    if ((status != 0)); then
        sed "s/^/  game: /" "$WORK/game.log" >&2
    fi
    exit $status
' 2>"$work/session.log" || {
    status=$?
    grep -v "Failed to set fd limit" "$work/session.log" >&2 || true
    exit $status
}
