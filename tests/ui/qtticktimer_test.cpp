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
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(QtTickTimer, TicksTheWindowEveryFiftyMillisecondsWhileATestRuns)
{
    PassageStore store;
    ASSERT_EQ(store.loadFromBytes(onePassageFile("ab cd"), QStringLiteral("p")), QString());
    FakeClock clock;
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

    window.findChild<QPushButton *>(QStringLiteral("cmdStart"))->click();
    EXPECT_TRUE(timer->isActive());
    clock.now += 30000;
    auto *time = window.findChild<QLabel *>(QStringLiteral("lblTime"));
    // The first tick comes 50 ms after Start; the wait ends with it. The limit only bounds a timer
    // that never ticks, and is far above what a loaded machine under the sanitizer may take.
    EXPECT_TRUE(QTest::qWaitFor([time] { return time->text() == QStringLiteral("30.0"); }, 30000));

    window.findChild<QPushButton *>(QStringLiteral("cmdStop"))->click();
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(messages.shown.size(), 1);
}

} // namespace
} // namespace quorvel
