// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formatting.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace quorvel {
namespace {

struct Case {
    float value;
    const char *expected;
};

std::ostream &operator<<(std::ostream &os, const Case &c)
{
    return os << c.value << " -> \"" << c.expected << '"';
}

class FormatTimeTable : public testing::TestWithParam<Case> {};

TEST_P(FormatTimeTable, ShowsClockText)
{
    EXPECT_EQ(FormatTime(GetParam().value).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Documented, FormatTimeTable,
                         testing::Values(Case{0.0f, "0.0"}, Case{7.25f, "7.3"}, Case{59.9f, "59.9"},
                                         Case{60.0f, "1:00.0"}, Case{61.04f, "1:01.0"},
                                         Case{65.3f, "1:05.3"}, Case{300.0f, "5:00.0"},
                                         Case{754.5f, "12:34.5"}, Case{-0.4f, "-0.4"},
                                         Case{-3.5f, "-3.5"}));

// Rounding comes before the split into minutes, so no clock reads ":60.0".
INSTANTIATE_TEST_SUITE_P(CarryIntoMinutes, FormatTimeTable,
                         testing::Values(Case{119.97f, "2:00.0"}, Case{59.97f, "1:00.0"},
                                         Case{59.95f, "1:00.0"}, Case{59.94f, "59.9"},
                                         Case{3599.96f, "60:00.0"}, Case{600.04f, "10:00.0"}));

// Minutes are wide: nothing wraps at 546 minutes, nor at days.
INSTANTIATE_TEST_SUITE_P(LongTimes, FormatTimeTable,
                         testing::Values(Case{32760.0f, "546:00.0"}, Case{32820.0f, "547:00.0"},
                                         Case{86400.0f, "1440:00.0"}, Case{604800.0f, "10080:00.0"},
                                         Case{1.0e9f, "16666666:40.0"}));

// Negative times (time left past the end, unlimited tests) stay plain seconds with the sign.
INSTANTIATE_TEST_SUITE_P(Negative, FormatTimeTable,
                         testing::Values(Case{-0.04f, "0.0"}, Case{-0.05f, "-0.1"},
                                         Case{-59.96f, "-60.0"}, Case{-999.0f, "-999.0"},
                                         Case{-1059.25f, "-1059.3"}, Case{-0.0f, "0.0"}));

INSTANTIATE_TEST_SUITE_P(NotFinite, FormatTimeTable,
                         testing::Values(Case{std::numeric_limits<float>::quiet_NaN(), "0.0"},
                                         Case{std::numeric_limits<float>::infinity(), "0.0"},
                                         Case{-std::numeric_limits<float>::infinity(), "0.0"}));

TEST(FormatTime, HugeFiniteValueStaysPlainSeconds)
{
    const QString text = FormatTime(std::numeric_limits<float>::max());
    EXPECT_TRUE(text.startsWith(QLatin1String("340282346638528859811704183484516925440")));
    EXPECT_TRUE(text.endsWith(QLatin1String(".0")));
}

struct PatternCase {
    const char *pattern;
    float value;
    const char *expected;
};

std::ostream &operator<<(std::ostream &os, const PatternCase &c)
{
    return os << '"' << c.pattern << "\" " << c.value << " -> \"" << c.expected << '"';
}

class FormatNumberTable : public testing::TestWithParam<PatternCase> {};

TEST_P(FormatNumberTable, AppliesPattern)
{
    const PatternCase &c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, QString::fromLatin1(c.pattern)).toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Whole, FormatNumberTable,
    testing::Values(PatternCase{"0", 0.0f, "0"}, PatternCase{"0", 47.5f, "48"},
                    PatternCase{"0", 2.5f, "3"}, PatternCase{"0", 2.49f, "2"},
                    PatternCase{"0", 0.5f, "1"}, PatternCase{"0", 99.5f, "100"},
                    PatternCase{"0", 123456.0f, "123456"}, PatternCase{"0", -2.5f, "-3"},
                    PatternCase{"0", -47.4f, "-47"}, PatternCase{"0", -0.4f, "0"}));

INSTANTIATE_TEST_SUITE_P(
    OneDecimal, FormatNumberTable,
    testing::Values(PatternCase{"0.0", 100.0f, "100.0"}, PatternCase{"0.0", 93.75f, "93.8"},
                    PatternCase{"0.0", 96.35f, "96.4"}, PatternCase{"0.0", 0.25f, "0.3"},
                    PatternCase{"0.0", 0.05f, "0.1"}, PatternCase{"0.0", 0.04f, "0.0"},
                    PatternCase{"0.0", 9.95f, "10.0"}, PatternCase{"0.0", 99.96f, "100.0"},
                    PatternCase{"0.0", 0.0f, "0.0"}, PatternCase{"0.0", -3.25f, "-3.3"},
                    PatternCase{"0.0", -0.05f, "-0.1"}, PatternCase{"0.0", -0.04f, "0.0"},
                    PatternCase{"0.0", 1.0e-30f, "0.0"}));

INSTANTIATE_TEST_SUITE_P(
    TwoDigitSeconds, FormatNumberTable,
    testing::Values(PatternCase{"00.0", 0.0f, "00.0"}, PatternCase{"00.0", 5.3f, "05.3"},
                    PatternCase{"00.0", 9.95f, "10.0"}, PatternCase{"00.0", 34.5f, "34.5"},
                    PatternCase{"00.0", 1.25f, "01.3"}, PatternCase{"00.0", 59.94f, "59.9"},
                    PatternCase{"00.0", 123.45f, "123.5"}, PatternCase{"00.0", -5.3f, "-05.3"}));

INSTANTIATE_TEST_SUITE_P(
    NotFinite, FormatNumberTable,
    testing::Values(PatternCase{"0", std::numeric_limits<float>::quiet_NaN(), "0"},
                    PatternCase{"0.0", std::numeric_limits<float>::infinity(), "0.0"},
                    PatternCase{"00.0", -std::numeric_limits<float>::infinity(), "00.0"}));

// The nearest float to each of these lies just below the half; the figure still rounds up, as
// the decimal the float stands for says.
INSTANTIATE_TEST_SUITE_P(
    FloatJustBelowHalf, FormatNumberTable,
    testing::Values(PatternCase{"0.0", 0.45f, "0.5"}, PatternCase{"0.0", 0.35f, "0.4"},
                    PatternCase{"0.0", 2.55f, "2.6"}, PatternCase{"0.0", 8.15f, "8.2"},
                    PatternCase{"0.0", 1000.05f, "1000.1"}, PatternCase{"0", 0.5f, "1"}));

} // namespace
} // namespace quorvel
