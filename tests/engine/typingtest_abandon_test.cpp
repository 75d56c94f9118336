// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Abandon: the window closes in the middle of a test. The test ends as Stop ends it, but shows
// no results.
#include "typingtestrig.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(Abandon, EndsARunningTestWithoutResults)
{
    TypingTestRig rig({QStringLiteral("abcdefghij")});
    rig.start();
    rig.type(QStringLiteral("abx"));
    rig.tickAt(50500);
    ASSERT_EQ(rig.controls[Label::TimeLeft].color, kRed);

    rig.test.abandon();

    EXPECT_FALSE(rig.test.isRunning());
    EXPECT_FALSE(rig.timer.active);
    EXPECT_EQ(rig.timer.stops, 1);
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(rig.test.state().ElapsedMs, 0);
    EXPECT_EQ(rig.passage.currentChar(), -1);
    EXPECT_TRUE(rig.controls.isEnabled(Control::Start));
    EXPECT_FALSE(rig.controls.isEnabled(Control::Typing));
    EXPECT_EQ(rig.controls[Label::TimeLeft].color, kBlack);

    // Whatever was already on its way finds the test over.
    rig.tickAt(70000);
    rig.press(U'd');
    rig.test.cmdStop_Click();
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(rig.test.state().TotalChars, 3);
    EXPECT_EQ(rig.caption(Label::Time), "50.5");
}

TEST(Abandon, DoesNothingWhenNoTestRuns)
{
    TypingTestRig rig({QStringLiteral("abc")});
    rig.controls.log.clear();
    rig.test.abandon();
    EXPECT_TRUE(rig.controls.log.empty());
    EXPECT_EQ(rig.timer.stops, 0);

    rig.start();
    rig.test.cmdStop_Click();
    rig.controls.log.clear();
    rig.test.abandon();
    EXPECT_TRUE(rig.controls.log.empty());
    EXPECT_EQ(rig.timer.stops, 1);
    EXPECT_EQ(rig.messages.shown.size(), 1u);
}

// After an abandoned test the next Start is a fresh one.
TEST(Abandon, LeavesTheEngineReadyForANewTest)
{
    TypingTestRig rig({QStringLiteral("abc")});
    rig.start();
    rig.type(QStringLiteral("ab"));
    rig.test.abandon();

    rig.start();
    rig.type(QStringLiteral("a"));
    rig.tickAt(60000);

    EXPECT_FALSE(rig.test.isRunning());
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.test.state().TotalChars, 1);
}

} // namespace
} // namespace quorvel
