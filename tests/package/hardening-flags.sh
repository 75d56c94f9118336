#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Every source of the program is compiled with the hardening flags Debian gives this
# architecture: those dpkg-buildflags adds for hardening=+all, and stack-clash and control-flow
# protection, which Debian 12's dpkg-buildflags does not know yet, wherever the compiler takes
# them. And the build folder is mapped away, so that no binary names it.
# Usage: hardening-flags.sh <compile_commands.json> [compiler]
set -euo pipefail
commands_file=${1:?usage: hardening-flags.sh <compile_commands.json> [compiler]}
compiler=${2:-g++}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

buildflags() {
    DEB_BUILD_MAINT_OPTIONS=$1 dpkg-buildflags --get CXXFLAGS
    DEB_BUILD_MAINT_OPTIONS=$1 dpkg-buildflags --get CPPFLAGS
}
# What hardening=+all adds to the flags without it, one flag a line.
hardening=$(comm -23 <(buildflags hardening=+all | tr ' ' '\n' | sort -u) \
    <(buildflags hardening=-all | tr ' ' '\n' | sort -u))
for flag in -fstack-clash-protection -fcf-protection; do
    if "$compiler" -Werror "$flag" -x c++ -c /dev/null -o /dev/null 2>/dev/null; then
        hardening+=$'\n'$flag
    fi
done
wanted=$(sort -u <<<"$hardening"$'\n-ffile-prefix-map')
grep -q -e '-fstack-protector-strong' <<<"$wanted" || fail "dpkg-buildflags gives no stack protection"

commands=$(grep -E '"command": .* -c [^ ]*/src/[^ ]*\.cpp"' "$commands_file") ||
    fail "no compile command for the program's sources in $commands_file"
while read -r flag; do
    if grep -v -q -e " $flag" <<<"$commands"; then
        fail "a source of the program is compiled without $flag"
    fi
done <<<"$wanted"
echo "every source of the program is compiled with" $wanted
