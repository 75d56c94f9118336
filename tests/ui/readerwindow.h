// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The real window, built by the program around the stand-ins, as a screen reader meets it: the
// platform's accessibility is switched on as when a reader starts, and an update handler stands
// in for the bridge that would pass the events on.
#include "fakes.h"
#include "mainwindow.h"
#include "passagestore.h"
#include "program.h"

#include <QAccessible>
#include <QPushButton>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <gtest/gtest.h>
#include <memory>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace quorvel {

class ReaderWindow : public ::testing::Test {
protected:
    // Shows the window over a store that holds the one passage given, and listens to what the
    // window sends from then on. Call it under ASSERT_NO_FATAL_FAILURE.
    void open(const char *passage, QAccessible::UpdateHandler listener)
    {
        ASSERT_TRUE(store.loadFromBytes(onePassageFile(passage), QStringLiteral("p")).isEmpty());
        program =
            std::make_unique<Program>(store, Program::StandIns{&clock, &timer, &messages, &random});
        window = &program->window();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        box = window->findChild<QWidget *>(QStringLiteral("txtTyping"));
        ASSERT_NE(box, nullptr);
        previousHandler = QAccessible::installUpdateHandler(listener);
        platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        ASSERT_NE(platform, nullptr);
    }

    void readerOn()
    {
        platform->setActive(true);
        ASSERT_TRUE(QAccessible::isActive());
    }

    void TearDown() override
    {
        if (platform)
            platform->setActive(false);
        QAccessible::installUpdateHandler(previousHandler);
    }

    void click(const char *button)
    {
        window->findChild<QPushButton *>(QLatin1String(button))->click();
    }

    PassageStore store;
    FakeClock clock;
    FirstPassage random;
    FakeTimer timer;
    FakeMessageBox messages;
    std::unique_ptr<Program> program;
    MainWindow *window = nullptr;
    QWidget *box = nullptr;
    QAccessible::UpdateHandler previousHandler = nullptr;
    QPlatformAccessibility *platform = nullptr;
};

} // namespace quorvel
