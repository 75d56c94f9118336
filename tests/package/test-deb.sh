#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the .deb from a configured and built tree, unpacks it into a scratch root and checks
# what a user would get: its dependencies, its files, the desktop entry and metainfo, and that
# the installed program starts and shows its main window from wherever the tree lies.
# Usage: test-deb.sh <build dir>
set -euo pipefail

build=$(readlink -f "${1:?usage: test-deb.sh <build dir>}")
scratch=$(mktemp -d /tmp/quorvel-deb.XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

echo "-- cpack"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack did not build the package"; }
debs=("$scratch"/out/*.deb)
[ -f "${debs[0]}" ] || fail "no .deb in $scratch/out"
deb=${debs[0]}
echo "built $(basename "$deb")"

echo "-- dependencies"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed"
done

echo "-- files"
root=$scratch/root
dpkg -x "$deb" "$root"
usr=$root/usr
[ -x "$usr/bin/quorvel" ] || fail "bin/quorvel is missing or not executable"
[ -x "$usr/lib/quorvel/quorvel" ] || fail "lib/quorvel/quorvel is missing or not executable"
[ -s "$usr/lib/quorvel/data" ] || fail "lib/quorvel/data is missing or empty"
for size in 32 64 128 256; do
    icon=$usr/share/icons/hicolor/${size}x${size}/apps/org.quorvel.Quorvel.png
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "no ${size}x${size} PNG icon"
done

echo "-- desktop entry and metainfo"
desktop-file-validate "$usr/share/applications/org.quorvel.Quorvel.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/org.quorvel.Quorvel.metainfo.xml"

# Starts the installed launcher in the background with the given platform; its stderr goes to
# $scratch/run.err.
start() {
    QT_QPA_PLATFORM=$1 "$usr/bin/quorvel" >/dev/null 2>"$scratch/run.err" &
    pids+=("$!")
}

# A start-up fault (say, the passage file not found beside the program) is reported on stderr,
# prefixed with the program's name, before its message box waits for OK.
check_no_startup_error() {
    if grep -q '^quorvel: ' "$scratch/run.err"; then
        cat "$scratch/run.err" >&2
        fail "the installed program reported a start-up error"
    fi
}

echo "-- start offscreen"
start offscreen
sleep 2
kill -0 "${pids[-1]}" 2>/dev/null || { cat "$scratch/run.err" >&2; fail "the program exited"; }
check_no_startup_error
kill "${pids[-1]}"
echo "still running after 2 s with no start-up error"

# On a real X server the main window itself can be seen: a top-level window titled "Quorvel"
# with the main window's client size. The start-up error box has the same title but another size.
if command -v Xvfb >/dev/null && command -v xwininfo >/dev/null; then
    echo "-- start on an X server"
    # -displayfd picks a free display, so the test can run beside other X servers.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
    pids+=("$!")
    for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    [ -s "$scratch/display" ] || fail "Xvfb did not start"
    export DISPLAY=:$(cat "$scratch/display")
    start xcb
    shown=""
    for _ in $(seq 100); do
        shown=$(xwininfo -root -tree 2>/dev/null | grep -E '"Quorvel": .* 377x339\+' || true)
        [ -n "$shown" ] && break
        kill -0 "${pids[-1]}" 2>/dev/null || break
        sleep 0.1
    done
    check_no_startup_error
    [ -n "$shown" ] || { cat "$scratch/run.err" >&2; fail "the main window did not appear"; }
    echo "main window shown:$shown"
fi

echo "package test passed"
