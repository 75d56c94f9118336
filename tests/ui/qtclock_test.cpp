// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The clock behind a running test. It must be monotonic, so that setting the system time or an
// NTP step never moves a test's elapsed time, and it must count milliseconds.

#include "qtclock.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <chrono>
#include <thread>

namespace quorvel {
namespace {

TEST(QtClock, IsMonotonicAndCountsMilliseconds)
{
    EXPECT_EQ(QElapsedTimer::clockType(), QElapsedTimer::MonotonicClock);

    const QtClock clock;
    const auto steadyBefore = std::chrono::steady_clock::now();
    const qint64 before = clock.nowMs();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const qint64 after = clock.nowMs();
    const auto steadyMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::steady_clock::now() - steadyBefore)
                              .count();
    // The steady clock's span brackets the clock's, whatever else the machine is doing.
    EXPECT_GE(after - before, 19);
    EXPECT_LE(after - before, steadyMs + 1);
}

} // namespace
} // namespace quorvel
