#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The release is recorded upstream (CMakeLists.txt), and the metainfo's latest release and the
# manual page's header take it from there; Debian's latest changelog entry must follow it: the
# same upstream version, and the release's date for its first revision, no earlier one after.
# A release tarball has no debian/, and then there is nothing to compare (exit 77).
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

release=$(grep -m 1 -o '<release [^>]*>' "$metainfo") || fail "$metainfo has no release"
[[ "$release" =~ \ version=\"([^\"]+)\"\ date=\"([0-9]{4}-[0-9]{2}-[0-9]{2})\" ]] ||
    fail "the metainfo's latest release has no version and date: $release"
version=${BASH_REMATCH[1]}
date=${BASH_REMATCH[2]}
echo "release: version $version of $date"
header=$(zcat -f "$manpage" | grep -m 1 '^\.TH ') || fail "$manpage has no .TH line"
[ "$header" = ".TH QUORVEL 1 $date \"Quorvel $version\" \"User Commands\"" ] ||
    fail "the manual page's header is $header"

if [ ! -e "$changelog" ]; then
    echo "SKIP: no $changelog here, as in a release tarball: no Debian changelog to compare"
    exit 77
fi
full=$(dpkg-parsechangelog -l "$changelog" -SVersion)
upstream=${full#*:}
upstream=${upstream%-*}
# The date as written in the entry ("Mon, 07 Dec 2026 12:00:00 +0000"), whatever its time zone.
read -r _ day month year _ < <(dpkg-parsechangelog -l "$changelog" -SDate)
entry_date=$(LC_ALL=C date -u -d "$day $month $year" +%F) || fail "the changelog's date is unreadable"
echo "changelog: version $full of $entry_date"
[ "$upstream" = "$version" ] ||
    fail "debian/changelog is at upstream version $upstream, the release at $version: give it an entry"
if [ "${full##*-}" = 1 ]; then
    [ "$entry_date" = "$date" ] || fail "the changelog's first entry for $version is of $entry_date, the release of $date"
else
    [[ ! "$entry_date" < "$date" ]] || fail "the changelog's entry of $entry_date comes before the release of $date"
fi
echo "the changelog follows the release"
