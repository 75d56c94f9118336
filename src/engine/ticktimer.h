// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <utility>

namespace quorvel {

// tmrSpeed ticks this often while a test runs. The speed figures are written in a window of one
// tick at the start of each second, so that about one tick a second writes them.
inline constexpr int kTickIntervalMs = 50;

// The periodic tick that drives a running test. Whoever builds the test gives the timer the
// test's tick handler; while started, the timer calls it.
class TickTimer {
public:
    using Handler = std::function<void()>;

    virtual ~TickTimer() = default;
    virtual void start() = 0;
    virtual void stop() = 0;

    void setHandler(Handler handler) { m_handler = std::move(handler); }

protected:
    void tick() const
    {
        if (m_handler)
            m_handler();
    }

private:
    Handler m_handler;
};

} // namespace quorvel
