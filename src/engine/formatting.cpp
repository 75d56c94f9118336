// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formatting.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace quorvel {

namespace {

// Room for the longest fixed-point float (39 integer digits, or "0." and 45 decimals), the
// carry digit, the minus sign and the pattern's padding.
constexpr int kBufferSize = 128;
// Patterns never ask for more; the cap keeps a malformed pattern inside the buffer.
constexpr int kMaxPatternDigits = 16;

// |value| rounded half away from zero to a fixed number of decimals, as decimal digits with the
// point left out: 96.35f with one decimal gives "964". Rounding works on the shortest decimal
// that round-trips the float, which is the number the user means, not on the binary value just
// below it.
struct RoundedDigits {
    char digits[kBufferSize];
    int length = 0;
    bool negative = false;

    bool isZero() const
    {
        for (int i = 0; i < length; ++i) {
            if (digits[i] != '0') {
                return false;
            }
        }
        return true;
    }
};

RoundedDigits roundDecimal(float value, int decimals)
{
    RoundedDigits out;
    // Non-finite values have no sensible figure; they show as zero rather than as garbage.
    if (!std::isfinite(value)) {
        value = 0.0f;
    }
    out.negative = std::signbit(value);

    char text[kBufferSize];
    const auto result =
        std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::fixed);
    const char *end = result.ptr;
    const char *point = text;
    while (point != end && *point != '.') {
        ++point;
    }

    // A leading zero takes the carry of 9.95 -> 10.0.
    out.digits[out.length++] = '0';
    for (const char *p = text; p != point; ++p) {
        out.digits[out.length++] = *p;
    }
    const char *fraction = point == end ? end : point + 1;
    const int fractionLength = int(end - fraction);
    for (int i = 0; i < decimals; ++i) {
        out.digits[out.length++] = i < fractionLength ? fraction[i] : '0';
    }

    // The shortest form ends at its last significant digit, so a 5 in the first dropped place
    // means the value is at or past the half: round the magnitude up.
    if (decimals < fractionLength && fraction[decimals] >= '5') {
        int i = out.length - 1;
        while (out.digits[i] == '9') {
            out.digits[i--] = '0';
        }
        ++out.digits[i];
    }
    return out;
}

// Writes the rounded digits with the point put back, at least minIntegerDigits before it and a
// minus sign unless the shown value is zero.
int writeFixed(const RoundedDigits &rounded, int decimals, int minIntegerDigits, char *out)
{
    int first = 0;
    const int integerDigits = rounded.length - decimals;
    const int keep = std::max(minIntegerDigits, 1);
    while (integerDigits - first > keep && rounded.digits[first] == '0') {
        ++first;
    }
    int n = 0;
    // "-0.0" would claim a sign the shown figure does not have.
    if (rounded.negative && !rounded.isZero()) {
        out[n++] = '-';
    }
    for (int pad = integerDigits - first; pad < minIntegerDigits; ++pad) {
        out[n++] = '0';
    }
    for (int i = first; i < rounded.length; ++i) {
        if (i == integerDigits) {
            out[n++] = '.';
        }
        out[n++] = rounded.digits[i];
    }
    return n;
}

// Tenths in the rounded digits, or -1 from about 10^17 seconds on, where 64 bits run out.
std::int64_t tenthsOf(const RoundedDigits &rounded)
{
    std::int64_t tenths = 0;
    for (int i = 0; i < rounded.length; ++i) {
        if (tenths >= 100'000'000'000'000'000) {
            return -1;
        }
        tenths = tenths * 10 + (rounded.digits[i] - '0');
    }
    return tenths;
}

int writeUnsigned(std::int64_t value, int minDigits, char *out)
{
    char reversed[24];
    int n = 0;
    do {
        reversed[n++] = char('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n < minDigits) {
        reversed[n++] = '0';
    }
    for (int i = 0; i < n; ++i) {
        out[i] = reversed[n - 1 - i];
    }
    return n;
}

} // namespace

QString FormatTime(float seconds)
{
    // Rounding comes before the split, so 119.97 carries into the minutes as "2:00.0".
    const RoundedDigits rounded = roundDecimal(seconds, 1);
    const std::int64_t tenths = tenthsOf(rounded);
    char text[kBufferSize];
    int n = 0;
    if (!rounded.negative && tenths >= 600) {
        n += writeUnsigned(tenths / 600, 1, text + n);
        text[n++] = ':';
        const std::int64_t restTenths = tenths % 600;
        n += writeUnsigned(restTenths / 10, 2, text + n);
        text[n++] = '.';
        text[n++] = char('0' + restTenths % 10);
    } else {
        // Under a minute, negative, or too large to split: plain seconds.
        n = writeFixed(rounded, 1, 1, text);
    }
    return QString::fromLatin1(text, n);
}

QString FormatNumber(float value, const QString &pattern)
{
    int integerZeros = 0;
    int decimals = 0;
    bool afterPoint = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('.')) {
            afterPoint = true;
        } else if (c == QLatin1Char('0')) {
            ++(afterPoint ? decimals : integerZeros);
        }
    }
    integerZeros = std::min(integerZeros, kMaxPatternDigits);
    decimals = std::min(decimals, kMaxPatternDigits);

    char text[kBufferSize];
    const int n = writeFixed(roundDecimal(value, decimals), decimals, integerZeros, text);
    return QString::fromLatin1(text, n);
}

} // namespace quorvel
