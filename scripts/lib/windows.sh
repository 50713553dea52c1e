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
