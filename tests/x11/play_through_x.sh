#!/usr/bin/env bash
# The real game under a real X server and window manager, played as a player would through X:
# the name accepted with Enter, the food shop opened with the mouse, the main window raised by
# a click on its title bar (the shop must stay in front of it), the shop closed with Esc, the
# game left with Ctrl+Q. A start without an audio device must print nothing.
#
#   play_through_x.sh GAME_BINARY
set -euo pipefail

game=$1
for tool in Xvfb openbox xdotool xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "needs $tool (scripts/install-deps.sh installs it)" >&2
        exit 1
    fi
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [[ -s $work/stderr ]] && sed 's/^/  game: /' "$work/stderr" >&2
    for log in xvfb wm; do
        [[ -s $work/$log.log ]] && sed "s/^/  $log: /" "$work/$log.log" >&2
    done
    exit 1
}

# Waits up to ten seconds for a window whose whole title is $1; prints its id.
window() {
    timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 ||
        fail "no window \"$1\" appeared"
}
# Waits until the window with the whole title $1 is gone.
gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "the window \"$1\" stayed open"
}
active() { xdotool getactivewindow 2>/dev/null || true; }
# The client windows from the bottom of the stack to the top.
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'; }
# Whether window $1 lies above window $2 in the window manager's stacking order.
above() {
    local below=
    for id in $(stacking); do
        ((id == $2)) && below=yes
        if ((id == $1)); then
            [[ -n $below ]]
            return
        fi
    done
    return 1
}

# A display of our own, and a window manager on it. Xvfb picks a free display number itself and
# writes it once it takes connections, so neither a display still closing from an earlier run
# nor a slow start can mislead us.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
[[ -s $work/display ]] || fail "Xvfb did not start"
export DISPLAY=:$(head -n 1 "$work/display")
start_wm() {
    openbox --sm-disable >>"$work/wm.log" 2>&1 &
    wm_pid=$!
    pids+=($wm_pid)
}
start_wm
# Ready once it says what it supports: activating a window needs _NET_ACTIVE_WINDOW among them,
# and the check window alone can come first. Now and then the window manager fails to open a
# display that has just come up; it is started again then.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
        xprop -root _NET_SUPPORTED 2>/dev/null | grep -q '_NET_ACTIVE_WINDOW' && break
    kill -0 "$wm_pid" 2>/dev/null || start_wm
    sleep 0.1
done
xprop -root _NET_SUPPORTED 2>/dev/null | grep -q '_NET_ACTIVE_WINDOW' ||
    fail "the window manager did not start"

# The game, in a home of its own with no sound server to find.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config \
    XDG_RUNTIME_DIR=$work/runtime LC_ALL=C.UTF-8 "$game" >"$work/stdout" 2>"$work/stderr" &
game_pid=$!
pids+=($game_pid)

# The name, accepted with Enter in the name box; the introduction, answered with Enter.
login=$(window "Ввод имени")
[[ $(active) == "$login" ]] || xdotool windowactivate --sync "$login" || fail "cannot activate the name window"
xdotool key Return
window "Tarnvik 2\\.1" >/dev/null
xdotool key --clearmodifiers Return
gone "Tarnvik 2\\.1"
main=$(window "Tarnvik 2")

# The food shop, opened with a click on "Магазин" (top right of the buttons, below the menus).
xdotool mousemove --sync --window "$main" 500 45 click 1
shop=$(window "Магазин")
xprop -id "$shop" WM_TRANSIENT_FOR | grep -q "$(printf '0x%x' "$main")" ||
    fail "the shop is not tied to the main window: $(xprop -id "$shop" WM_TRANSIENT_FOR)"

# The player clicks the main window's title bar: it may take the focus, but the shop stays
# in front of it.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --sync $((X + 120)) $((Y - 8)) click 1
sleep 0.3
above "$shop" "$main" || fail "the main window came in front of the shop"

# A key on the main window under the shop brings the shop forward; Esc then closes it.
if [[ $(active) != "$shop" ]]; then
    xdotool key space
    for _ in $(seq 50); do
        [[ $(active) == "$shop" ]] && break
        sleep 0.1
    done
fi
[[ $(active) == "$shop" ]] || fail "the shop did not come forward"
xdotool key Escape
gone "Магазин"

# The main window has the keyboard again: Ctrl+Q asks to save, Esc answers "Нет", the game ends.
for _ in $(seq 50); do
    [[ $(active) == "$main" ]] && break
    sleep 0.1
done
xdotool key ctrl+q
window "Tarnvik 2\\.1" >/dev/null
xdotool key Escape
for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not end after \"Нет\""
wait "$game_pid" || fail "the game ended with status $?"
[[ -s $work/stderr ]] && fail "the game printed on the console"
echo "played through X: name, shop, raised main window, Esc, Ctrl+Q"
