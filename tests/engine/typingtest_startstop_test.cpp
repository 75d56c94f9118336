// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "typingtestrig.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

const Control kButtons[] = {Control::Start, Control::Instructions, Control::Options, Control::About,
                            Control::Exit};

void expectRunningControls(const FakeControls &controls, bool running)
{
    for (Control button : kButtons)
        EXPECT_EQ(controls.isEnabled(button), !running) << controlName(button);
    EXPECT_EQ(controls.isEnabled(Control::Stop), running);
    EXPECT_EQ(controls.isEnabled(Control::Typing), running);
}

QByteArray results(const char *speed, const char *accuracy, const char *net, const char *time)
{
    return QByteArray("Speed:\t\t") + speed + " wpm\r\nAccuracy:\t" + accuracy +
           "%\r\nNet Speed:\t" + net + " wpm\r\nTime:\t\t" + time;
}

TEST(Start, ShowsAFreshPassageAndLocksEverythingButStop)
{
    TypingTestRig rig({QStringLiteral("Hello there")});
    rig.clock.now = 123456;
    rig.controls.log.clear();

    rig.start();

    expectRunningControls(rig.controls, true);
    EXPECT_EQ(rig.controls.focusCount, 1);
    EXPECT_EQ(rig.controls.clearCount, 1);
    EXPECT_EQ(rig.controls.log.front(), "caption Speed=0") << "the display is reset first";
    EXPECT_EQ(rig.controls.log.back(), "focus");
    EXPECT_EQ(rig.passage.text(), "Hello there");
    EXPECT_EQ(rig.test.state().PassageLen, 11);
    EXPECT_EQ(rig.passage.currentChar(), 0);
    EXPECT_EQ(rig.passage.selStart(), 0);
    EXPECT_EQ(rig.passage.selLength(), 1);
    EXPECT_TRUE(rig.timer.active);
    EXPECT_EQ(rig.test.state().StartTick, 123456);
    EXPECT_EQ(rig.test.state().ElapsedMs, 0);
    EXPECT_TRUE(rig.test.isRunning()) << "running before the first tick too";
}

TEST(Start, AfterStopClearsCountersColoursAndTypingButKeepsTheCar)
{
    TypingTestRig rig({QStringLiteral("one"), QStringLiteral("two")});
    rig.random.push(0.0f);
    rig.start();
    rig.type(QStringLiteral("oxe"));
    rig.tickAt(1000);
    rig.test.cmdStop_Click();
    const int car = rig.controls.car;
    ASSERT_EQ(car, 2880);

    rig.random.push(0.9f);
    rig.start();

    EXPECT_EQ(rig.passage.text(), "two");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(rig.passage.styleAt(i).color, kBlack);
    EXPECT_EQ(rig.test.state().CharPos, 0);
    EXPECT_EQ(rig.test.state().TotalChars, 0);
    EXPECT_EQ(rig.test.state().ErrorCount, 0);
    EXPECT_EQ(rig.controls.typing, QString());
    EXPECT_EQ(rig.caption(Label::Speed), "0");
    EXPECT_EQ(rig.caption(Label::Accuracy), "100.0");
    EXPECT_EQ(rig.controls.car, car);
}

TEST(Start, WhileRunningIsIgnored)
{
    TypingTestRig rig({QStringLiteral("abc")});
    rig.start();
    rig.type(QStringLiteral("ab"));
    rig.test.cmdStart_Click();
    EXPECT_EQ(rig.test.state().CharPos, 2);
    EXPECT_EQ(rig.timer.starts, 1);
}

TEST(Stop, RestoresTheControlsAndShowsTheFiguresOnScreen)
{
    TypingTestRig rig({QStringLiteral("abcdefghij")});
    rig.start();
    rig.type(QStringLiteral("abXd"));
    rig.tickAt(50000); // into the warning window
    rig.type(QStringLiteral("ef"));
    rig.tickAt(50500);
    ASSERT_EQ(rig.controls[Label::TimeLeft].color, kRed);

    rig.test.cmdStop_Click();

    expectRunningControls(rig.controls, false);
    EXPECT_FALSE(rig.timer.active);
    EXPECT_FALSE(rig.test.isRunning());
    EXPECT_EQ(rig.test.state().ElapsedMs, 0);
    EXPECT_EQ(rig.controls[Label::TimeLeft].color, kBlack);
    EXPECT_FALSE(rig.controls[Label::TimeLeft].bold);
    EXPECT_EQ(rig.passage.currentChar(), -1);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    // Speed and net speed stay those of the tick at 50 s; accuracy and time are the last tick's.
    EXPECT_EQ(rig.messages.shown[0].text().toUtf8(), results("1", "83.3", "1", "50.5"));
}

TEST(Stop, BeforeTheFirstTickReportsTheResetFigures)
{
    TypingTestRig rig({QStringLiteral("abc")});
    rig.start();
    rig.type(QStringLiteral("ab"));
    rig.test.cmdStop_Click();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].text().toUtf8(), results("0", "100.0", "0", "0.0"));
}

TEST(Stop, ResultsTextIsTheFourTabAlignedLines)
{
    EXPECT_EQ(Results::title(), "Typing Speed Results");
    EXPECT_EQ(Results("42", "96.5", "41", "1:00.0").text().toUtf8(),
              QByteArray("Speed:\t\t42 wpm\r\nAccuracy:\t96.5%\r\nNet Speed:\t41 wpm\r\n"
                         "Time:\t\t1:00.0"));
}

TEST(Stop, LeavesColoursCountersAndTypingAsTheyAre)
{
    TypingTestRig rig({QStringLiteral("a cat")});
    rig.start();
    rig.type(QStringLiteral("a d"));
    rig.tickAt(2000);
    const TestState before = rig.test.state();
    std::vector<PassageModel::CharStyle> styles;
    for (int i = 0; i < rig.passage.length(); ++i)
        styles.push_back(rig.passage.styleAt(i));

    rig.test.cmdStop_Click();

    EXPECT_EQ(rig.test.state().CharPos, before.CharPos);
    EXPECT_EQ(rig.test.state().TotalChars, before.TotalChars);
    EXPECT_EQ(rig.test.state().ErrorCount, before.ErrorCount);
    EXPECT_EQ(rig.controls.typing, "a d");
    EXPECT_EQ(rig.controls.clearCount, 1);
    EXPECT_EQ(rig.passage.text(), "a cat");
    for (int i = 0; i < rig.passage.length(); ++i) {
        EXPECT_EQ(rig.passage.styleAt(i).color, styles[size_t(i)].color) << i;
        EXPECT_EQ(rig.passage.styleAt(i).spaceCue, styles[size_t(i)].spaceCue) << i;
    }
    EXPECT_TRUE(styles[3].current) << "the next character was marked";
    EXPECT_FALSE(rig.passage.styleAt(3).current) << "and Stop unmarks it";
}

TEST(Stop, RunsOnceEvenWhenEventsArriveWhileTheResultsAreOpen)
{
    TypingTestRig rig({QStringLiteral("abc")});
    rig.start();
    rig.type(QStringLiteral("a"));
    rig.tickAt(1000);
    rig.messages.onShow = [&rig] {
        rig.tickAt(70000);
        rig.test.cmdStop_Click();
        rig.press(U'b');
    };

    rig.test.cmdStop_Click();
    rig.test.cmdStop_Click();

    EXPECT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.timer.stops, 1);
    EXPECT_EQ(rig.test.state().TotalChars, 1);
    EXPECT_EQ(rig.caption(Label::Time), "1.0");
    EXPECT_EQ(rig.controls.typing, "a");
}

// Esc and a late tick both reach Stop while idle; it must then do nothing at all.
TEST(Stop, WhileIdleDoesNothing)
{
    TypingTestRig rig({QStringLiteral("abc")});
    rig.controls.log.clear();
    rig.test.cmdStop_Click(); // before any test
    EXPECT_TRUE(rig.controls.log.empty());
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(rig.timer.stops, 0);

    rig.start();
    rig.test.cmdStop_Click();
    rig.controls.log.clear();
    rig.test.cmdStop_Click(); // after one
    EXPECT_TRUE(rig.controls.log.empty());
    EXPECT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.timer.stops, 1);
}

} // namespace
} // namespace quorvel
