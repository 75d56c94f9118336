// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "clock.h"

#include <QElapsedTimer>

namespace quorvel {

// The engine's millisecond clock on the system's monotonic timer.
class QtClock : public Clock {
public:
    QtClock();
    qint64 nowMs() const override;

private:
    QElapsedTimer m_timer;
};

} // namespace quorvel
