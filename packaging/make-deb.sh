#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package from a built tree: installs it into a scratch root, adds what a
# Debian package carries (copyright, changelog, compressed manual page, stripped binary) and
# packs it with dpkg-deb. Every byte of the result follows from the sources and one timestamp,
# SOURCE_DATE_EPOCH, by default the time of the last commit: file times are that time, owners
# root, modes fixed, and compressed files keep no name or time of their own.
# Usage: make-deb.sh <build dir> <output dir>; prints the path of the .deb.
set -euo pipefail

usage="usage: make-deb.sh <build dir> <output dir>"
src=$(cd "$(dirname "$0")/.." && pwd)
build=$(readlink -f "${1:?$usage}")
mkdir -p "${2:?$usage}"
out=$(readlink -f "$2")
deb_files=$src/packaging/deb

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    # Only this checkout's own history counts, not that of a repository it happens to lie in.
    if [ "$(git -C "$src" rev-parse --show-toplevel 2>/dev/null)" = "$src" ]; then
        SOURCE_DATE_EPOCH=$(git -C "$src" log -1 --format=%ct)
    else
        SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$deb_files/changelog" -STimestamp)
    fi
fi
export SOURCE_DATE_EPOCH

version=$(dpkg-parsechangelog -l "$deb_files/changelog" -SVersion)
built_version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
if [ "$version" != "$built_version" ]; then
    echo "make-deb: packaging/deb/changelog is at $version but the build is $built_version" >&2
    exit 1
fi
arch=$(dpkg --print-architecture)

work=$(mktemp -d /tmp/quorvel-make-deb.XXXXXX)
trap 'rm -rf "$work"' EXIT
root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null

doc=$root/usr/share/doc/quorvel
mkdir -p "$doc"
cp "$deb_files/copyright" "$doc/copyright"
gzip -9n <"$deb_files/changelog" >"$doc/changelog.gz"
gzip -9n "$root/usr/share/man/man1/quorvel.1"
program=$root/usr/lib/quorvel/quorvel
# What Debian's own packages drop: the debugging sections, the compiler's version string and
# the empty .note section.
strip --remove-section=.comment --remove-section=.note "$program"

find "$root" -type d -exec chmod 0755 {} +
find "$root" -type f -perm /111 -exec chmod 0755 {} +
find "$root" -type f ! -perm /111 -exec chmod 0644 {} +

# dpkg-shlibdeps wants to run in a source tree; an empty control file is all it reads there.
mkdir -p "$work/shlibs/debian" "$root/DEBIAN"
touch "$work/shlibs/debian/control"
shlibs=$(cd "$work/shlibs" && dpkg-shlibdeps -O -e"$program" | sed -n 's/^shlibs:Depends=//p')
# The way dpkg-gencontrol counts: each file rounded up to a KiB, and one KiB for each folder.
installed_size=$(find "$root/usr" \( -type f -printf '%s\n' \) -o \( -type d -printf '1024\n' \) |
    awk '{ kib += int(($1 + 1023) / 1024) } END { print kib }')

cat >"$root/DEBIAN/control" <<CONTROL
Package: quorvel
Version: $version
Architecture: $arch
Maintainer: The Quorvel developers <mail@quorvel.example.org>
Installed-Size: $installed_size
Depends: $shlibs, fonts-liberation
Recommends: qt6-wayland
Section: education
Priority: optional
Homepage: https://quorvel.example.org/
Description: typing-speed test
 Quorvel shows a passage of text chosen at random and judges every key typed
 against it at once: right characters take one colour and wrong ones another,
 and a wrong key is not retried. While the test runs it shows the time, the
 time left, the speed in words per minute, the accuracy and the net speed, and
 a small car moves along the window with every right key.
 .
 A test lasts 1, 2, 3 or 5 minutes, or as long as you like, and ends with a
 summary of the results. The program runs on X11, and natively on Wayland when
 qt6-wayland is installed.
CONTROL
(cd "$root" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
chmod 0644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"

find "$root" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
deb=$out/quorvel_${version}_${arch}.deb
dpkg-deb --root-owner-group -Zxz --threads-max=1 --build "$root" "$deb" >/dev/null
echo "$deb"
