// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quorvel {

// Times as "s.t" under a minute and "m:ss.t" from a minute on. The value is rounded to tenths
// before it is split, so a clock never shows ":60.0".
QString FormatTime(float seconds);

// Formats with one of the patterns "0", "0.0" or "00.0". Rounds halves away from zero on the
// shortest decimal that round-trips the float, so 96.35f shows "96.4".
QString FormatNumber(float value, const QString &pattern);

} // namespace quorvel
