// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorvel {

// The most passages a file may hold: the count has always been a 16-bit number.
inline constexpr int kMaxPassageCount = 32767;

// Reads a decimal number at the start of [begin, end), the way a count line has always been
// read: leading blanks are skipped, reading stops at the first character that cannot continue
// the number, and text without a number gives 0. "12 words" is 12, "1e3" is 1000.
double numericPrefix(const char *begin, const char *end);

// The count as a 16-bit integer would hold it: rounded to the nearest, halves to even.
// Returns 0 for anything outside 1 to kMaxPassageCount, which is never a valid count.
int passageCountFrom(double value);

} // namespace quorvel
