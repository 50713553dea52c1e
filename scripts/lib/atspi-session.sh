# Sourced by the screen-reader checks: a virtual X server with its own
# session and accessibility buses, and the program on the sample list in it.
# The caller sets `work` (a scratch folder) and traps EXIT to end_session.

pids=()
end_session() {
    # Each helper leads a process group of its own, so its children go with it.
    for pid in "${pids[@]}"; do kill -- "-$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
# Waits up to ten seconds for a helper to write what it was asked for.
await_file() {
    for _ in $(seq 100); do [ -s "$1" ] && return; sleep 0.1; done
    fail "$2 did not start: $(cat "$work/helpers.log")"
}

# Argument: the screen's size and depth (default 1024x768x24).
start_session() {
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # Without -noreset the server drops the accessibility bus's address when the
    # bus launcher closes its display, and the program never finds the bus.
    setsid Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${1:-1024x768x24}" 3>"$work/display" 2>>"$work/helpers.log" &
    pids+=($!)
    await_file "$work/display" "Xvfb"
    export DISPLAY=:$(cat "$work/display")

    setsid dbus-daemon --session --nofork --print-address=3 3>"$work/bus" 2>>"$work/helpers.log" &
    pids+=($!)
    await_file "$work/bus" "The private session bus"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
    export DBUS_SESSION_BUS_ADDRESS

    # The registry daemon starts on its own on the accessibility bus.
    setsid /usr/libexec/at-spi-bus-launcher --launch-immediately 2>>"$work/helpers.log" &
    pids+=($!)
    local _
    for _ in $(seq 100); do a11y_bus_up && return; sleep 0.1; done
    fail "the accessibility bus did not start: $(cat "$work/helpers.log")"
}
a11y_bus_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}

# Starts the program given on the sample list and gives its window the keyboard.
start_program() {
    (cd sample && QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec setsid "$1") \
        >"$work/program.log" 2>&1 &
    pids+=($!)
    local window
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Function Mapping$" | head -n 1) ||
        fail "the window did not appear: $(cat "$work/program.log")"
    # Without a window manager nothing else gives the window the keyboard.
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
}
