// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Stand-ins for the engine's ports, one of each, for the engine's tests on their own and for the
// tests, benchmarks and tools that drive the real window through Program::StandIns: they keep
// time still, tick only when told, and record every figure, colour, button state and results box,
// so a whole typing test gives the same figures on every run.

#include "clock.h"
#include "maincontrols.h"
#include "messagebox.h"
#include "randomsource.h"
#include "results.h"
#include "ticktimer.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>
#include <ostream>
#include <vector>

// Lets gtest print QStrings as text in failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace quorvel {

inline const char *labelName(Label label)
{
    static const char *const names[kLabelCount] = {
        "Speed",    "Accuracy",    "NetSpeed",       "Time",
        "TimeLeft", "OptionsTime", "OptionsCorrect", "OptionsIncorrect"};
    return names[int(label)];
}

inline const char *controlName(Control control)
{
    static const char *const names[kControlCount] = {"Start", "Stop", "Instructions", "Options",
                                                     "About", "Exit", "Typing"};
    return names[int(control)];
}

// Keeps the current state of every control and, unless recordLog is off (long runs, benchmarks),
// a log of every call in order, such as "caption Speed=0" or "enabled Stop=1".
class FakeControls : public MainControls {
public:
    struct LabelState {
        QString caption;
        Color color = kBlack;
        bool bold = false;
        bool visible = true;
        int captionWrites = 0;
        int colorWrites = 0;
        int boldWrites = 0;
    };

    void setCaption(Label label, const QString &text) override
    {
        LabelState &state = at(label);
        state.caption = text;
        ++state.captionWrites;
        note(QStringLiteral("caption %1=%2").arg(labelName(label), text));
    }
    void setTextColor(Label label, Color color) override
    {
        at(label).color = color;
        ++at(label).colorWrites;
        note(QStringLiteral("color %1=%2").arg(labelName(label)).arg(color));
    }
    void setBold(Label label, bool bold) override
    {
        at(label).bold = bold;
        ++at(label).boldWrites;
        note(QStringLiteral("bold %1=%2").arg(labelName(label)).arg(int(bold)));
    }
    void setLabelVisible(Label label, bool visible) override
    {
        at(label).visible = visible;
        note(QStringLiteral("visible %1=%2").arg(labelName(label)).arg(int(visible)));
    }

    void setEnabled(Control control, bool enabled) override
    {
        this->enabled[size_t(control)] = enabled;
        note(QStringLiteral("enabled %1=%2").arg(controlName(control)).arg(int(enabled)));
    }
    void focusTyping() override
    {
        ++focusCount;
        note(QStringLiteral("focus"));
    }
    void clearTyping() override
    {
        typing.clear();
        ++clearCount;
        note(QStringLiteral("clear"));
    }
    int carLeft() const override { return car; }
    void setCarLeft(int twips) override { car = twips; }

    const LabelState &operator[](Label label) const { return labels[size_t(label)]; }
    bool isEnabled(Control control) const { return enabled[size_t(control)]; }

    std::array<LabelState, kLabelCount> labels;
    std::array<bool, kControlCount> enabled{};
    int focusCount = 0;
    int clearCount = 0;
    int car = 0;
    // What the typing box shows; tests append the keys the engine lets through.
    QString typing;
    bool recordLog = true;
    std::vector<QString> log;

private:
    LabelState &at(Label label) { return labels[size_t(label)]; }
    void note(const QString &entry)
    {
        if (recordLog)
            log.push_back(entry);
    }
};

// Stands wherever it is set; the test moves it.
class FakeClock : public Clock {
public:
    explicit FakeClock(qint64 start = 1000) : now(start) {}
    qint64 nowMs() const override { return now; }
    void advance(qint64 ms) { now += ms; }

    qint64 now;
};

// tmrSpeed that never fires by itself: the test fires it, and it ticks only while it is started,
// as the real timer would.
class FakeTimer : public TickTimer {
public:
    void start() override
    {
        active = true;
        ++starts;
    }
    void stop() override
    {
        active = false;
        ++stops;
    }
    void fire() const
    {
        if (active)
            tick();
    }

    bool active = false;
    int starts = 0;
    int stops = 0;
};

// Records each box instead of showing it, where a real one would wait modally; onShow runs while
// the box would be open, to model events arriving then.
class FakeMessageBox : public MessageBox {
public:
    void showResults(const Results &results) override
    {
        shown.push_back(results);
        if (onShow)
            onShow();
    }

    std::vector<Results> shown;
    std::function<void()> onShow;
};

// Always picks the first passage.
class FirstPassage : public RandomSource {
public:
    void reseed() override {}
    float next() override { return 0; }
};

// A passage file holding only this passage.
inline QByteArray onePassageFile(const QByteArray &passage)
{
    return "1\r\n" + passage + "\r\n";
}

} // namespace quorvel
