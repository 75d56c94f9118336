#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The metainfo's latest release and the manual page's header give the version and date of the
# latest changelog entry: a release has one date wherever it is shown.
# Usage: release-date.sh <debian/changelog> <metainfo.xml> <quorvel.1 or quorvel.1.gz>
set -euo pipefail
usage="usage: release-date.sh <debian/changelog> <metainfo.xml> <manual page>"
changelog=${1:?$usage}
metainfo=${2:?$usage}
manpage=${3:?$usage}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

version=$(dpkg-parsechangelog -l "$changelog" -SVersion)
version=${version#*:}
version=${version%-*}
# The date as written in the entry ("Mon, 07 Dec 2026 12:00:00 +0000"), whatever its time zone.
read -r _ day month year _ < <(dpkg-parsechangelog -l "$changelog" -SDate)
date=$(LC_ALL=C date -u -d "$day $month $year" +%F) || fail "the changelog's date is unreadable"
echo "changelog: version $version of $date"

release=$(grep -m 1 -o '<release [^>]*>' "$metainfo") || fail "$metainfo has no release"
[[ "$release" == *" version=\"$version\""* ]] || fail "the metainfo's latest release is $release"
[[ "$release" == *" date=\"$date\""* ]] || fail "the metainfo's latest release is $release"

header=$(zcat -f "$manpage" | grep -m 1 '^\.TH ') || fail "$manpage has no .TH line"
[ "$header" = ".TH QUORVEL 1 $date \"Quorvel $version\" \"User Commands\"" ] ||
    fail "the manual page's header is $header"
echo "the metainfo and the manual page agree"
