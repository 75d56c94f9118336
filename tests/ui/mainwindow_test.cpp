// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// frmSpeed on real widgets: whole tests driven with QTest keys on a still clock, the keyboard
// roles, the focus order and the window's own handlers.
#include "colorconvert.h"
#include "mainwindow.h"
#include "modalcatcher.h"
#include "passagestore.h"
#include "typingbox.h"
#include "windowfakes.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace quorvel {
namespace {

// Antialiased small print seldom hits the exact colour.
bool colorsClose(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) < 70 && std::abs(a.green() - b.green()) < 70 &&
           std::abs(a.blue() - b.blue()) < 70;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(); }

    void open(const QByteArray &passage = "ab cd", bool realMessages = false)
    {
        window.reset();
        ASSERT_TRUE(store.loadFromBytes(onePassageFile(passage), QStringLiteral("p")).isEmpty());
        window = std::make_unique<MainWindow>(
            store, MainWindow::PortOverrides{&clock, realMessages ? nullptr : &messages, &random});
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename Widget = QWidget> Widget *find(const char *name)
    {
        auto *widget = window->findChild<Widget *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString text(const char *label) { return find<QLabel>(label)->text(); }
    QString focusName() const
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    // A key as the user types it: to whatever has the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window.get(), key, modifiers);
    }
    void type(const QString &keys) { QTest::keyClicks(find("txtTyping"), keys); }
    // Lets the real 50 ms timer tick at the clock's reading.
    bool tickAt(qint64 ms, const char *label, const QString &expected)
    {
        clock.now = 1000 + ms;
        return QTest::qWaitFor([&] { return text(label) == expected; }, 2000);
    }
    bool running() { return window->test().isRunning(); }

    PassageStore store;
    StillClock clock;
    RecordingMessages messages;
    FirstPassage random;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, ShownIdleWithTheStartUpFigures)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvel"));
    EXPECT_EQ(window->size(), QSize(377, 339));
    EXPECT_EQ(focusName(), QStringLiteral("cmdStart"));
    EXPECT_EQ(text("lblSpeed"), QStringLiteral("0"));
    EXPECT_EQ(text("lblAccuracy"), QStringLiteral("100.0"));
    EXPECT_EQ(text("lblNetSpeed"), QStringLiteral("0"));
    EXPECT_EQ(text("lblTime"), QStringLiteral("0.0"));
    EXPECT_EQ(text("lblTimeLeft"), QStringLiteral("1:00.0"));
    EXPECT_EQ(text("lblOptionsTime"), QStringLiteral("Test length: 1 Minute"));
    EXPECT_FALSE(find("cmdStop")->isEnabled());
    EXPECT_FALSE(find("txtTyping")->isEnabled());
    EXPECT_FALSE(find<QTimer>("tmrSpeed")->isActive());
    EXPECT_EQ(find<QTimer>("tmrSpeed")->interval(), 50);
}

// The option colours must survive the style and the frame's style sheet: look at the pixels.
TEST_F(MainWindowTest, OptionColoursReachTheScreen)
{
    const QImage image = window->grab().toImage();
    auto countNear = [&](const char *name, const QColor &color) {
        QWidget *label = find(name);
        const QRect box(label->mapTo(window.get(), QPoint(0, 0)), label->size());
        int count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                count += colorsClose(image.pixelColor(x, y), color);
        return count;
    };
    EXPECT_GT(countNear("lblOptionsCorrect", toQColor(kBlue)), 10);
    EXPECT_GT(countNear("lblOptionsIncorrect", toQColor(kRed)), 10);
    EXPECT_EQ(countNear("lblOptionsTime", toQColor(kRed)), 0);
}

// The layout is fixed, so every caption must fit its box in the shipped font.
TEST_F(MainWindowTest, EveryCaptionFitsItsBox)
{
    for (QLabel *label : window->findChildren<QLabel *>()) {
        const int room = label->contentsRect().width() - 2 * std::max(label->indent(), 0);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), room)
            << label->objectName().toStdString();
        EXPECT_LE(label->fontMetrics().height(), label->contentsRect().height())
            << label->objectName().toStdString();
    }
    for (QPushButton *button : window->findChildren<QPushButton *>())
        EXPECT_LE(button->sizeHint().width(), button->width())
            << button->objectName().toStdString();
    for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(window->rect().contains(child->geometry()))
            << child->objectName().toStdString();
}

// A whole one-minute test: Enter starts it, keys are judged, the real timer ticks on a still
// clock that the test moves, and the results come from the figures on screen.
TEST_F(MainWindowTest, FullTimedTestEndsWithTheResults)
{
    press(Qt::Key_Return);
    ASSERT_TRUE(running());
    EXPECT_EQ(focusName(), QStringLiteral("txtTyping"));
    type(QStringLiteral("ab xd"));
    EXPECT_EQ(window->test().state().TotalChars, 5);
    EXPECT_EQ(window->test().state().ErrorCount, 1);
    EXPECT_EQ(window->passage().styleAt(3).color, kRed);
    EXPECT_EQ(window->passage().styleAt(4).color, kBlue);
    EXPECT_EQ(window->carLeft(), TypingTest::kCarStart + 4 * TypingTest::kCarStep);
    EXPECT_EQ(find("imgCar")->x(), (TypingTest::kCarStart + 4 * TypingTest::kCarStep) / 15);

    // Half way: the passage was typed to its end, so the tick brings the next one.
    ASSERT_TRUE(tickAt(30000, "lblTime", QStringLiteral("30.0")));
    EXPECT_EQ(text("lblSpeed"), QStringLiteral("2"));
    EXPECT_EQ(text("lblAccuracy"), QStringLiteral("80.0"));
    EXPECT_TRUE(find<TypingBox>("txtTyping")->text().isEmpty());
    EXPECT_EQ(window->test().state().CharPos, 0);

    clock.now = 1000 + 60000;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !running(); }, 2000));
    ASSERT_EQ(messages.titles, QStringList{QStringLiteral("Typing Speed Results")});
    EXPECT_EQ(messages.texts.first(),
              QStringLiteral("Speed:\t\t1 wpm\r\nAccuracy:\t80.0%\r\nNet Speed:\t1 wpm\r\n"
                             "Time:\t\t1:00.0"));
    EXPECT_FALSE(find("txtTyping")->isEnabled());
    EXPECT_FALSE(find("cmdStop")->isEnabled());
    EXPECT_FALSE(find<QTimer>("tmrSpeed")->isActive());
    EXPECT_EQ(focusName(), QStringLiteral("cmdStart"));
}

// Once through the real QMessageBox, answered from a timer.
TEST_F(MainWindowTest, ResultsComeInAnInformationBox)
{
    open("ab cd", true);
    QString title;
    QString body;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    ModalCatcher catcher([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        body = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
    });
    press(Qt::Key_Return);
    press(Qt::Key_Escape);
    EXPECT_FALSE(running());
    EXPECT_EQ(catcher.caught().size(), 1);
    EXPECT_EQ(title, QStringLiteral("Typing Speed Results"));
    // The tab-aligned lines are shown as table rows, so their figures line up.
    QTextDocument shown;
    shown.setHtml(body);
    EXPECT_EQ(shown.toPlainText().simplified(),
              QStringLiteral("Speed: 0 wpm Accuracy: 100.0% Net Speed: 0 wpm Time: 0.0"));
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(buttons, QMessageBox::Ok);
}

TEST_F(MainWindowTest, EnterIsJudgedWhileRunningAndEscStopsFromTheTypingBox)
{
    press(Qt::Key_Return);
    ASSERT_TRUE(running());
    press(Qt::Key_Return);
    EXPECT_TRUE(running());
    EXPECT_EQ(window->test().state().TotalChars, 1);
    EXPECT_EQ(window->test().state().ErrorCount, 1);
    press(Qt::Key_Escape);
    EXPECT_FALSE(running());
    EXPECT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(window->test().state().TotalChars, 1);
}

TEST_F(MainWindowTest, SpaceOnStartStartsAndEnterOnAnotherButtonPressesThatButton)
{
    press(Qt::Key_Space);
    ASSERT_TRUE(running());
    press(Qt::Key_Escape);
    ASSERT_FALSE(running());
    QSignalSpy exits(window.get(), &MainWindow::exitRequested);
    find("cmdExit")->setFocus();
    press(Qt::Key_Return);
    EXPECT_FALSE(running());
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(MainWindowTest, TabVisitsOnlyEnabledControls)
{
    QStringList idle;
    for (int i = 0; i < 5; ++i) {
        press(Qt::Key_Tab);
        idle << focusName();
    }
    EXPECT_EQ(idle,
              (QStringList{"cmdOptions", "cmdInstructions", "cmdAbout", "cmdExit", "cmdStart"}));
    press(Qt::Key_Return);
    QStringList running;
    for (int i = 0; i < 3; ++i) {
        press(Qt::Key_Tab);
        running << focusName();
    }
    EXPECT_EQ(running, (QStringList{"cmdStop", "txtTyping", "cmdStop"}));
    EXPECT_EQ(window->test().state().TotalChars, 0);
    press(Qt::Key_Space);
    EXPECT_FALSE(this->running());
    EXPECT_EQ(messages.texts.size(), 1);
}

TEST_F(MainWindowTest, BackspaceIsRefused)
{
    press(Qt::Key_Return);
    type(QStringLiteral("a"));
    press(Qt::Key_Backspace);
    EXPECT_EQ(window->test().state().TotalChars, 1);
    EXPECT_EQ(window->test().state().CharPos, 1);
    EXPECT_EQ(find<TypingBox>("txtTyping")->text(), QStringLiteral("a"));
    EXPECT_TRUE(window->passage().styleAt(1).current);
    EXPECT_EQ(window->passage().styleAt(0).color, kBlue);
}

// A dead key commits "é" through the input method: one key, judged right.
TEST_F(MainWindowTest, ADeadKeyCharacterIsJudgedOnce)
{
    open("\xC3\xA9t\xC3\xA9");
    press(Qt::Key_Return);
    QInputMethodEvent accent(QStringLiteral("\u00B4"), {});
    QApplication::sendEvent(find("txtTyping"), &accent);
    QInputMethodEvent letter;
    letter.setCommitString(QStringLiteral("\u00E9"));
    QApplication::sendEvent(find("txtTyping"), &letter);
    EXPECT_EQ(window->test().state().TotalChars, 1);
    EXPECT_EQ(window->test().state().ErrorCount, 0);
    EXPECT_EQ(window->passage().styleAt(0).color, kBlue);
    EXPECT_EQ(find<TypingBox>("txtTyping")->text(), QStringLiteral("\u00E9"));
}

TEST_F(MainWindowTest, DoubleClickOnTheCreditOpensAboutOnlyWhileIdle)
{
    {
        ModalCatcher catcher;
        QTest::mouseDClick(find("lblAbout"), Qt::LeftButton);
        EXPECT_EQ(catcher.caught(), QStringList{QStringLiteral("frmAbout")});
    }
    press(Qt::Key_Return);
    {
        ModalCatcher catcher;
        for (const char *name : {"lblAbout", "fraOptions", "lblOptionsTime", "lblOptionsCorrect",
                                 "lblOptionsIncorrect"})
            QTest::mouseDClick(find(name), Qt::LeftButton, {}, QPoint(4, 4));
        QTest::qWait(30);
        EXPECT_TRUE(catcher.caught().isEmpty());
        EXPECT_TRUE(running());
    }
    // Once the test is over, the shortcuts work again.
    find<QPushButton>("cmdStop")->click();
    ASSERT_FALSE(running());
    ModalCatcher catcher;
    QTest::mouseDClick(find("lblAbout"), Qt::LeftButton);
    QTest::mouseDClick(find("lblOptionsTime"), Qt::LeftButton);
    EXPECT_EQ(catcher.caught(), (QStringList{"frmAbout", "frmOptions"}));
}

TEST_F(MainWindowTest, ExitEndsTheProgram)
{
    QSignalSpy exits(window.get(), &MainWindow::exitRequested);
    QTest::mouseClick(find("cmdExit"), Qt::LeftButton);
    EXPECT_EQ(exits.count(), 1);
    EXPECT_FALSE(window->isVisible());
}

// Closing through the frame in the middle of a test ends the program too, without results.
TEST_F(MainWindowTest, ClosingDuringATestEndsTheProgram)
{
    press(Qt::Key_Return);
    QSignalSpy exits(window.get(), &MainWindow::exitRequested);
    window->close();
    EXPECT_EQ(exits.count(), 1);
    EXPECT_FALSE(find<QTimer>("tmrSpeed")->isActive());
    QTest::qWait(120);
    EXPECT_TRUE(messages.texts.isEmpty());
}

// Esc while idle does nothing, before the first test and after one: no results, no exit, no
// test, and the focus stays where it was.
TEST_F(MainWindowTest, EscWhileIdleDoesNothing)
{
    QSignalSpy exits(window.get(), &MainWindow::exitRequested);
    QSignalSpy stops(find<QPushButton>("cmdStop"), &QPushButton::clicked);
    auto escapeFrom = [&](const char *focus) {
        find(focus)->setFocus();
        press(Qt::Key_Escape);
        EXPECT_EQ(focusName(), QLatin1String(focus));
        EXPECT_FALSE(running());
    };
    escapeFrom("cmdStart");
    escapeFrom("cmdAbout");
    EXPECT_TRUE(messages.texts.isEmpty());

    find<QPushButton>("cmdStart")->click();
    find<QPushButton>("cmdStop")->click();
    ASSERT_EQ(messages.texts.size(), 1);
    escapeFrom("cmdStart");
    escapeFrom("cmdExit");
    EXPECT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(stops.count(), 1);
    EXPECT_EQ(exits.count(), 0);
    EXPECT_TRUE(window->isVisible());
}

} // namespace
} // namespace quorvel
