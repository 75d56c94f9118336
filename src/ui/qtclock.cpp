// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtclock.h"

namespace quorvel {

QtClock::QtClock()
{
    m_timer.start();
}

qint64 QtClock::nowMs() const
{
    return m_timer.elapsed();
}

} // namespace quorvel
