// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The real window, built by the program around the stand-ins, for every test of the whole
// window. A test may change the stand-ins and open the window again, and may meet it as a screen
// reader does: with the platform's accessibility switched on as when a reader starts, and an
// update handler in place of the bridge that would pass the events on.
#include "fakecolorpicker.h"
#include "fakes.h"
#include "mainwindow.h"
#include "passagestore.h"
#include "program.h"
#include "typingbox.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <gtest/gtest.h>
#include <memory>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace quorvel {

class WindowRig : public ::testing::Test {
protected:
    // The program afresh over a store that holds the one passage given, its window shown and
    // active. Call it under ASSERT_NO_FATAL_FAILURE.
    void open(const QByteArray &passage = "ab cd")
    {
        program.reset();
        ASSERT_TRUE(store.loadFromBytes(onePassageFile(passage), QStringLiteral("p")).isEmpty());
        program = std::make_unique<Program>(store, standIns);
        window = &program->window();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        box = find<TypingBox>("txtTyping");
    }

    // Hands listener what the window sends a screen reader from now on.
    void listenWith(QAccessible::UpdateHandler listener)
    {
        previousHandler = QAccessible::installUpdateHandler(listener);
    }
    void readerOn()
    {
        platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        ASSERT_NE(platform, nullptr);
        platform->setActive(true);
        ASSERT_TRUE(QAccessible::isActive());
    }
    void TearDown() override
    {
        if (platform)
            platform->setActive(false);
        QAccessible::installUpdateHandler(previousHandler);
    }

    template <typename Widget = QWidget> Widget *find(const char *name)
    {
        auto *widget = window->findChild<Widget *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString text(const char *label) { return find<QLabel>(label)->text(); }
    void click(const char *button) { find<QPushButton>(button)->click(); }
    // The clock this many milliseconds after its start, and a tick of tmrSpeed if it runs.
    void tickAt(qint64 ms)
    {
        clock.now = 1000 + ms;
        timer.fire();
    }
    bool running() { return program->test().isRunning(); }
    const TestState &state() { return program->test().state(); }

    PassageStore store;
    FakeClock clock;
    FakeTimer timer;
    FakeMessageBox messages;
    FirstPassage random;
    FakeColorPicker picker;
    Program::StandIns standIns{&clock, &timer, &messages, &random, &picker};
    std::unique_ptr<Program> program;
    MainWindow *window = nullptr;
    TypingBox *box = nullptr;
    QAccessible::UpdateHandler previousHandler = nullptr;
    QPlatformAccessibility *platform = nullptr;
};

} // namespace quorvel
