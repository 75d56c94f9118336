#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts Quorvel from its own folder, which also holds its passage file. The path is worked out
# from where this script really lies, so the installed tree can be moved anywhere.
exec "$(dirname "$(readlink -f "$0")")/../lib/quorvel/quorvel" "$@"
