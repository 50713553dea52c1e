#!/bin/sh
# Compiles the Windows resource script with the MinGW cross resource compiler
# and checks the result holds exactly the icon group IDI_ICON1 (US English)
# with the bevelled icon's image. Skipped (77) where no windres is installed.
# Usage: windows_rc_has_icon.sh <src/app folder> <scratch folder>
set -eu
windres=$(command -v x86_64-w64-mingw32-windres || true)
if [ -z "$windres" ]; then
    echo "x86_64-w64-mingw32-windres not found (package binutils-mingw-w64-x86-64)"
    exit 77
fi
app=$1
work=$2
mkdir -p "$work"
# windres resolves the icon path from the include folders, as the build does.
"$windres" --include-dir="$app" -i "$app/function-mapping.rc" -O res -o "$work/icon.res"

hex() { od -An -v -tx1 "$@" | tr -d ' \n'; }
res=$(hex "$work/icon.res")
utf16() { printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n' | sed 's/\(..\)/\100/g'; }
name=$(utf16 IDI_ICON1)0000

# A .res entry header: type (0xFFFF, id), name, padding, data version,
# memory flags, language. RT_GROUP_ICON is 14, RT_ICON is 3, 0x0409 is US English.
count() { printf '%s' "$res" | grep -o "$1" | wc -l; }
fail() { echo "FAIL: $1"; exit 1; }
[ "$(count "ffff0e00${name}00000000....0904")" -eq 1 ] || fail "no US English icon group IDI_ICON1"
[ "$(count "ffff0e00")" -eq 1 ] || fail "more than one icon group"
[ "$(count "ffff0300")" -eq 1 ] || fail "not exactly one icon image"
image=$(hex -j 22 "$app/../ui/resources/oro.ico")
case $res in
    *"$image"*) ;;
    *) fail "the icon image is not the bevelled oro.ico" ;;
esac
echo "icon group IDI_ICON1 found"
