# Sourced by the Windows scripts, after common.sh: where the cross-built Qt lives
# (with networking, hence a key of its own).
FM_QT_WIN64=${FM_QT_WIN64:-$FM_CACHE/qt-5.15.8-win64-net}
export FM_QT_WIN64

# The DLLs a Windows program or DLL names in its import table.
imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'; }
# Where the MinGW runtime DLLs (libstdc++, libgcc_s, libwinpthread) live.
mingw_runtime_dirs() {
    local dll
    for dll in libstdc++-6.dll libwinpthread-1.dll; do
        dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")"
    done
}

# The Wine prefix of the Windows checks, made on first use. Wine's own fonts go
# into its Fonts folder: without Tahoma, which stands in for the Windows dialog
# font, Qt would measure text in a font several times too tall. Given a dpi
# other than 96, a prefix of its own whose display scale is set to it, as
# Windows' display settings set it (LogPixels: 144 is 150 %, 192 is 200 %).
# FM_WINE_PREFIX names a copy of the prefix made for one run instead.
use_wine_prefix() {
    local dpi=${1:-96}
    export WINEPREFIX=${FM_WINE_PREFIX:-$FM_CACHE/wine} WINEDEBUG=${WINEDEBUG:--all}
    [ "$dpi" = 96 ] || WINEPREFIX=$FM_CACHE/wine-$dpi-dpi
    # No Mono or Gecko installers: nothing here needs .NET or HTML.
    export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
    [ -f "$WINEPREFIX/.ready" ] && return
    echo "==> Making the Wine prefix $WINEPREFIX"
    # A prefix left half made by a run that was stopped is made anew.
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    [ "$dpi" = 96 ] ||
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -w
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    touch "$WINEPREFIX/.ready"
}

# The test suites run side by side under Wine, each in a slot of its own: a
# Wine prefix and an X display. In one Wine session or on one display, a
# window one suite shows takes the activation from another's, whose open
# editor then closes. Slot 0 is the prefix and display in use; the others are
# copies of that prefix on X servers of their own, listed in FM_WINE_SLOTS
# ("prefix|display" entries, separated by ";") for scripts/wine-run.
wine_slot_servers=()
start_wine_slots() {
    local count=$1 slot prefix display display_file
    FM_WINE_SLOTS="$WINEPREFIX|$DISPLAY"
    for ((slot = 1; slot < count; slot++)); do
        prefix=$WINEPREFIX-slot$slot
        if [ ! -f "$prefix/.ready" ]; then
            rm -rf "$prefix"
            cp -a "$WINEPREFIX" "$prefix"
        fi
        display_file=$(mktemp)
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
        wine_slot_servers+=("$!")
        for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
        [ -s "$display_file" ] || fail "the X server of Wine slot $slot did not start"
        display=:$(cat "$display_file")
        rm -f "$display_file"
        FM_WINE_SLOTS+=";$prefix|$display"
        # Its services start here, away from the output CTest waits on to close.
        (export WINEPREFIX=$prefix DISPLAY=$display
            wineserver -p 120 || true
            wine cmd /c exit >/dev/null 2>&1)
    done
    export FM_WINE_SLOTS
}
# Ends the Wine sessions and X servers of the slots start_wine_slots made.
stop_wine_slots() {
    local entry
    while IFS='|' read -r entry _; do
        [ -z "$entry" ] || WINEPREFIX=$entry wineserver -k 2>/dev/null || true
    done < <(tr ';' '\n' <<<"${FM_WINE_SLOTS:-}" | tail -n +2)
    [ ${#wine_slot_servers[@]} -eq 0 ] || kill "${wine_slot_servers[@]}" 2>/dev/null || true
}
# Takes a free slot for this process, waiting for one, and holds it on file
# descriptor 9 until the process ends: the Wine programs it starts get 9 closed,
# so that none that outlives it holds the slot.
take_wine_slot() {
    local prefix display
    while :; do
        while IFS='|' read -r prefix display; do
            exec 9>"$prefix.slot-lock"
            if flock -n 9; then
                export WINEPREFIX=$prefix DISPLAY=$display
                return
            fi
            exec 9>&-
        done < <(tr ';' '\n' <<<"$FM_WINE_SLOTS")
        sleep 0.2
    done
}
