#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the .deb as scripts/package does, with dpkg-buildpackage (without the test suite, which
# the caller runs), and checks it the way a distribution would (lintian, hardening-check, the
# manual page) and the way a user gets it: unpacked into a scratch root, its dependencies, its
# files, the desktop entry and metainfo, and the installed program started offscreen, on an X
# server and natively on a Wayland compositor, each time until its main window is up.
# Usage: test-deb.sh [--keep-shot <png>] <output dir>
#   --keep-shot    copies the screenshot taken on the Wayland compositor to <png>
set -euo pipefail

keep_shot=""
while [ $# -gt 1 ]; do
    case $1 in
    --keep-shot) keep_shot=$(readlink -f "$2") && shift ;;
    *) break ;;
    esac
    shift
done
out=${1:?usage: test-deb.sh [--keep-shot <png>] <output dir>}
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -d "$here/../../debian" ]; then
    # A release tarball leaves Debian's packaging out; distributions bring their own.
    echo "SKIP: no debian/ beside the sources, as in a release tarball: no .deb to build"
    exit 77
fi
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

# Runs the command every 0.1 s until it succeeds, for at most the given number of seconds.
wait_for() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while [ "$tries" -gt 0 ]; do
        "$@" && return 0
        tries=$((tries - 1))
        sleep 0.1
    done
    return 1
}

echo "-- dpkg-buildpackage"
deb=$(DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" bash "$here/../../scripts/package" "$out") ||
    fail "scripts/package did not build the package"
echo "built $(basename "$deb")"
out=$(dirname "$deb")
version=$(dpkg-deb -f "$deb" Version)
build_tree=$(echo "$out"/quorvel-*/obj-"$(dpkg-architecture -qDEB_HOST_GNU_TYPE)")

echo "-- dependencies"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The Qt platform plugins are only a recommendation of libqt6gui6, and without them no window opens.
for needed in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-liberation; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed"
done
# Without it Qt runs the program through XWayland on a Wayland desktop, blurred at fractional
# scales.
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "the package does not recommend qt6-wayland"

echo "-- files"
# Every member belongs to root, bears the time of the latest changelog entry, and has one of the
# two modes Debian gives files and folders; only the two links differ.
changelog_time=$(date -u -d "@$(dpkg-parsechangelog -l "$out"/quorvel-*/debian/changelog -STimestamp)" \
    '+%Y-%m-%d %H:%M')
while read -r mode owner _ day time name _; do
    case $mode in
    d* | -rwxr-xr-x) ;;
    -rw-r--r--) ;;
    l*) case $name in ./usr/bin/quorvel | ./usr/libexec/quorvel/data) ;; *) fail "unexpected link $name" ;; esac ;;
    *) fail "$name has mode $mode" ;;
    esac
    [ "$owner" = root/root ] || fail "$name belongs to $owner"
    [ "$day $time" = "$changelog_time" ] || fail "$name bears the time $day $time, not $changelog_time"
done < <(dpkg-deb -c "$deb")
root=$scratch/root
dpkg -x "$deb" "$root"
usr=$root/usr
program=$usr/libexec/quorvel/quorvel
[ -x "$program" ] && [ ! -L "$program" ] || fail "libexec/quorvel/quorvel is missing or not executable"
[ "$(readlink "$usr/bin/quorvel")" = ../libexec/quorvel/quorvel ] ||
    fail "bin/quorvel is not a relative link to libexec/quorvel/quorvel"
[ -f "$usr/share/quorvel/data" ] && [ ! -L "$usr/share/quorvel/data" ] ||
    fail "share/quorvel/data is missing or not a plain file"
[ "$(readlink "$usr/libexec/quorvel/data")" = ../../share/quorvel/data ] ||
    fail "libexec/quorvel/data is not a relative link to share/quorvel/data"
cmp -s "$usr/share/quorvel/data" "$here/../../data/data" || fail "share/quorvel/data is not data/data"
for size in 32 64 128 256; do
    icon=$usr/share/icons/hicolor/${size}x${size}/apps/org.quorvel.Quorvel.png
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "no ${size}x${size} PNG icon"
done
doc=$usr/share/doc/quorvel
head -n 1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
    fail "doc/quorvel/copyright is not a machine-readable copyright file"
[ "$(gzip -dc "$doc/changelog.Debian.gz" | dpkg-parsechangelog -l - -SVersion)" = "$version" ] ||
    fail "the changelog's latest entry is not this package's version"
file "$program" | grep -q ', stripped' || fail "the program is not stripped"
if readelf -S "$program" | grep -Eq ' \.(comment|note) '; then
    fail "the program keeps its .comment or .note section"
fi
if readelf -d "$program" | grep -Eq '\((RPATH|RUNPATH)\)'; then
    fail "the program has a run path"
fi
dbgsym=$out/quorvel-dbgsym_${version}_$(dpkg-deb -f "$deb" Architecture).deb
build_id=$(readelf -n "$program" | sed -n 's/^ *Build ID: //p')
dbgsym_files=$(dpkg-deb -c "$dbgsym")
grep -q "/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug$" <<<"$dbgsym_files" ||
    fail "the debug symbols' package has no symbols for the program's build ID $build_id"

echo "-- manual page"
manpage=$usr/share/man/man1/quorvel.1.gz
[ -s "$manpage" ] || fail "no manual page"
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manpage" >"$scratch/man.txt" 2>"$scratch/man.err" ||
    fail "man cannot render the manual page"
[ ! -s "$scratch/man.err" ] || { cat "$scratch/man.err" >&2; fail "man warns about the manual page"; }
for section in NAME SYNOPSIS DESCRIPTION FILES KEYS 'EXIT STATUS' ENVIRONMENT; do
    grep -q "^$section\$" "$scratch/man.txt" || fail "the manual page has no $section section"
done
for word in QT_SCALE_FACTOR QT_QPA_PLATFORM Windows-1252 Esc Tab Double-click \
    /usr/share/quorvel/data /usr/libexec/quorvel; do
    grep -q -- "$word" "$scratch/man.txt" || fail "the manual page does not mention $word"
done

echo "-- desktop entry and metainfo"
desktop-file-validate "$usr/share/applications/org.quorvel.Quorvel.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/org.quorvel.Quorvel.metainfo.xml"
bash "$here/release-date.sh" "$out"/quorvel-*/debian/changelog \
    "$usr/share/metainfo/org.quorvel.Quorvel.metainfo.xml" "$manpage"

echo "-- lintian --pedantic"
# Both packages, through the .changes. Lintian only prints a warning of its own about running as
# root.
status=0
lintian --pedantic --display-info --fail-on error,warning "$out/quorvel_${version}_"*.changes \
    >"$scratch/lintian.txt" 2>&1 || status=$?
grep -v '^running with root privileges is not recommended!$' "$scratch/lintian.txt" || true
[ "$status" -eq 0 ] || fail "lintian found errors or warnings"
echo "lintian: no error, no warning"

echo "-- hardening-check"
# Two lines cannot say yes for a reason outside this program (see docs/building.md): Debian 12's own
# start files carry no control-flow marking, and with _FORTIFY_SOURCE=2 the compiler finds no
# call whose size it knows. So the compile commands must show the hardening flags too.
hardening-check --nocfprotection --nofortify "$program" || fail "hardening-check failed"
bash "$here/hardening-flags.sh" "$build_tree/compile_commands.json"

# Starts the installed launcher in the background on the given platform, with the further
# arguments given to env before it; its stderr goes to $scratch/run.err.
start() {
    local platform=$1
    shift
    env "$@" QT_QPA_PLATFORM="$platform" "$usr/bin/quorvel" >/dev/null 2>"$scratch/run.err" &
    pids+=("$!")
}

running() { kill -0 "${pids[-1]}" 2>/dev/null; }

# A start-up fault (say, the passage file not found beside the program) is reported on stderr,
# prefixed with the program's name, before its message box waits for OK.
check_no_startup_error() {
    if grep -q '^quorvel: ' "$scratch/run.err"; then
        cat "$scratch/run.err" >&2
        fail "the installed program reported a start-up error"
    fi
}

# Offscreen there is no window to look at, so the sign that start-up is over is the main thread
# waiting in its event loop: in poll or ppoll at five looks in a row. A start-up error is written
# before its message box starts an event loop of its own. The two calls' numbers differ from one
# architecture to the next (some have no poll at all), so the C library's headers give them.
poll_calls=" $(printf '#include <sys/syscall.h>\nSYS_poll SYS_ppoll\n' | cpp -P | tail -n 1) "
[[ "$poll_calls" =~ \ [0-9]+\  ]] || fail "no system call number for poll or ppoll:$poll_calls"
idle_looks=0
idle_in_event_loop() {
    running || return 0
    local call
    call=$(cut -d ' ' -f 1 "/proc/${pids[-1]}/syscall" 2>/dev/null) || call=none
    if [[ "$poll_calls" == *" $call "* ]]; then
        idle_looks=$((idle_looks + 1))
    else
        idle_looks=0
    fi
    [ "$idle_looks" -ge 5 ]
}

echo "-- start offscreen"
start offscreen
wait_for 20 idle_in_event_loop || fail "the program did not settle in its event loop within 20 s"
running || { cat "$scratch/run.err" >&2; fail "the program exited"; }
check_no_startup_error
kill "${pids[-1]}"
echo "running and idle, with no start-up error"

# On a real X server the main window itself can be seen: a top-level window titled "Quorvel"
# with the main window's client size. The start-up error box has the same title but another size.
echo "-- start on an X server"
# -displayfd picks a free display, so the test can run beside other X servers.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
pids+=("$!")
wait_for 10 test -s "$scratch/display" || fail "Xvfb did not start"
display=:$(cat "$scratch/display")
start xcb DISPLAY="$display"
shown=""
main_window_on_x() {
    shown=$(DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep -E '"Quorvel": .* 377x339\+') ||
        ! running
}
wait_for 10 main_window_on_x || true
check_no_startup_error
[ -n "$shown" ] || { cat "$scratch/run.err" >&2; fail "the main window did not appear"; }
echo "main window shown:$shown"

# Natively on Wayland: the platform is wayland alone, with no X server to fall back to, and the
# program must write nothing at all to stderr. Weston's headless backend draws into memory, and
# its screenshooter (allowed by --debug) shows what it drew.
echo "-- start on a Wayland compositor"
runtime=$scratch/runtime
mkdir -m 0700 "$runtime"
socket=quorvel-test-$$
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --width=640 \
    --height=480 --idle-time=0 --socket="$socket" --debug >"$scratch/weston.log" 2>&1 &
pids+=("$!")
weston_pid=$!
wayland=(XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket")
compositor_up() { [ -S "$runtime/$socket" ] || ! kill -0 "$weston_pid" 2>/dev/null; }
wait_for 10 compositor_up && [ -S "$runtime/$socket" ] ||
    { cat "$scratch/weston.log" >&2; fail "weston did not start"; }
# The window's own colours are checked below, so the desktop's theme and style are left out.
start wayland -u DISPLAY -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE "${wayland[@]}"
shots=$scratch/shots
mkdir "$shots"
shot=""
# The main window is up once much of the screen has the window colour of Qt's own palette; the
# desktop behind it has none.
face=0
main_window_on_wayland() {
    rm -f "$shots"/*.png
    (cd "$shots" && env "${wayland[@]}" weston-screenshooter >/dev/null 2>&1) || return 1
    shot=$(find "$shots" -name '*.png' | head -n 1)
    [ -n "$shot" ] || return 1
    face=$(convert "$shot" -alpha off -fill black +opaque '#EFEFEF' -fill white -opaque '#EFEFEF' \
        -format '%[fx:int(mean*w*h+0.5)]' info:)
    [ "$face" -ge 60000 ] || ! running
}
wait_for 20 main_window_on_wayland || true
running || { cat "$scratch/run.err" >&2; fail "the program exited on Wayland"; }
if [ -s "$scratch/run.err" ]; then
    cat "$scratch/run.err" >&2
    fail "the program wrote to stderr on Wayland"
fi
[ "$face" -ge 60000 ] || fail "no main window in the screenshot ($face pixels of window colour)"
# The options summary writes its two colour lines in blue and red: the window's inside is drawn.
blue=$(convert "$shot" -alpha off -fx 'b-r>0.5 && b-g>0.5' -format '%[fx:int(mean*w*h+0.5)]' info:)
[ "$blue" -ge 50 ] || fail "the window's contents are not drawn (only $blue blue pixels)"
echo "main window shown: $face pixels of window colour, $blue of blue text"
[ -z "$keep_shot" ] || cp "$shot" "$keep_shot"

echo "package test passed"
