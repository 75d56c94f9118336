// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

#include "accessiblefactory.h"
#include "clockseededrandom.h"
#include "mainwindow.h"
#include "optionsdialog.h"
#include "qtannouncer.h"
#include "qtclock.h"
#include "qtcolorpicker.h"
#include "qtmessagebox.h"
#include "qtticktimer.h"

#include <QTimer>
#include <utility>

namespace quorvel {

namespace {

// The stand-in when there is one, otherwise the platform's part, made here and kept in own.
template <typename Real, typename Port, typename... Args>
Port &portOr(Port *standIn, std::unique_ptr<Real> &own, Args &&...args)
{
    if (standIn)
        return *standIn;
    own = std::make_unique<Real>(std::forward<Args>(args)...);
    return *own;
}

} // namespace

Program::Program(const PassageStore &store) : Program(store, StandIns{}) {}

Program::Program(const PassageStore &store, const StandIns &standIns)
    : m_window(makeWindow()), m_test(store, enginePorts(standIns)),
      m_optionsExchange(makeOptionsDialog(standIns.colorPicker), m_test)
{
    m_optionsExchange.prepareForm();
    m_test.Form_Load();
}

Program::~Program()
{
    // The window goes first: it is where events come from, and nothing may reach the engine
    // once the engine is gone.
    m_window.reset();
}

std::unique_ptr<MainWindow> Program::makeWindow()
{
    // Before the first widget, so that every accessible interface Qt makes comes from it.
    AccessibleFactory::install();
    return std::make_unique<MainWindow>(m_passage, m_test, m_optionsExchange);
}

TypingTest::Ports Program::enginePorts(const StandIns &standIns)
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
    return ports;
}

OptionsDialog &Program::makeOptionsDialog(ColorPicker *standIn)
{
    ColorPicker &picker = portOr(standIn, m_colorPicker);
    // It lives, hidden, from start-up to the end of the run, a child of the window it serves.
    return *new OptionsDialog(picker, m_window.get());
}

} // namespace quorvel
