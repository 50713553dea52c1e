#!/bin/sh
# The menu's launcher: the user's decoders.ini is made from the sample on the
# first start and kept after, whatever it holds; without a usable data folder
# the window still opens, on the sample. --edit-list makes the same copy and
# hands it to xdg-open.
# Usage: launcher.sh LAUNCHER PROGRAM SAMPLE-DIR WORK-DIR
set -eu
launcher=$1 program=$(readlink -f "$2") samples=$3 work=$4
rm -rf "$work"
mkdir -p "$work/home"
export HOME="$work/home" QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES=default.debug=true
unset XDG_DATA_HOME
own=$HOME/.local/share/function-mapping
fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs the launcher until the program it starts has printed the line given
# (the first CV it read), then ends it; leaves the program's folder in $cwd.
start() {
    sh "$launcher" >"$work/log" 2>&1 &
    pid=$! tries=0
    until [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$program" ] && { [ -z "$1" ] || grep -qF "$1" "$work/log"; }; do
        kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$work/log")"
        tries=$((tries + 1))
        [ "$tries" -lt 300 ] || { kill "$pid"; fail "no window after 30 s: $(cat "$work/log")"; }
        sleep 0.1
    done
    cwd=$(readlink "/proc/$pid/cwd")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

echo "first start: the sample is copied into the user's folder"
start '0 "1"'
cmp "$samples/decoders.ini" "$own/decoders.ini" || fail "no copy of the sample"
[ "$cwd" = "$own" ] || fail "started in $cwd"
[ ! -e "$own/.decoders.ini.$pid" ] || fail "temporary copy left behind"

echo "later starts: an edited, an empty file and a dangling link are kept"
printf '[Mine]\nCV33 = 77\n' >"$own/decoders.ini"
start '0 "77"'
[ "$(cat "$own/decoders.ini")" = "$(printf '[Mine]\nCV33 = 77')" ] || fail "edited file changed"
: >"$own/decoders.ini"
start ''
[ ! -s "$own/decoders.ini" ] || fail "empty file filled"
rm "$own/decoders.ini"
ln -s nowhere "$own/decoders.ini"
start ''
[ -L "$own/decoders.ini" ] || fail "dangling link replaced"
[ ! -e "$own/nowhere" ] || fail "dangling link followed"

echo "XDG_DATA_HOME is honoured"
export XDG_DATA_HOME="$work/data"
start '0 "1"'
cmp "$samples/decoders.ini" "$work/data/function-mapping/decoders.ini" || fail "not copied to XDG_DATA_HOME"

echo "a folder that cannot be made: a message, and the window on the sample"
: >"$work/file"
export XDG_DATA_HOME="$work/file/data"
start '0 "1"'
grep -q "^function-mapping: cannot use $work/file/data/function-mapping" "$work/log" || fail "no message: $(cat "$work/log")"
[ "$cwd" = "$(readlink -f "$samples")" ] || fail "started in $cwd"
echo "--edit-list: the copy made as at a start, then opened; an edited list opened as it is"
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$*" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export XDG_DATA_HOME="$work/edit" PATH="$work/bin:$PATH"
list=$work/edit/function-mapping/decoders.ini
sh "$launcher" --edit-list || fail "--edit-list failed"
cmp "$samples/decoders.ini" "$list" || fail "--edit-list made no copy of the sample"
printf '[Mine]\n' >"$list"
sh "$launcher" --edit-list || fail "--edit-list failed on an edited list"
[ "$(cat "$list")" = "[Mine]" ] || fail "--edit-list changed the edited list"
[ "$(cat "$work/opened")" = "$(printf '%s\n%s' "$list" "$list")" ] || fail "xdg-open got: $(cat "$work/opened")"

echo "--edit-list: an opener that fails is reported, also as a desktop notification"
printf '#!/bin/sh\nexit 4\n' >"$work/bin/xdg-open"
printf '#!/bin/sh\necho "$*" >"%s/notified"\n' "$work" >"$work/bin/notify-send"
chmod +x "$work/bin/notify-send"
! sh "$launcher" --edit-list 2>"$work/log" || fail "--edit-list succeeded though xdg-open failed"
grep -qF "xdg-open could not open $list (exit status 4)" "$work/log" || fail "no message: $(cat "$work/log")"
grep -qF "xdg-open could not open $list (exit status 4)" "$work/notified" || fail "no notification"
echo "all passed"
