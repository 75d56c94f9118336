// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The long run on the real window: ten thousand Start/Stop cycles with keys in between.
#include "windowrig.h"

#include <QApplication>
#include <QKeyEvent>

namespace quorvel {
namespace {

class StartStop : public WindowRig {};

// The sanitizer build runs this with its leak check: whatever a test allocates in the window,
// the view or the timer must be given back by Stop or the next Start.
TEST_F(StartStop, TenThousandCyclesOnTheWindow)
{
    ASSERT_NO_FATAL_FAILURE(open());
    auto *cmdStart = find<QPushButton>("cmdStart");
    auto *cmdStop = find<QPushButton>("cmdStop");
    // The leak check cannot see a lost widget, which stays listed by the application, nor a
    // lost child object; so count them.
    const qsizetype widgets = QApplication::allWidgets().size();
    const qsizetype children = window->findChildren<QObject *>().size();
    constexpr int kCycles = 10000;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        cmdStart->click();
        for (const QChar c : QStringLiteral("a#"))
            QCoreApplication::postEvent(
                box, new QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c));
        QCoreApplication::processEvents();
        cmdStop->click();
        ASSERT_EQ(state().TotalChars, 2) << cycle;
        ASSERT_EQ(state().ErrorCount, 1) << cycle;
    }
    EXPECT_EQ(messages.shown.size(), kCycles);
    EXPECT_FALSE(running());
    EXPECT_EQ(QApplication::allWidgets().size(), widgets);
    EXPECT_EQ(window->findChildren<QObject *>().size(), children);
}

} // namespace
} // namespace quorvel
