# Sourced by scripts that need Debian's archive: they find it in this machine's
# own apt configuration, so they work behind any mirror.

# Prints one line per Debian binary-package source that apt has enabled here,
# from the one-line (.list) and deb822 (.sources) formats alike:
#   URI SUITE COMPONENT...
# Only suites of this machine's release count (bookworm, bookworm-updates,
# bookworm-security, ...), which leaves out third-party archives. Given another
# release's codename, the same archives with that release's suites (trixie,
# trixie-updates, trixie-security, ...): a mirror serves every release.
debian_apt_entries() {
    local codename release files
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [ -n "$codename" ] || { echo "error: /etc/os-release names no release codename" >&2; return 1; }
    release=${1:-$codename}
    files=$(ls /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
    [ -n "$files" ] || return 0
    # shellcheck disable=SC2086
    awk -v codename="$codename" -v release="$release" '
        function release_suite(suite) { return suite == codename || index(suite, codename "-") == 1 }
        function emit(uris, suites, components,   u, s, nu, ns, uri, suite) {
            nu = split(uris, uri, " "); ns = split(suites, suite, " ")
            for (u = 1; u <= nu; u++) for (s = 1; s <= ns; s++)
                if (release_suite(suite[s]))
                    print uri[u], release substr(suite[s], length(codename) + 1), components
        }
        function flush() {
            if (types ~ /(^| )deb( |$)/ && tolower(enabled) != "no") emit(uris, suites, components)
            types = uris = suites = components = enabled = ""
        }
        FNR == 1 { flush(); deb822 = FILENAME ~ /\.sources$/ }
        deb822 {
            if ($0 ~ /^[[:space:]]*$/) { flush(); next }
            if ($0 ~ /^#/) next
            field = tolower($1); sub(/:$/, "", field)
            value = $0; sub(/^[^:]*:[[:space:]]*/, "", value)
            if (field == "types") types = value
            else if (field == "uris") uris = value
            else if (field == "suites") suites = value
            else if (field == "components") components = value
            else if (field == "enabled") enabled = value
            next
        }
        $1 == "deb" {
            line = $0; sub(/#.*/, "", line); sub(/\[[^]]*\]/, "", line)
            n = split(line, word, " ")
            rest = ""; for (i = 4; i <= n; i++) rest = rest (rest == "" ? "" : " ") word[i]
            emit(word[2], word[3], rest)
        }
        END { flush() }
    ' $files
}

# The URI of the machine's main Debian archive: the first that serves the
# release itself. Given a release's codename, the same archive, for that release.
debian_mirror() {
    local release
    release=${1:-$(. /etc/os-release && echo "${VERSION_CODENAME:-}")}
    debian_apt_entries "$release" | awk -v release="$release" '$2 == release { print $1; exit }'
}
