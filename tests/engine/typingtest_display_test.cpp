// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "typingtestrig.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quorvel {
namespace {

struct ResetCase {
    const char *testLength;
    int seconds;
    bool timeLeftShown;
    const char *timeLeft; // caption after the reset; the old one stays when hidden
};

void PrintTo(const ResetCase &c, std::ostream *out)
{
    *out << '"' << c.testLength << '"';
}

class ResetDisplayTable : public ::testing::TestWithParam<ResetCase> {};

TEST_P(ResetDisplayTable, SetsFiguresSecondsAndOptionsSummary)
{
    const ResetCase c = GetParam();
    TypingTestRig rig({QStringLiteral("abc")});
    rig.controls.setCaption(Label::TimeLeft, QStringLiteral("old"));
    rig.controls.setCaption(Label::Speed, QStringLiteral("77"));
    Settings settings;
    settings.TestLength = QString::fromUtf8(c.testLength);
    rig.test.setSettings(settings);

    rig.test.ResetDisplay();

    EXPECT_EQ(rig.test.state().TestSeconds, c.seconds);
    EXPECT_EQ(rig.caption(Label::Speed), "0");
    EXPECT_EQ(rig.caption(Label::Accuracy), "100.0");
    EXPECT_EQ(rig.caption(Label::NetSpeed), "0");
    EXPECT_EQ(rig.caption(Label::Time), "0.0");
    EXPECT_EQ(rig.controls[Label::TimeLeft].visible, c.timeLeftShown);
    EXPECT_EQ(rig.caption(Label::TimeLeft), QString::fromUtf8(c.timeLeft));
    EXPECT_EQ(rig.caption(Label::OptionsTime), "Test length: " + settings.TestLength);
}

INSTANTIATE_TEST_SUITE_P(TypingTest, ResetDisplayTable,
                         ::testing::Values(ResetCase{"1 Minute", 60, true, "1:00.0"},
                                           ResetCase{"5 Minutes", 300, true, "5:00.0"},
                                           ResetCase{"Unlimited", -999, false, "old"},
                                           ResetCase{"1 minute", 60, true, "1:00.0"},
                                           ResetCase{"Half an hour", 60, true, "1:00.0"}));

TEST(ResetDisplay, WritesInItsOrderAndLeavesTheWarningAlone)
{
    TypingTestRig rig({QStringLiteral("abc")});
    Settings settings;
    settings.TestLength = QStringLiteral("2 Minutes");
    settings.CorrectColor = 0x00FF00;
    settings.IncorrectColor = 0x123456;
    rig.test.setSettings(settings);
    rig.controls.setTextColor(Label::TimeLeft, kRed);
    rig.controls.setBold(Label::TimeLeft, true);
    rig.controls.log.clear();

    rig.test.ResetDisplay();

    const std::vector<QString> want{
        "caption Speed=0",
        "caption Accuracy=100.0",
        "caption NetSpeed=0",
        "caption Time=0.0",
        "visible TimeLeft=1",
        "caption TimeLeft=2:00.0",
        "caption OptionsTime=Test length: 2 Minutes",
        QStringLiteral("color OptionsCorrect=%1").arg(0x00FF00),
        QStringLiteral("color OptionsIncorrect=%1").arg(0x123456),
    };
    EXPECT_EQ(rig.controls.log, want);
    EXPECT_EQ(rig.controls[Label::TimeLeft].color, kRed);
    EXPECT_TRUE(rig.controls[Label::TimeLeft].bold);
}

TEST(FormLoad, PutsSettingsFiguresAndCarToTheirStartUpValues)
{
    TypingTestRig rig({QStringLiteral("abc")}, QStringLiteral("Unlimited"));
    rig.controls.car = 4000;
    rig.controls.setCaption(Label::Accuracy, QStringLiteral("12.5"));

    rig.test.Form_Load();

    EXPECT_EQ(rig.test.settings().TestLength, "1 Minute");
    EXPECT_EQ(rig.test.settings().CorrectColor, kBlue);
    EXPECT_EQ(rig.test.settings().IncorrectColor, kRed);
    EXPECT_EQ(rig.test.state().TestSeconds, 60);
    EXPECT_EQ(rig.caption(Label::Accuracy), "100.0");
    EXPECT_EQ(rig.caption(Label::TimeLeft), "1:00.0");
    EXPECT_EQ(rig.caption(Label::OptionsTime), "Test length: 1 Minute");
    EXPECT_EQ(rig.controls[Label::OptionsCorrect].color, kBlue);
    EXPECT_EQ(rig.controls[Label::OptionsIncorrect].color, kRed);
    EXPECT_EQ(rig.controls.car, 2760);
    EXPECT_FALSE(rig.test.isRunning());
}

} // namespace
} // namespace quorvel
