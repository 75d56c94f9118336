// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

#include "clockseededrandom.h"
#include "mainwindow.h"
#include "optionsdialog.h"
#include "qtannouncer.h"
#include "qtclock.h"
#include "qtcolorpicker.h"
#include "qtmessagebox.h"
#include "qtticktimer.h"

#include <QCoreApplication>
#include <utility>

namespace quorvel {

namespace {

// The platform's part, made only where no stand-in takes its place.
template <typename Real, typename Port, typename... Args>
std::unique_ptr<Real> unlessStandIn(const Port *standIn, Args &&...args)
{
    return standIn ? nullptr : std::make_unique<Real>(std::forward<Args>(args)...);
}

// The stand-in when there is one, otherwise the platform's part.
template <typename Port, typename Real>
Port &standInOr(Port *standIn, const std::unique_ptr<Real> &platform)
{
    return standIn ? *standIn : *platform;
}

} // namespace

Program::Program(const PassageStore &store) : Program(store, StandIns{}) {}

Program::Program(const PassageStore &store, const StandIns &standIns)
    : m_window(std::make_unique<MainWindow>(m_passage)),
      m_clock(unlessStandIn<QtClock>(standIns.clock)),
      m_timer(unlessStandIn<QtTickTimer>(standIns.timer, m_window.get())),
      m_messages(unlessStandIn<QtMessageBox>(standIns.messages, m_window.get())),
      m_random(unlessStandIn<ClockSeededRandom>(standIns.random)),
      m_colorPicker(unlessStandIn<QtColorPicker>(standIns.colorPicker)),
      m_announcer(std::make_unique<QtAnnouncer>(m_window.get())),
      m_test(store, TypingTest::Ports{*m_window, m_passage, standInOr(standIns.clock, m_clock),
                                      standInOr(standIns.timer, m_timer),
                                      standInOr(standIns.messages, m_messages),
                                      standInOr(standIns.random, m_random), m_announcer.get()}),
      m_optionsDialog(
          new OptionsDialog(standInOr(standIns.colorPicker, m_colorPicker), m_window.get())),
      m_optionsExchange(*m_optionsDialog, m_test)
{
    // The same for the platform's timer and for a stand-in, which a test fires itself.
    standInOr(standIns.timer, m_timer).setHandler([this] { m_test.tmrSpeed_Timer(); });
    connectWindow();
    m_optionsExchange.prepareForm();
    m_test.Form_Load();
}

Program::~Program()
{
    // The window goes first: it is where events come from, and nothing may reach the engine
    // once the engine is gone.
    m_window.reset();
}

void Program::connectWindow()
{
    MainWindow *window = m_window.get();
    QObject::connect(window, &MainWindow::startClicked, window,
                     [this] { m_test.cmdStart_Click(); });
    QObject::connect(window, &MainWindow::stopClicked, window, [this] { m_test.cmdStop_Click(); });
    QObject::connect(window, &MainWindow::optionsClicked, window,
                     [this] { m_optionsExchange.cmdOptions_Click(); });
    QObject::connect(
        window, &MainWindow::keyTyped, window,
        [this](char32_t &key) { m_test.txtTyping_KeyPress(key); }, Qt::DirectConnection);
    QObject::connect(window, &MainWindow::repeatRequested, window,
                     [this] { m_test.repeatSentence(); });
    window->setTypingPrompt([this] { return m_test.sentenceLeft(); });
    // A test cut short is abandoned at once; the program ends once the event that closed the
    // window is over.
    QObject::connect(window, &MainWindow::exitRequested, window, [this] { m_test.abandon(); });
    QObject::connect(window, &MainWindow::exitRequested, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
}

} // namespace quorvel
