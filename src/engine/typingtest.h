// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Quorvel's engine: one TypingTest owns the test state and runs every handler of a typing test.
// It reaches the outside world only through small ports: MainControls (the main window's labels,
// buttons and car), PassageDocument (the passage with its colours and marks), Clock, TickTimer,
// MessageBox, RandomSource and Announcer (what a screen reader is told). The program builds the
// Qt ports and the engine, and connects what the window reports and the timer's ticks to the
// handlers here; tests plug in fakes and drive the same code without a display.
//
// The road of a key: txtTyping_KeyPress judges it against the passage and updates the counters;
// the next tmrSpeed_Timer turns the counters into figures and replaces a finished passage.
//
// For a typist who listens rather than looks, the engine also decides what a screen reader says
// and when: the passage a sentence at a time, a cue after each wrong key, and the last ten
// seconds. The port passes it on and costs nothing while no screen reader runs.
//
// The engine only writes to the window. It keeps the text it last wrote to each label, and Stop
// builds the Results from that text, so the message repeats exactly what the window shows.
//
// Idle and Running are the two states. isRunning() is true from Start until Stop (or abandon)
// begins, just while the buttons that open other windows are disabled, and every handler that
// only makes sense while running (keys, ticks, Stop) does nothing outside it, so a late tick or a
// second Stop is harmless.

#include "maincontrols.h"
#include "spokenpassage.h"
#include "teststate.h"

#include <QString>
#include <array>

namespace quorvel {

class Announcer;
class Clock;
class MessageBox;
class PassageDocument;
class PassageStore;
class RandomSource;
class TickTimer;

class TypingTest {
public:
    struct Ports {
        MainControls &controls;
        PassageDocument &passage;
        Clock &clock;
        TickTimer &timer;
        MessageBox &messages;
        RandomSource &random;
        // nullptr when nothing is to be spoken.
        Announcer *announcer = nullptr;
    };

    TypingTest(const PassageStore &store, const Ports &ports);

    // Start-up once the passages are loaded: settings to their start-up values, figures reset,
    // car at its starting place. The Options dialog is prepared by its exchange.
    void Form_Load();
    void ResetDisplay();

    void cmdStart_Click();
    void cmdStop_Click();
    // Ends a running test without results, as when the window closes under it.
    void abandon();
    void tmrSpeed_Timer();
    // Judges one typed character, any code point as the keyboard or input method sent it; sets
    // key to 0 when the key must not reach the typing box.
    void txtTyping_KeyPress(char32_t &key);
    // F2 in the typing box: says the rest of the current sentence again, from the next character
    // to type. It is not a typed key and changes nothing else.
    void repeatSentence();
    // What is left to type of the current sentence, from the next character on; "" when no test
    // runs or the sentence is typed to its end.
    QString sentenceLeft() const;

    // True from Start until Stop.
    bool isRunning() const { return m_running; }

    const TestState &state() const { return m_state; }
    const Settings &settings() const { return m_state.settings; }
    // New settings, as Options' OK gives them: the options summary shows them at once, the
    // figures follow at the next Start.
    void setSettings(const Settings &settings);

private:
    QString PickPassage();
    void AdvanceCar();

    bool isTimed() const { return m_state.TestSeconds >= 1; }
    bool endTest();
    void setRunningControls(bool running);
    void showSettings();
    void showFigures(float elapsed, float timeLeft);
    void replacePassage();
    void announce(const QString &text);
    void setCaption(Label label, const QString &text);
    void setCaptionIfChanged(Label label, const QString &text);
    const QString &shown(Label label) const { return m_captions[std::size_t(label)]; }

    // The key judged last in the current passage: where, as what, and its verdict.
    struct LastKey {
        qint32 pos = -1;
        char32_t typed = 0;
        bool right = false;
    };
    void judgeKey(char32_t key);
    bool isExpected(char32_t key) const;
    bool joinLastKey(char32_t mark);
    void backUpCar();

    const PassageStore &m_store;
    Ports m_ports;
    TestState m_state;
    bool m_running = false;
    bool m_timeLeftWarned = false;
    LastKey m_lastKey;
    SpokenPassage m_spoken;
    // The text last written to each label, which is what the window shows.
    std::array<QString, kLabelCount> m_captions;
};

} // namespace quorvel
