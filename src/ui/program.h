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
    // What tests, benchmarks and tools put in place of the platform's parts; nullptr keeps the
    // platform's. The engine's own ports are TypingTest::Ports, which these feed.
    struct StandIns {
        Clock *clock = nullptr;
        TickTimer *timer = nullptr;
        MessageBox *messages = nullptr;
        RandomSource *random = nullptr;
    };

    // The store must outlive the program. (Two constructors rather than a default argument: the
    // member initialisers above are not usable in one until the class is complete.)
    explicit Program(const PassageStore &store);
    Program(const PassageStore &store, const StandIns &standIns);
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
    std::unique_ptr<TypingTest> m_test;
};

} // namespace quorvel
