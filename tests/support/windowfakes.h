// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Stand-ins for the main window's ports, for the tests, benchmarks and tools that drive the real
// window and need the same figures and passage on every run. A port left out of Program::StandIns
// keeps the platform's.

#include "clock.h"
#include "messagebox.h"
#include "randomsource.h"
#include "results.h"
#include "ticktimer.h"

#include <QByteArray>
#include <QStringList>

namespace quorvel {

// Stands wherever it is set; the caller moves it.
class StillClock : public Clock {
public:
    explicit StillClock(qint64 start = 1000) : now(start) {}
    qint64 nowMs() const override { return now; }
    qint64 now;
};

// Always picks the first passage.
class FirstPassage : public RandomSource {
public:
    void reseed() override {}
    float next() override { return 0; }
};

// tmrSpeed that never fires by itself: the test ticks, and only while it is started, as the
// real timer would.
class ManualTimer : public TickTimer {
public:
    void start() override { active = true; }
    void stop() override { active = false; }
    bool active = false;
};

// Keeps the text of each results box instead of showing it; a real one would wait modally.
class RecordingMessages : public MessageBox {
public:
    void showResults(const Results &results) override { texts << results.text(); }
    QStringList texts;
};

// A passage file holding only this passage.
inline QByteArray onePassageFile(const QByteArray &passage)
{
    return "1\r\n" + passage + "\r\n";
}

} // namespace quorvel
