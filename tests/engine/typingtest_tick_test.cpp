// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "typingtestrig.h"

#include <gtest/gtest.h>
#include <iterator>

namespace quorvel {
namespace {

const QString kTenLetters = QStringLiteral("abcdefghij");

// The five figures as the window shows them. Formatting turns a NaN or an infinity into "0", so
// only the exact texts tell a 0/0 or a negative time apart from a sound figure.
struct Figures {
    const char *speed;
    const char *accuracy;
    const char *netSpeed;
    const char *time;
    const char *timeLeft;
};

void expectFigures(const TypingTestRig &rig, const Figures &want)
{
    EXPECT_EQ(rig.caption(Label::Speed), QLatin1String(want.speed));
    EXPECT_EQ(rig.caption(Label::Accuracy), QLatin1String(want.accuracy));
    EXPECT_EQ(rig.caption(Label::NetSpeed), QLatin1String(want.netSpeed));
    EXPECT_EQ(rig.caption(Label::Time), QLatin1String(want.time));
    EXPECT_EQ(rig.caption(Label::TimeLeft), QLatin1String(want.timeLeft));
}

TEST(Tick, ThirtySecondsHundredKeysFourErrors)
{
    TypingTestRig rig({kTenLetters.repeated(12)});
    rig.start();
    rig.type(kTenLetters.repeated(9) + "abcdefXXXX");
    ASSERT_EQ(rig.test.state().TotalChars, 100);
    ASSERT_EQ(rig.test.state().ErrorCount, 4);

    rig.tickAt(30000);

    EXPECT_EQ(rig.caption(Label::Speed), "40");
    EXPECT_EQ(rig.caption(Label::Accuracy), "96.0");
    EXPECT_EQ(rig.caption(Label::NetSpeed), "38");
    EXPECT_EQ(rig.caption(Label::Time), "30.0");
    EXPECT_EQ(rig.caption(Label::TimeLeft), "30.0");
    EXPECT_EQ(rig.test.state().ElapsedMs, 30000);
}

TEST(Tick, BeforeAnyKeyEveryTickShowsTheResetFigures)
{
    TypingTestRig rig({kTenLetters});
    rig.start();
    const int resetWrites = rig.controls[Label::Accuracy].captionWrites;
    for (qint64 ms = 0; ms <= 12000; ms += 50) {
        rig.tickAt(ms);
        ASSERT_EQ(rig.caption(Label::Accuracy), "100.0") << ms;
        ASSERT_EQ(rig.caption(Label::Speed), "0") << ms;
        ASSERT_EQ(rig.caption(Label::NetSpeed), "0") << ms;
    }
    EXPECT_EQ(rig.controls[Label::Accuracy].captionWrites, resetWrites) << "no tick wrote it";
    EXPECT_EQ(rig.caption(Label::Time), "12.0");
    EXPECT_EQ(rig.caption(Label::TimeLeft), "48.0");
}

TEST(Tick, SpeedsChangeOnlyInTheFirstFiftyMillisecondsOfASecond)
{
    TypingTestRig rig({kTenLetters.repeated(10)});
    rig.start();
    rig.type(kTenLetters);
    rig.tickAt(500);
    EXPECT_EQ(rig.caption(Label::Speed), "0");
    EXPECT_EQ(rig.caption(Label::Accuracy), "100.0");
    rig.tickAt(1000); // 2 words in 1/60 minute
    EXPECT_EQ(rig.caption(Label::Speed), "120");
    EXPECT_EQ(rig.caption(Label::NetSpeed), "120");
    rig.type("X" + kTenLetters.repeated(2).mid(1));
    rig.tickAt(1100);
    EXPECT_EQ(rig.caption(Label::Speed), "120");
    EXPECT_EQ(rig.caption(Label::Accuracy), "96.7");
    rig.tickAt(2049); // 6 words in 1/30 minute
    EXPECT_EQ(rig.caption(Label::Speed), "176");
    EXPECT_EQ(rig.caption(Label::NetSpeed), "170");
}

TEST(Tick, NoElapsedTimeShowsZeroSpeedsAndLeavesAccuracy)
{
    TypingTestRig rig({kTenLetters});
    rig.start();
    rig.type(QStringLiteral("aX"));
    rig.tickAt(0);
    expectFigures(rig, {"0", "100.0", "0", "0.0", "1:00.0"});
    rig.tickAt(50);
    expectFigures(rig, {"0", "50.0", "0", "0.1", "1:00.0"});
    rig.tickAt(1000); // 0.4 words in 1/60 minute, half of them right
    expectFigures(rig, {"24", "50.0", "12", "1.0", "59.0"});
}

TEST(Tick, AClockThatStepsBackHoldsTheTimeAtZero)
{
    TypingTestRig rig({kTenLetters});
    rig.start();
    rig.type(QStringLiteral("abc"));
    rig.tickAt(3000);
    expectFigures(rig, {"12", "100.0", "12", "3.0", "57.0"});
    rig.tickAt(-5000);
    expectFigures(rig, {"0", "100.0", "0", "0.0", "1:00.0"});
    EXPECT_TRUE(rig.test.isRunning());
    rig.tickAt(6000);
    expectFigures(rig, {"6", "100.0", "6", "6.0", "54.0"});
}

// Ticks every 50 ms from the first regular tick, then one more at lateMs; returns when it stopped.
struct TimedRun {
    qint64 warnedAt = -1;
    qint64 stoppedAt = -1;
};

TimedRun runOneMinute(TypingTestRig &rig, qint64 lastRegularMs, qint64 lateMs)
{
    TimedRun run;
    rig.start();
    auto tick = [&](qint64 ms) {
        rig.tickAt(ms);
        if (run.warnedAt < 0 && rig.controls[Label::TimeLeft].color == kRed) {
            EXPECT_TRUE(rig.controls[Label::TimeLeft].bold);
            run.warnedAt = ms;
        }
        if (run.stoppedAt < 0 && !rig.test.isRunning())
            run.stoppedAt = ms;
    };
    for (qint64 ms = 50; ms <= lastRegularMs && run.stoppedAt < 0; ms += 50)
        tick(ms);
    if (run.stoppedAt < 0)
        tick(lateMs);
    return run;
}

TEST(Tick, OneMinuteTestWarnsAtTenSecondsAndStopsAtZero)
{
    TypingTestRig rig({kTenLetters});
    const TimedRun run = runOneMinute(rig, 70000, 70000);
    EXPECT_EQ(run.warnedAt, 50000);
    EXPECT_EQ(run.stoppedAt, 60000);
    EXPECT_FALSE(rig.timer.active);
    EXPECT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.caption(Label::TimeLeft), "0.0");
    EXPECT_EQ(rig.controls[Label::TimeLeft].color, kBlack);
    EXPECT_FALSE(rig.controls[Label::TimeLeft].bold);
}

// The warning belongs to each test: a second test warns again at its own ten seconds left.
TEST(Tick, EveryTimedTestWarnsAtItsOwnTenSeconds)
{
    TypingTestRig rig({kTenLetters});
    const TimedRun first = runOneMinute(rig, 70000, 70000);
    ASSERT_EQ(first.stoppedAt, 60000);
    const TimedRun second = runOneMinute(rig, 70000, 70000);
    EXPECT_EQ(second.warnedAt, 50000);
    EXPECT_EQ(second.stoppedAt, 60000);

    // Stopped by hand inside the warning, then started again.
    rig.start();
    rig.tickAt(50000);
    ASSERT_EQ(rig.controls[Label::TimeLeft].color, kRed);
    rig.test.cmdStop_Click();
    EXPECT_EQ(runOneMinute(rig, 70000, 70000).warnedAt, 50000);
}

TEST(Tick, ALateTickStillEndsATimedTest)
{
    TypingTestRig rig({kTenLetters});
    const TimedRun run = runOneMinute(rig, 59950, 65000);
    EXPECT_EQ(run.stoppedAt, 65000);
    EXPECT_EQ(rig.caption(Label::TimeLeft), "-5.0");
    EXPECT_EQ(rig.caption(Label::Time), "1:05.0");
    EXPECT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_FALSE(rig.timer.active);
}

// Nothing shows it, yet the hidden time-left figure is kept at every tick: -999 seconds less the
// time since Start. The instants are the warning and stop windows of every timed length, where
// an unlimited test must do nothing. (The ten-hour run is in soak_test.cpp.)
TEST(Tick, UnlimitedTestKeepsItsHiddenTimeLeftAndNeverStopsOrWarns)
{
    struct Instant {
        qint64 ms;
        const char *timeLeft;
    };
    static constexpr Instant kInstants[] = {
        {1000, "-1000.0"},   {50000, "-1049.0"},  {50500, "-1049.5"},  {60000, "-1059.0"},
        {60100, "-1059.1"},  {110000, "-1109.0"}, {120000, "-1119.0"}, {170000, "-1169.0"},
        {180000, "-1179.0"}, {290000, "-1289.0"}, {299900, "-1298.9"}, {300000, "-1299.0"},
        {300700, "-1299.7"}, {360000, "-1359.0"},
    };
    TypingTestRig rig({QStringLiteral("abc")}, QStringLiteral("Unlimited"));
    rig.controls.recordLog = false;
    rig.start();
    ASSERT_FALSE(rig.controls[Label::TimeLeft].visible);
    const Instant *next = std::begin(kInstants);
    for (qint64 ms = 50; ms <= 6 * 60000; ms += 50) {
        rig.tickAt(ms);
        ASSERT_TRUE(rig.test.isRunning()) << ms;
        if (next != std::end(kInstants) && next->ms == ms) {
            EXPECT_EQ(rig.caption(Label::TimeLeft), QLatin1String(next->timeLeft)) << ms;
            ++next;
        }
    }
    EXPECT_EQ(next, std::end(kInstants)) << "an instant off the 50 ms grid was never checked";
    EXPECT_FALSE(rig.controls[Label::TimeLeft].visible);
    EXPECT_TRUE(rig.timer.active);
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(rig.controls[Label::TimeLeft].colorWrites, 0);
    EXPECT_EQ(rig.controls[Label::TimeLeft].boldWrites, 0);
}

// A test on "ab", with "cde" queued as the passage that follows it.
void startOnAbBeforeCde(TypingTestRig &rig)
{
    rig.random.push(0.0f);
    rig.random.push(0.75f);
    rig.start();
}

void expectCdeFromItsStart(const TypingTestRig &rig)
{
    EXPECT_EQ(rig.passage.text(), "cde");
    EXPECT_EQ(rig.test.state().PassageLen, 3);
    EXPECT_EQ(rig.test.state().CharPos, 0);
    EXPECT_EQ(rig.controls.typing, QString());
}

// Typed to its last character and not one key further, a passage is finished.
TEST(Tick, ReplacesAPassageTypedExactlyToItsLastCharacter)
{
    TypingTestRig rig({QStringLiteral("ab"), QStringLiteral("cde")});
    startOnAbBeforeCde(rig);
    rig.type(QStringLiteral("ab"));
    ASSERT_EQ(rig.test.state().CharPos, 2);
    rig.tickAt(500);
    expectCdeFromItsStart(rig);
}

TEST(Tick, ReplacesTheFinishedPassageAtTheFirstTickAfterItsEnd)
{
    TypingTestRig rig({QStringLiteral("ab"), QStringLiteral("cde")});
    startOnAbBeforeCde(rig);
    rig.type(QStringLiteral("a"));
    rig.tickAt(500);
    EXPECT_EQ(rig.passage.text(), "ab") << "not finished yet";
    rig.type(QStringLiteral("bxy"));
    EXPECT_EQ(rig.test.state().CharPos, 4);

    rig.tickAt(1000);

    expectCdeFromItsStart(rig);
    EXPECT_EQ(rig.controls.clearCount, 2);
    EXPECT_EQ(rig.passage.currentChar(), -1) << "the first character stays unmarked";
    EXPECT_EQ(rig.passage.selStart(), 0);
    EXPECT_EQ(rig.passage.selLength(), 1);
    EXPECT_EQ(rig.test.state().TotalChars, 4);
    EXPECT_EQ(rig.test.state().ErrorCount, 2);

    rig.type(QStringLiteral("c"));
    EXPECT_EQ(rig.passage.styleAt(0).color, kBlue);
    EXPECT_EQ(rig.passage.currentChar(), 1);
    EXPECT_EQ(rig.test.state().TotalChars, 5);
}

} // namespace
} // namespace quorvel
