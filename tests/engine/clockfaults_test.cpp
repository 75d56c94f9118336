// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Timed tests on clocks that misbehave: jumps forward and back, stalls, jitter, and readings
// that cross the 32-bit range. Whatever the clock does, every figure stays a number, and the
// test ends at the first tick whose reading puts the time left at or below zero, never before.

#include "typingtestrig.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <functional>
#include <ostream>
#include <tuple>
#include <utility>

namespace quorvel {
namespace {

// What the clock reads, in ms since Start, when the true time since Start is t and the test is
// due to end at end.
struct ClockFault {
    const char *name;
    std::function<qint64(qint64 t, qint64 end)> reading;
};

std::ostream &operator<<(std::ostream &os, const ClockFault &fault)
{
    return os << fault.name;
}

const ClockFault kFaults[] = {
    {"Steady",
     [](qint64 t, qint64) {
         return t;
     }},
    {"JumpsForward5sNearTheEnd",
     [](qint64 t, qint64 end) {
         return t < end - 3000 ? t : t + 5000;
     }},
    {"JumpsBack10sNearTheEnd",
     [](qint64 t, qint64 end) {
         return t < end - 3000 ? t : t - 10000;
     }},
    {"JumpsBackToBeforeStart",
     [](qint64 t, qint64 end) {
         return t < end / 2 ? t : t - end;
     }},
    {"StallsHalfAMinute",
     [](qint64 t, qint64 end) {
         const qint64 from = end - 20000;
         return t < from ? t : (t < from + 30000 ? from : t - 30000);
     }},
    // Frozen across the end, then back to the true time: the first tick after is 5 s late.
    {"StallsAcrossTheEndThenCatchesUp",
     [](qint64 t, qint64 end) {
         return t < end - 1000 || t >= end + 5000 ? t : end - 1000;
     }},
    {"Jitters",
     [](qint64 t, qint64) {
         return t + ((t / 50) % 2 == 0 ? 30 : -30);
     }},
};

// Where the clock stands at Start: an ordinary reading, and one 20 s short of the 32-bit signed
// limit, where a clock kept in 32 bits would wrap during the test.
const qint64 kOrigins[] = {1000, (qint64(1) << 31) - 20000};

void expectFigures(const TypingTestRig &rig, qint64 t)
{
    static const QRegularExpression time(QStringLiteral("^-?(\\d+:[0-5]\\d|[1-5]?\\d)\\.\\d$"));
    static const QRegularExpression whole(QStringLiteral("^\\d+$"));
    static const QRegularExpression percent(QStringLiteral("^\\d{1,3}\\.\\d$"));
    const std::pair<Label, const QRegularExpression &> figures[] = {{Label::Time, time},
                                                                    {Label::TimeLeft, time},
                                                                    {Label::Speed, whole},
                                                                    {Label::NetSpeed, whole},
                                                                    {Label::Accuracy, percent}};
    for (const auto &[label, pattern] : figures)
        EXPECT_TRUE(pattern.match(rig.caption(label)).hasMatch())
            << "at " << t << " ms " << labelName(label) << " reads "
            << rig.caption(label).toStdString();
}

// The time label as the typist reads it once a minute has passed, "m:ss.t", to the nearest tenth.
QString minutesAndTenths(qint64 ms)
{
    const qint64 tenths = (ms + 50) / 100;
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600)
        .arg(tenths % 600 / 10, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

class ClockFaults : public testing::TestWithParam<std::tuple<ClockFault, const char *, qint64>> {};

TEST_P(ClockFaults, FiguresStayNumbersAndTheTestEndsAtItsFirstTickWithNoTimeLeft)
{
    const auto &[fault, length, origin] = GetParam();
    TypingTestRig rig({QStringLiteral("abcdefghij")}, QString::fromLatin1(length));
    rig.controls.recordLog = false;
    rig.clock.now = origin;
    rig.start();
    const qint64 end = qint64(testSecondsFor(QString::fromLatin1(length))) * 1000;

    qint64 stoppedAt = -1;
    for (qint64 t = 50; t <= 3 * end && stoppedAt < 0; t += 50) {
        // A key every 100 ms, every fifth one wrong, so speed and accuracy have work to do.
        const TestState &state = rig.test.state();
        if (t % 100 == 0)
            rig.press(t % 500 == 0 || state.CharPos >= state.PassageLen
                          ? U'#'
                          : rig.passage.charAt(state.CharPos));
        const qint64 reading = fault.reading(t, end);
        rig.tickAt(reading);
        expectFigures(rig, t);
        ASSERT_EQ(rig.test.isRunning(), reading < end)
            << "true time " << t << " reading " << reading;
        if (!rig.test.isRunning()) {
            stoppedAt = t;
            // The label shows the reading that ended the test.
            EXPECT_EQ(rig.caption(Label::Time), minutesAndTenths(reading));
        }
    }
    EXPECT_GT(stoppedAt, 0) << "never ended";
    EXPECT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_FALSE(rig.timer.active);
}

INSTANTIATE_TEST_SUITE_P(TimedTests, ClockFaults,
                         testing::Combine(testing::ValuesIn(kFaults),
                                          testing::Values("1 Minute", "5 Minutes"),
                                          testing::ValuesIn(kOrigins)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    (std::get<1>(info.param)[0] == '1' ? "1Min" : "5Min") + "_" +
                                    (std::get<2>(info.param) > 1000 ? "Near2To31" : "Low");
                         });

} // namespace
} // namespace quorvel
