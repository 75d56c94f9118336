// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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

// The program's parts, built and wired in this one place: the passage, frmSpeed, the Options
// dialog with its colour picker and exchange, the engine, the ports it reaches the platform
// through, and the screen readers' view of the windows. The program runs on the platform's
// parts; tests, benchmarks and tools put their own in place of any of them. The start-up work
// has run when the constructor returns; the window is not shown yet.
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
    std::unique_ptr<MainWindow> makeWindow();
    TypingTest::Ports enginePorts(const StandIns &standIns);
    OptionsDialog &makeOptionsDialog(ColorPicker *standIn);

    PassageModel m_passage;
    // Built first, and given the engine and the exchange below before they are built: it keeps
    // them, and calls neither until the program is whole. It goes first at the end, too.
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QtClock> m_clock;
    std::unique_ptr<QtTickTimer> m_timer;
    std::unique_ptr<QtMessageBox> m_messages;
    std::unique_ptr<ClockSeededRandom> m_random;
    std::unique_ptr<QtColorPicker> m_colorPicker;
    // Before the engine, which is handed it while being built.
    std::unique_ptr<QtAnnouncer> m_announcer;
    TypingTest m_test;
    OptionsExchange m_optionsExchange;
};

} // namespace quorvel
