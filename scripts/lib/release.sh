# Sourced by the release scripts. A release carries one date, its commit's (a
# caller's SOURCE_DATE_EPOCH wins), handed to every tool that would otherwise
# stamp the time of the build or of the checkout's files: rcc, CPack, makensis.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    scripts/install-deps git
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) ||
        fail "not a git checkout; set SOURCE_DATE_EPOCH to the release's date"
fi
QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH
export SOURCE_DATE_EPOCH QT_RCC_SOURCE_DATE_OVERRIDE
echo "==> Release date $(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S UTC') (SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH)"

# Nor do the caller's settings show: CPack and zip store the modes files get
# on disk, zip stores local times, and sort follows the locale.
umask 022
export TZ=UTC LC_ALL=C.UTF-8

# rcc stamps the date when it runs, and reruns only when the icons change: make
# it run in this build, so that an earlier build's date cannot linger.
forget_resources() { [ ! -d "$1" ] || find "$1" -name 'qrc_*.cpp' -path '*_autogen/*' -delete; }

# Writes the SHA256SUMS of the files given, in the folder given, and shows it.
write_checksums() {
    local dir=$1
    shift
    (cd "$dir" && sha256sum "$@" >SHA256SUMS)
    echo "==> $dir/SHA256SUMS:"
    cat "$dir/SHA256SUMS"
}
