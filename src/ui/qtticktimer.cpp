// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtticktimer.h"

#include <QTimer>

namespace quorvel {

QtTickTimer::QtTickTimer(QObject *owner) : m_timer(new QTimer(owner))
{
    m_timer->setObjectName(QStringLiteral("tmrSpeed"));
    m_timer->setInterval(kTickIntervalMs);
    // The speed figures are written only in the first 50 ms of each second, so a coarse timer
    // that drifts by several milliseconds would skip whole seconds of display.
    m_timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] { tick(); });
}

void QtTickTimer::start()
{
    m_timer->start();
}

void QtTickTimer::stop()
{
    m_timer->stop();
}

} // namespace quorvel
