// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings.h"
#include "teststate.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quorvel {
namespace {

struct LengthCase {
    const char *label;
    int seconds;
};

std::ostream &operator<<(std::ostream &os, const LengthCase &c)
{
    return os << '"' << c.label << "\" -> " << c.seconds;
}

class TestLengthTable : public testing::TestWithParam<LengthCase> {};

TEST_P(TestLengthTable, GivesSeconds)
{
    EXPECT_EQ(testSecondsFor(QString::fromUtf8(GetParam().label)), GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(Labels, TestLengthTable,
                         testing::Values(LengthCase{"1 Minute", 60}, LengthCase{"2 Minutes", 120},
                                         LengthCase{"3 Minutes", 180}, LengthCase{"5 Minutes", 300},
                                         LengthCase{"Unlimited", -999}));

// Labels match exactly, case and blanks included; everything else is a minute.
INSTANTIATE_TEST_SUITE_P(OtherText, TestLengthTable,
                         testing::Values(LengthCase{"", 60}, LengthCase{"unlimited", 60},
                                         LengthCase{"UNLIMITED", 60}, LengthCase{"5 minutes", 60},
                                         LengthCase{"5 Minutes ", 60}, LengthCase{" 2 Minutes", 60},
                                         LengthCase{"5 Minutes (standard test)", 60},
                                         LengthCase{"Unlimited (stop when you choose)", 60},
                                         LengthCase{"10", 60}));

TEST(Settings, StartUpValues)
{
    const TestState state;
    EXPECT_EQ(state.settings.TestLength, QStringLiteral("1 Minute"));
    EXPECT_EQ(state.settings.CorrectColor, 16711680u);
    EXPECT_EQ(state.settings.IncorrectColor, 255u);
    EXPECT_EQ(state.TestSeconds, 60);
}

} // namespace
} // namespace quorvel
