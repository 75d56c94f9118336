// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

#include "clockseededrandom.h"
#include "mainwindow.h"
#include "qtannouncer.h"
#include "qtclock.h"
#include "qtmessagebox.h"
#include "qtticktimer.h"
#include "typingtest.h"

#include <QTimer>
#include <utility>

namespace quorvel {

namespace {

// The stand-in when there is one, otherwise the platform's port, made here and kept in own.
template <typename Real, typename Port, typename... Args>
Port &portOr(Port *standIn, std::unique_ptr<Real> &own, Args &&...args)
{
    if (standIn)
        return *standIn;
    own = std::make_unique<Real>(std::forward<Args>(args)...);
    return *own;
}

} // namespace

Program::Program(const PassageStore &store, const Ports &standIns)
    : m_window(std::make_unique<MainWindow>(m_passage))
{
    MainWindow *window = m_window.get();
    m_announcer = std::make_unique<QtAnnouncer>(window);
    TypingTest::Ports ports{*window,
                            m_passage,
                            portOr(standIns.clock, m_clock),
                            portOr(standIns.timer, m_timer, window),
                            portOr(standIns.messages, m_messages, window),
                            portOr(standIns.random, m_random),
                            m_announcer.get()};
    if (m_timer) {
        QObject::connect(m_timer->timer(), &QTimer::timeout, window, &MainWindow::tmrSpeed_Timer);
    }
    m_test = std::make_unique<TypingTest>(store, ports);
    window->attach(*m_test);
}

Program::~Program()
{
    // The window goes first: it is where events come from, and nothing may reach the engine
    // once the engine is gone.
    m_window.reset();
}

} // namespace quorvel
