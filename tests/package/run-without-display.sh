#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A newcomer's first `bash scripts/run` on a machine with no display: one line saying what to do,
# and a plain failure, not Qt's abort with a core dump.
set -uo pipefail
cd "$(dirname "$0")/../.."
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM bash scripts/run 2>&1)
status=$?
echo "exit status $status: $output"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ "$status" -ne 0 ] || fail "scripts/run succeeded with no display"
# 128 and above is a death by signal, such as Qt's abort.
[ "$status" -lt 128 ] || fail "scripts/run was killed by signal $((status - 128))"
[ "$(wc -l <<<"$output")" -eq 1 ] || fail "scripts/run printed more than one line"
grep -q 'xvfb-run' <<<"$output" || fail "the hint does not mention xvfb-run"
grep -q 'desktop session' <<<"$output" || fail "the hint does not mention a desktop session"
