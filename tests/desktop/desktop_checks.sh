#!/bin/sh
# Checks of what a desktop sees of the program, run by ctest. Exits 77 (skipped) when the
# validator a check needs is not installed; tools/deps.sh installs them all.
#
#   desktop_checks.sh desktop-entry FILE       desktop-file-validate, with nothing to say
#   desktop_checks.sh metainfo FILE            appstreamcli validate --no-net: no errors and
#                                              no warnings
#   desktop_checks.sh man-page FILE            renders with man -l without a warning
#   desktop_checks.sh install BUILD LIST       cmake --install into a temporary DESTDIR with
#                                              prefix /usr holds exactly the files of LIST
set -u

skip() {
    echo "skipped: $1 is not installed (tools/deps.sh installs it)"
    exit 77
}

fail() {
    echo "FAILED: $1"
    exit 1
}

mode=$1
shift
case "$mode" in
desktop-entry)
    command -v desktop-file-validate >/dev/null || skip desktop-file-validate
    out=$(desktop-file-validate "$1" 2>&1) || fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate has remarks: $out"
    ;;
metainfo)
    command -v appstreamcli >/dev/null || skip appstreamcli
    out=$(appstreamcli validate --no-net --no-color "$1" 2>&1) || fail "appstreamcli: $out"
    echo "$out"
    if echo "$out" | grep -E '^(E|W):' >/dev/null; then fail "errors or warnings above"; fi
    ;;
man-page)
    command -v man >/dev/null || skip man
    command -v groff >/dev/null || skip groff
    err=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings=w -E UTF-8 -l "$1" 2>&1 >/dev/null) ||
        fail "man -l: $err"
    [ -z "$err" ] || fail "man -l warns: $err"
    ;;
install)
    build=$1
    list=$2
    root=$(mktemp -d)
    trap 'rm -rf "$root"' EXIT
    DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
    (cd "$root" && find . ! -type d | sed 's|^\./|/|' | LC_ALL=C sort) >"$root.found"
    LC_ALL=C sort "$list" | grep -v '^#' >"$root.wanted"
    if ! diff -u "$root.wanted" "$root.found"; then
        rm -f "$root.found" "$root.wanted"
        fail "the installed files differ from $list (- expected, + installed)"
    fi
    rm -f "$root.found" "$root.wanted"
    ;;
*)
    echo "usage: $0 desktop-entry|metainfo|man-page|install ..." >&2
    exit 2
    ;;
esac
echo "ok"
