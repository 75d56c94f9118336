// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "countline.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace quorvel {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The digits of a number prefix. power is the number of integer digits after leading zeros, or
// minus the zeros that open the fraction: the rough power of ten that tells overflow from
// underflow when the value does not fit a double.
struct Mantissa {
    const char *end = nullptr;
    long long power = 0;
    bool hasDigit = false;
    bool nonZero = false;
};

Mantissa scanMantissa(const char *p, const char *end)
{
    Mantissa m;
    bool afterPoint = false;
    for (; p != end; ++p) {
        if (*p == '.' && !afterPoint) {
            afterPoint = true;
        } else if (isDigit(*p)) {
            m.hasDigit = true;
            m.nonZero = m.nonZero || *p != '0';
            if (!afterPoint && m.nonZero) {
                ++m.power;
            } else if (afterPoint && !m.nonZero) {
                --m.power;
            }
        } else {
            break;
        }
    }
    m.end = p;
    return m;
}

// An exponent counts only when digits follow its letter ("2e" is 2). Older files wrote "d" for
// "e". Returns where the number ends and sets exponent, clamped far beyond any useful count.
const char *scanExponent(const char *p, const char *end, long long &exponent)
{
    exponent = 0;
    if (p == end || (*p != 'e' && *p != 'E' && *p != 'd' && *p != 'D')) {
        return p;
    }
    const char *q = p + 1;
    bool negative = false;
    if (q != end && (*q == '+' || *q == '-')) {
        negative = *q++ == '-';
    }
    if (q == end || !isDigit(*q)) {
        return p;
    }
    for (; q != end && isDigit(*q); ++q) {
        exponent = std::min(exponent * 10 + (*q - '0'), 1'000'000'000LL);
    }
    exponent = negative ? -exponent : exponent;
    return q;
}

} // namespace

double numericPrefix(const char *p, const char *end)
{
    while (p != end && (*p == ' ' || *p == '\t')) {
        ++p;
    }
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p++ == '-';
    }
    const Mantissa mantissa = scanMantissa(p, end);
    if (!mantissa.hasDigit) {
        return 0.0;
    }
    long long exponent = 0;
    std::string text(p, scanExponent(mantissa.end, end, exponent));
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == 'd' || c == 'D'; }, 'e');
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = mantissa.nonZero && mantissa.power + exponent > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

int passageCountFrom(double value)
{
    if (!(value > 0.0 && value < kMaxPassageCount + 1.0)) {
        return 0;
    }
    double rounded = std::floor(value + 0.5);
    if (rounded - value == 0.5 && std::fmod(rounded, 2.0) != 0.0) {
        rounded -= 1.0;
    }
    return rounded >= 1.0 && rounded <= kMaxPassageCount ? int(rounded) : 0;
}

} // namespace quorvel
