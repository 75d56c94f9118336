// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fakeannouncer.h"
#include "fakerandom.h"
#include "fakes.h"
#include "passagemodel.h"
#include "passagestore.h"
#include "typingtest.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace quorvel {

// A whole typing test on fakes: a real passage store and passage model, a fake window, clock,
// timer, message box and screen reader. Ticks are given as milliseconds since Start.
class TypingTestRig {
public:
    explicit TypingTestRig(const QStringList &passages, const QString &testLength = "1 Minute")
        : test(store, {controls, passage, clock, timer, messages, random, &announcer})
    {
        QByteArray file = QByteArray::number(passages.size()) + "\r\n";
        for (const QString &line : passages)
            file += line.toUtf8() + "\r\n";
        const QString error = store.loadFromBytes(file, QStringLiteral("passages"));
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        test.Form_Load();
        Settings settings = test.settings();
        settings.TestLength = testLength;
        test.setSettings(settings);
    }

    void start()
    {
        test.cmdStart_Click();
        startMs = clock.now;
    }

    void tickAt(qint64 msSinceStart)
    {
        clock.now = startMs + msSinceStart;
        test.tmrSpeed_Timer();
    }

    // Feeds each character as the typing box would and keeps what it lets through.
    void type(const QString &keys)
    {
        for (const char32_t code : keys.toUcs4())
            press(code);
    }
    void press(char32_t code)
    {
        char32_t key = code;
        test.txtTyping_KeyPress(key);
        if (key != 0)
            controls.typing += QString::fromUcs4(&key, 1);
    }

    QString caption(Label label) const { return controls[label].caption; }

    PassageStore store;
    PassageModel passage;
    FakeControls controls;
    FakeClock clock;
    FakeTimer timer;
    FakeMessageBox messages;
    FakeRandom random;
    FakeAnnouncer announcer;
    TypingTest test;
    qint64 startMs = 0;
};

} // namespace quorvel
