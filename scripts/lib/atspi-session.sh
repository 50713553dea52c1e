# Sourced by the screen-reader checks: a virtual X server with its own
# session and accessibility buses, and the program on the sample list in it.
# The caller sets `work` (a scratch folder) and traps EXIT to end_session.

# A signal (CTest's timeout, Ctrl+C) ends the script through its EXIT trap.
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

pids=()
# Starts a helper in the background, leading a process group of its own so
# that its children go with it.
helper() {
    setsid "$@" &
    pids+=($!)
    echo "$!" >>"$work/pids"
}
# Runs a helper and waits for it; unlike a command in the foreground, the wait
# lets a signal end the script at once.
run_helper() {
    helper "$@"
    wait "$!"
}
session_alive() {
    local pid
    for pid in "${pids[@]}"; do kill -0 -- "-$pid" 2>/dev/null && return; done
    return 1
}
end_session() {
    local pid _
    for pid in "${pids[@]}"; do kill -- "-$pid" 2>/dev/null || true; done
    for _ in $(seq 30); do session_alive || break; sleep 0.1; done
    # A helper stuck in a call does not end on SIGTERM: its children are
    # killed first, so that it reaps them and leaves no zombie behind.
    for pid in "${pids[@]}"; do
        kill -KILL $(cat "/proc/$pid/task/$pid/children" 2>/dev/null) 2>/dev/null || true
    done
    sleep 0.1
    for pid in "${pids[@]}"; do kill -KILL -- "-$pid" 2>/dev/null || true; done
    wait "${pids[@]}" 2>/dev/null || true
    rm -rf "$work"
}
# Killed outright (SIGKILL runs no trap), this script leaves its helpers to a
# guard outside its process group, which ends them once the script is gone.
guard_session() {
    setsid bash -c 'while kill -0 "$1" 2>/dev/null; do sleep 1; done
        [ -f "$2/pids" ] && while read -r pid; do kill -KILL -- "-$pid" 2>/dev/null; done <"$2/pids"
        rm -rf "$2"' guard "$$" "$work" </dev/null >/dev/null 2>&1 &
}
# Waits up to ten seconds for a helper to write what it was asked for.
await_file() {
    for _ in $(seq 100); do [ -s "$1" ] && return; sleep 0.1; done
    fail "$2 did not start: $(cat "$work/helpers.log")"
}

# Argument: the screen's size and depth (default 1024x768x24).
start_session() {
    guard_session
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # Without -noreset the server drops the accessibility bus's address when the
    # bus launcher closes its display, and the program never finds the bus.
    helper Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${1:-1024x768x24}" 3>"$work/display" 2>>"$work/helpers.log"
    await_file "$work/display" "Xvfb"
    export DISPLAY=:$(cat "$work/display")

    helper dbus-daemon --session --nofork --print-address=3 3>"$work/bus" 2>>"$work/helpers.log"
    await_file "$work/bus" "The private session bus"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
    export DBUS_SESSION_BUS_ADDRESS

    # The registry daemon starts on its own on the accessibility bus.
    helper /usr/libexec/at-spi-bus-launcher --launch-immediately 2>>"$work/helpers.log"
    local _
    for _ in $(seq 100); do a11y_bus_up && return; sleep 0.1; done
    fail "the accessibility bus did not start: $(cat "$work/helpers.log")"
}
a11y_bus_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}

# Starts the program given on the sample list and gives its window the keyboard.
# It speaks German, or the language FM_LANGUAGE names ("en"), whatever the caller's.
start_program() {
    helper env --chdir=sample LANGUAGE=${FM_LANGUAGE:-de} QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >"$work/program.log" 2>&1
    program_group=$!
    local window
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Function Mapping$" | head -n 1) ||
        fail "the window did not appear: $(cat "$work/program.log")"
    # Without a window manager nothing else gives the window the keyboard.
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
}

# Ends the program start_program started last, with all it started.
stop_program() {
    kill -- "-$program_group" 2>/dev/null || true
    wait "$program_group" 2>/dev/null || true
}
