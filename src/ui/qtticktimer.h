// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ticktimer.h"

class QObject;
class QTimer;

namespace quorvel {

// tmrSpeed: the test's 50 ms tick, on a QTimer.
class QtTickTimer : public TickTimer {
public:
    // The QTimer becomes a child of owner, named "tmrSpeed".
    explicit QtTickTimer(QObject *owner);

    void start() override;
    void stop() override;

private:
    QTimer *m_timer;
};

} // namespace quorvel
