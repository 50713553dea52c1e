# Sourced first by every script: the repository's root, failing with a
# message, the build folder an argument names, and the cache folder kept
# between runs (Qt for Windows, Wine prefixes, Debian trees).
FM_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
FM_CACHE=${FM_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/function-mapping}
export FM_ROOT FM_CACHE

fail() {
    echo "error: $*" >&2
    exit 1
}

# The build folder the argument names (default: build), as an absolute path.
build_folder() {
    local dir=${1:-build}
    [[ $dir = /* ]] || dir=$FM_ROOT/$dir
    echo "$dir"
}

# A check that cannot have its tools is skipped, not failed: CTest counts exit
# status 77 as a skip.
install_or_skip() {
    "$FM_ROOT/scripts/install-deps" "$@" || { echo "skipped: cannot install $*" >&2; exit 77; }
}
