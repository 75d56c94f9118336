// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The test-length table that the settings, the Options exchange and the dialog all read, checked
// row by row against the lengths as the windows promise them.
#include "settings.h"
#include "testlengths.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quorvel {
namespace {

struct Row {
    const char *name;
    TimeOption option;
    const char *label;
    int seconds;
    const char *caption;
};

std::ostream &operator<<(std::ostream &os, const Row &row)
{
    return os << row.label;
}

// In the order the exchange tests the option buttons: 1, 2, 3 and 5 minutes, then unlimited.
constexpr Row kRows[] = {
    {"OneMinute", TimeOption::OneMinute, "1 Minute", 60, "1 Minute"},
    {"TwoMinutes", TimeOption::TwoMinutes, "2 Minutes", 120, "2 Minutes"},
    {"ThreeMinutes", TimeOption::ThreeMinutes, "3 Minutes", 180, "3 Minutes"},
    {"FiveMinutes", TimeOption::FiveMinutes, "5 Minutes", 300, "5 Minutes (standard test)"},
    {"Unlimited", TimeOption::Unlimited, "Unlimited", -999, "Unlimited (stop when you choose)"},
};

class TestLengthRow : public testing::TestWithParam<Row> {};

TEST_P(TestLengthRow, HoldsItsLabelSecondsAndCaption)
{
    const Row &row = GetParam();
    const TestLengthEntry &entry = testLengthFor(row.option);
    EXPECT_EQ(QString(entry.label), QLatin1String(row.label));
    EXPECT_EQ(entry.seconds, row.seconds);
    EXPECT_EQ(QString(entry.caption), QLatin1String(row.caption));
    EXPECT_EQ(testLengthForLabel(QLatin1String(row.label)).option, row.option);
}

INSTANTIATE_TEST_SUITE_P(Lengths, TestLengthRow, testing::ValuesIn(kRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TestLengths, AreListedInTheOrderTheExchangeTestsThem)
{
    ASSERT_EQ(kTestLengths.size(), std::size(kRows));
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        EXPECT_EQ(QString(kTestLengths[i].label), QLatin1String(kRows[i].label)) << i;
}

// Labels match exactly, case and blanks included; a caption is not a label.
TEST(TestLengths, TheStartUpLengthIsAMinuteAndStandsInForUnknownText)
{
    EXPECT_EQ(Settings().TestLength, QStringLiteral("1 Minute"));
    for (const char *unknown : {"", "1 minute", "Unlimited ", "5 Minutes (standard test)",
                                "Unlimited (stop when you choose)", "60"})
        EXPECT_EQ(testLengthForLabel(QString::fromUtf8(unknown)).option, TimeOption::OneMinute)
            << unknown;
}

} // namespace
} // namespace quorvel
