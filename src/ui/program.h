// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "accessiblefactory.h"
#include "optionsexchange.h"
#include "passagemodel.h"
#include "typingtest.h"

#include <memory>

namespace quorvel {

class Clock;
class ClockSeededRandom;
class ColorPicker;
class MainWindow;
class MessageBox;
class OptionsDialog;
class PassageStore;
class QtAnnouncer;
class QtClock;
class QtColorPicker;
class QtMessageBox;
class QtTickTimer;
class RandomSource;
class TickTimer;

// The program's parts, built and wired in this one place: the screen readers' factory, the
// passage, frmSpeed, the ports the engine reaches the platform through, the engine, and the
// Options dialog with its exchange. The program runs on the platform's parts; tests, benchmarks
// and tools put their own in place of any of them. The start-up work has run when the
// constructor returns; the window is not shown yet.
class Program {
public:
    // What tests, benchmarks and tools put in place of the platform's parts; nullptr keeps the
    // platform's. The engine's own ports are TypingTest::Ports, which these feed.
    struct StandIns {
        Clock *clock = nullptr;
        TickTimer *timer = nullptr;
        MessageBox *messages = nullptr;
        RandomSource *random = nullptr;
        ColorPicker *colorPicker = nullptr;
    };

    // The store must outlive the program. (Two constructors rather than a default argument: the
    // member initialisers above are not usable in one until the class is complete.)
    explicit Program(const PassageStore &store);
    Program(const PassageStore &store, const StandIns &standIns);
    ~Program();

    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    MainWindow &window() { return *m_window; }
    TypingTest &test() { return m_test; }

private:
    void connectWindow();

    // In the order they are built: each part is made from the parts above it only.
    AccessibleFactory m_accessibleFactory;
    PassageModel m_passage;
    std::unique_ptr<MainWindow> m_window;
    // The platform's parts, each left null where a stand-in takes its place.
    std::unique_ptr<QtClock> m_clock;
    std::unique_ptr<QtTickTimer> m_timer;
    std::unique_ptr<QtMessageBox> m_messages;
    std::unique_ptr<ClockSeededRandom> m_random;
    std::unique_ptr<QtColorPicker> m_colorPicker;
    std::unique_ptr<QtAnnouncer> m_announcer;
    TypingTest m_test;
    // It lives, hidden, from start-up to the end of the run, a child of the window it serves.
    OptionsDialog *m_optionsDialog;
    OptionsExchange m_optionsExchange;
};

} // namespace quorvel
