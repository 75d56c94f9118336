// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The long run on the real window: ten thousand Start/Stop cycles with keys in between.
#include "fakes.h"
#include "mainwindow.h"
#include "passagestore.h"
#include "program.h"
#include "typingbox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

// The sanitizer build runs this with its leak check: whatever a test allocates in the window,
// the view or the timer must be given back by Stop or the next Start.
TEST(StartStop, TenThousandCyclesOnTheWindow)
{
    PassageStore store;
    ASSERT_EQ(store.loadFromBytes("2\r\nab cd\r\nefg\r\n", QStringLiteral("p")), QString());
    FakeClock clock{5000};
    FakeMessageBox messages;
    FirstPassage random;
    FakeTimer timer;
    Program program(store, Program::StandIns{&clock, &timer, &messages, &random});
    MainWindow &window = program.window();
    window.show();
    auto *cmdStart = window.findChild<QPushButton *>(QStringLiteral("cmdStart"));
    auto *cmdStop = window.findChild<QPushButton *>(QStringLiteral("cmdStop"));
    auto *box = window.findChild<TypingBox *>(QStringLiteral("txtTyping"));
    // The leak check cannot see a lost widget, which stays listed by the application, nor a
    // lost child object; so count them.
    const qsizetype widgets = QApplication::allWidgets().size();
    const qsizetype children = window.findChildren<QObject *>().size();
    constexpr int kCycles = 10000;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        cmdStart->click();
        for (const QChar c : QStringLiteral("a#"))
            QCoreApplication::postEvent(
                box, new QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c));
        QCoreApplication::processEvents();
        cmdStop->click();
        ASSERT_EQ(program.test().state().TotalChars, 2) << cycle;
        ASSERT_EQ(program.test().state().ErrorCount, 1) << cycle;
    }
    EXPECT_EQ(messages.shown.size(), kCycles);
    EXPECT_FALSE(program.test().isRunning());
    EXPECT_EQ(QApplication::allWidgets().size(), widgets);
    EXPECT_EQ(window.findChildren<QObject *>().size(), children);
}

} // namespace
} // namespace quorvel
