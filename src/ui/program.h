// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "passagemodel.h"

#include <memory>

namespace quorvel {

class Clock;
class ClockSeededRandom;
class MainWindow;
class MessageBox;
class PassageStore;
class QtAnnouncer;
class QtClock;
class QtMessageBox;
class QtTickTimer;
class RandomSource;
class TickTimer;
class TypingTest;

// The program's parts, wired in this one place: the passage, frmSpeed, the engine and the ports
// it reaches the platform through. The program runs on the platform's ports; tests, benchmarks
// and tools put their own in place of any of them. The start-up work has run when the
// constructor returns; the window is not shown yet.
class Program {
public:
    // Stand-ins for the platform's ports; nullptr keeps the platform's. (No member initialisers:
    // {} already gives nullptr, and they would keep {} out of the default argument.)
    struct Ports {
        Clock *clock;
        TickTimer *timer;
        MessageBox *messages;
        RandomSource *random;
    };

    // The store must outlive the program.
    explicit Program(const PassageStore &store, const Ports &standIns = {});
    ~Program();

    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    MainWindow &window() { return *m_window; }
    TypingTest &test() { return *m_test; }

private:
    PassageModel m_passage;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QtClock> m_clock;
    std::unique_ptr<QtTickTimer> m_timer;
    std::unique_ptr<QtMessageBox> m_messages;
    std::unique_ptr<ClockSeededRandom> m_random;
    std::unique_ptr<QtAnnouncer> m_announcer;
    std::unique_ptr<TypingTest> m_test;
};

} // namespace quorvel
