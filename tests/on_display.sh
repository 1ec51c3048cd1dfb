#!/usr/bin/env bash
# on_display.sh [--accessibility] x11|wayland CMD [ARGS...]
# Runs CMD on a private display server started for it and stopped after it:
# Xvfb with openbox as window manager, or weston's headless back end. With
# --accessibility, also a session bus and the accessibility bus, with Qt's
# accessibility on, as a desktop with a screen reader has them; then
# AT_SPI_BUS_LAUNCHER names the bus's launcher (CMake finds it). CMD's exit
# status is returned; 90 and up when a server could not start.
set -u
accessibility=
if [ "${1:-}" = --accessibility ]; then
    accessibility=1
    : "${AT_SPI_BUS_LAUNCHER:?names at-spi-bus-launcher}"
    shift
fi
platform=${1:-}
shift
dir=$(mktemp -d "${TMPDIR:-/tmp}/duplimo-display.XXXXXX")
server=
started=()

# Stops what was started here, last started first, each with the children
# it started. weston's desktop-shell helper ends with weston, the
# accessibility registry with its bus.
stop() {
    local i
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        kill $(cat /proc/"${started[i]}"/task/*/children 2>/dev/null) 2>/dev/null
        kill "${started[i]}" 2>/dev/null
        wait "${started[i]}" 2>/dev/null
    done
    rm -rf "$dir"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

source "$(dirname "$0")/wait_for.sh"

fail() {
    echo "on_display.sh: $1" >&2
    cat "$dir/server.log" >&2
    exit "$2"
}

# A private runtime directory, as a desktop session has: weston's socket
# and Qt's runtime files go there.
export XDG_RUNTIME_DIR="$dir/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

case "$platform" in
x11)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" >"$dir/server.log" 2>&1 &
    server=$!
    started+=("$server")
    wait_for --while "$server" 20 test -s "$dir/display" || fail "Xvfb did not start" 90
    export DISPLAY=":$(cat "$dir/display")"
    # openbox runs its start-up command once it manages the screen.
    openbox --sm-disable --startup "touch $dir/managed" >>"$dir/server.log" 2>&1 &
    started+=("$!")
    wait_for --while "$server" 20 test -e "$dir/managed" || fail "openbox did not start" 91
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    ;;
wayland)
    # No on-screen keyboard: a helper client that would outlive weston.
    printf '[input-method]\npath=\n' >"$dir/weston.ini"
    weston --backend=headless-backend.so --socket=wayland-duplimo --idle-time=0 --config="$dir/weston.ini" \
        --width=1280 --height=1024 >"$dir/server.log" 2>&1 &
    server=$!
    started+=("$server")
    wait_for --while "$server" 20 test -S "$XDG_RUNTIME_DIR/wayland-duplimo" || fail "weston did not start" 90
    export WAYLAND_DISPLAY=wayland-duplimo QT_QPA_PLATFORM=wayland
    # Without a seat there is no text input for Qt's Wayland input context,
    # which then fails as soon as a window takes the focus.
    export QT_IM_MODULE=none
    unset DISPLAY
    ;;
*)
    echo "usage: $0 [--accessibility] x11|wayland CMD [ARGS...]" >&2
    exit 2
    ;;
esac

if [ -z "$accessibility" ]; then
    # No session bus: nothing may start one on the private display.
    export DBUS_SESSION_BUS_ADDRESS=disabled:
    "$@"
    exit
fi

dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$dir/bus" >>"$dir/server.log" 2>&1 &
server=$!
started+=("$server")
wait_for --while "$server" 20 test -s "$dir/bus" || fail "the session bus did not start" 92
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$dir/bus")
"$AT_SPI_BUS_LAUNCHER" --launch-immediately --a11y=1 >>"$dir/server.log" 2>&1 &
server=$!
started+=("$server")
has_accessibility_bus() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null |
        grep -q 'string "'
}
wait_for --while "$server" 20 has_accessibility_bus || fail "the accessibility bus did not start" 93
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$@"
