// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's start-up: a passage file that cannot be used stops it with a message before any
// window appears; a good one brings up frmSpeed centred with the focus on Start.
#include "carimage.h"
#include "mainwindow.h"
#include "modalcatcher.h"
#include "program.h"
#include "startup.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>
#include <ostream>
#include <sstream>
#include <unistd.h>

namespace quorvel {
namespace {

bool anyMainWindowShown()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<MainWindow *>(widget) && widget->isVisible())
            return true;
    }
    return false;
}

// A passage file in a scratch folder of its own.
class DataFile {
public:
    explicit DataFile(const QByteArray &content)
    {
        QFile file(path());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QString path() const { return m_dir.filePath(QStringLiteral("data")); }

private:
    QTemporaryDir m_dir;
};

// Everything the process writes to its standard error from construction to text().
class StandardError {
public:
    StandardError()
    {
        EXPECT_TRUE(m_file.open());
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        dup2(m_file.handle(), STDERR_FILENO);
    }
    ~StandardError() { restore(); }
    std::string text()
    {
        restore();
        m_file.seek(0);
        return m_file.readAll().toStdString();
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
    }

    QTemporaryFile m_file;
    int m_saved = -1;
};

// The whole run; a watchdog ends it with 99 if nothing else has. Only a run that would never end
// waits for it, so it can be generous: a run takes under a second, and a few under the sanitizer
// on a loaded machine, and the faults' 60 s limit per test must still find the 99, not a timeout.
int runWithWatchdog(StartUp &startUp)
{
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(30000);
    return startUp.run();
}

struct BadFile {
    const char *name;
    QByteArray content; // empty: no file at all
    const char *inMessage;
};

// Test names carry the case's name, not the bytes of its pointers, which change from run to run.
void PrintTo(const BadFile &file, std::ostream *out)
{
    *out << file.name;
}

class StartUpErrorTest : public ::testing::TestWithParam<BadFile> {};

TEST_P(StartUpErrorTest, StopsWithAMessageBeforeAnyWindow)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data"));
    if (!GetParam().content.isEmpty()) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GetParam().content);
    }
    // The program's own standard error, as a terminal that started it would show it.
    StandardError errors;
    StartUp startUp(path);

    QString shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool windowUp = true;
    ModalCatcher catcher([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        shown = box->text();
        icon = box->icon();
        windowUp = anyMainWindowShown();
    });
    EXPECT_NE(startUp.run(), 0);

    EXPECT_EQ(catcher.caught().size(), 1);
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_FALSE(windowUp);
    EXPECT_FALSE(anyMainWindowShown());
    EXPECT_TRUE(shown.contains(QLatin1String(GetParam().inMessage))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(path));
    const std::string printed = errors.text();
    EXPECT_NE(printed.find("quorvel: " + startUp.error().toStdString() + '\n'), std::string::npos)
        << printed;
    EXPECT_NE(printed.find(GetParam().inMessage), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, StartUpErrorTest,
    ::testing::Values(BadFile{"Missing", QByteArray(), "not found"},
                      BadFile{"ZeroCount", "0\r\nabc\r\n", "line 1"},
                      BadFile{"TooFewPassages", "3\r\nabc\r\ndef\r\n", "line 4"}),
    [](const ::testing::TestParamInfo<BadFile> &info) { return std::string(info.param.name); });

TEST(StartUpTest, ShowsTheMainWindowCentredWithTheFocusOnStart)
{
    const DataFile data("2\r\nabc\r\ndef\r\n");
    std::ostringstream errors;
    StartUp startUp(data.path(), errors);

    ASSERT_TRUE(startUp.loadPassages());
    MainWindow *window = startUp.showMainWindow();
    // As long as the watchdog: the wait ends as soon as the window is active.
    ASSERT_TRUE(QTest::qWaitForWindowActive(window, 30000));
    EXPECT_TRUE(errors.str().empty());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((window->geometry().center() - screen.center()).manhattanLength(), 2);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cmdStart"));
}

MainWindow *shownMainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<MainWindow *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

// The whole run ends, hidden Options dialog and all, by Exit when idle or by closing the window
// in the middle of a test. A watchdog ends a run that would otherwise go on.
class StartUpEndTest : public ::testing::TestWithParam<bool> {};

TEST_P(StartUpEndTest, ExitOrClosingEndsTheRun)
{
    const bool duringTest = GetParam();
    const DataFile data("1\r\nabc\r\n");
    std::ostringstream errors;
    StartUp startUp(data.path(), errors);

    bool wasRunning = false;
    QTimer::singleShot(0, [&] {
        MainWindow *window = shownMainWindow();
        ASSERT_NE(window, nullptr);
        if (duringTest) {
            window->findChild<QPushButton *>(QStringLiteral("cmdStart"))->click();
            wasRunning = startUp.program()->test().isRunning();
            window->close();
        } else {
            window->findChild<QPushButton *>(QStringLiteral("cmdExit"))->click();
        }
    });
    EXPECT_EQ(runWithWatchdog(startUp), 0);
    EXPECT_EQ(wasRunning, duringTest);
    EXPECT_EQ(shownMainWindow(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Ends, StartUpEndTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool> &info) {
                             return info.param ? "ClosedDuringATest" : "ExitWhileIdle";
                         });

// The program gives its main window the car as its icon; the dialogs it opens carry none.
TEST(StartUpTest, TheMainWindowCarriesTheCarAndItsDialogsDoNot)
{
    const DataFile data("1\r\nabc\r\n");
    std::ostringstream errors;
    StartUp startUp(data.path(), errors);

    QImage mainIcon;
    QStringList opened;
    QStringList withoutIcon;
    QTimer::singleShot(0, [&] {
        MainWindow *window = shownMainWindow();
        ASSERT_NE(window, nullptr);
        mainIcon = window->windowIcon().pixmap(32, 32).toImage();
        {
            ModalCatcher catcher([&](QWidget *modal) {
                if (modal->windowIcon().isNull())
                    withoutIcon << modal->objectName();
            });
            for (const char *button : {"cmdOptions", "cmdInstructions", "cmdAbout"})
                window->findChild<QPushButton *>(QLatin1String(button))->click();
            opened = catcher.caught();
        }
        window->findChild<QPushButton *>(QStringLiteral("cmdExit"))->click();
    });
    EXPECT_EQ(runWithWatchdog(startUp), 0);
    QApplication::setWindowIcon(QIcon());
    EXPECT_EQ(opened, (QStringList{"frmOptions", "frmInstructions", "frmAbout"}));
    EXPECT_EQ(withoutIcon, opened);
    const QImage car = CarImage::image().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(mainIcon.convertToFormat(QImage::Format_ARGB32), car);
}

} // namespace
} // namespace quorvel
