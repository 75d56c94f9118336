// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorvel {

// tmrSpeed ticks this often while a test runs. The speed figures are written in a window of one
// tick at the start of each second, so that about one tick a second writes them.
inline constexpr int kTickIntervalMs = 50;

// The periodic tick that drives a running test. Its owner calls the test's tick handler.
class TickTimer {
public:
    virtual ~TickTimer() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
};

} // namespace quorvel
