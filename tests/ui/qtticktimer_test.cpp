// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// tmrSpeed on the real QTimer: the one test that waits for real ticks. Every other window test
// puts a timer in its place that ticks only when told.
#include "fakes.h"
#include "mainwindow.h"
#include "passagestore.h"
#include "program.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

// A clock that stands still and counts its readings: Start reads it once, and so does each tick.
class CountingClock : public Clock {
public:
    qint64 nowMs() const override
    {
        ++reads;
        return now;
    }
    qint64 now = 1000;
    mutable int reads = 0;
};

TEST(QtTickTimer, TicksTheWindowEveryFiftyMillisecondsWhileATestRuns)
{
    PassageStore store;
    ASSERT_EQ(store.loadFromBytes(onePassageFile("ab cd"), QStringLiteral("p")), QString());
    CountingClock clock;
    FakeMessageBox messages;
    FirstPassage random;
    Program program(store, Program::StandIns{&clock, nullptr, &messages, &random});
    MainWindow &window = program.window();
    window.show();
    auto *timer = window.findChild<QTimer *>(QStringLiteral("tmrSpeed"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 50);
    EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
    EXPECT_FALSE(timer->isActive());

    const QSignalSpy ticks(timer, &QTimer::timeout);
    window.findChild<QPushButton *>(QStringLiteral("cmdStart"))->click();
    EXPECT_TRUE(timer->isActive());
    // The clock moves on twice: a timer that fired only once would show the first step only.
    // Each wait ends with the next tick, 50 ms on; the limit only bounds a timer that never
    // ticks, and is far above what a loaded machine under the sanitizer may take.
    auto *time = window.findChild<QLabel *>(QStringLiteral("lblTime"));
    auto showsAfter = [&](qint64 stepMs, const QString &shown) {
        clock.now += stepMs;
        return QTest::qWaitFor([&] { return time->text() == shown; }, 30000);
    };
    EXPECT_TRUE(showsAfter(30000, QStringLiteral("30.0")));
    EXPECT_TRUE(showsAfter(1000, QStringLiteral("31.0")));

    window.findChild<QPushButton *>(QStringLiteral("cmdStop"))->click();
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(messages.shown.size(), 1);
    // Each timeout reaches the tick handler exactly once.
    EXPECT_GE(ticks.count(), 2);
    EXPECT_EQ(clock.reads, 1 + ticks.count());
}

} // namespace
} // namespace quorvel
