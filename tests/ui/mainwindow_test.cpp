// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// frmSpeed on real widgets: whole tests driven with QTest keys on a still clock and a timer that
// ticks when told, the keyboard roles, the focus order and the window's own handlers.
#include "colorconvert.h"
#include "modalcatcher.h"
#include "windowrig.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTextDocument>

namespace quorvel {
namespace {

// Antialiased small print seldom hits the exact colour.
bool colorsClose(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) < 70 && std::abs(a.green() - b.green()) < 70 &&
           std::abs(a.blue() - b.blue()) < 70;
}

class MainWindowTest : public WindowRig {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(open()); }

    QString focusName() const
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    // A key as the user types it: to whatever has the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window, key, modifiers);
    }
    void type(const QString &keys) { QTest::keyClicks(box, keys); }
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
    EXPECT_FALSE(timer.active);
}

// The option colours must survive the style and the frame's style sheet: look at the pixels.
TEST_F(MainWindowTest, OptionColoursReachTheScreen)
{
    const QImage image = window->grab().toImage();
    auto countNear = [&](const char *name, const QColor &color) {
        QWidget *label = find(name);
        const QRect box(label->mapTo(window, QPoint(0, 0)), label->size());
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

// A whole one-minute test: Enter starts it, keys are judged, the timer ticks on a still clock
// that the test moves, and the results come from the figures on screen.
TEST_F(MainWindowTest, FullTimedTestEndsWithTheResults)
{
    press(Qt::Key_Return);
    ASSERT_TRUE(running());
    EXPECT_EQ(focusName(), QStringLiteral("txtTyping"));
    type(QStringLiteral("ab xd"));
    EXPECT_EQ(state().TotalChars, 5);
    EXPECT_EQ(state().ErrorCount, 1);
    EXPECT_EQ(window->passage().styleAt(3).color, kRed);
    EXPECT_EQ(window->passage().styleAt(4).color, kBlue);
    EXPECT_EQ(window->carLeft(), 2760 + 4 * 60);
    EXPECT_EQ(find("imgCar")->x(), (2760 + 4 * 60) / 15);

    // Half way: the passage was typed to its end, so the tick brings the next one.
    tickAt(30000);
    EXPECT_EQ(text("lblTime"), QStringLiteral("30.0"));
    EXPECT_EQ(text("lblSpeed"), QStringLiteral("2"));
    EXPECT_EQ(text("lblAccuracy"), QStringLiteral("80.0"));
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(state().CharPos, 0);

    tickAt(60000);
    ASSERT_FALSE(running());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.front().text(),
              QStringLiteral("Speed:\t\t1 wpm\r\nAccuracy:\t80.0%\r\nNet Speed:\t1 wpm\r\n"
                             "Time:\t\t1:00.0"));
    EXPECT_FALSE(find("txtTyping")->isEnabled());
    EXPECT_FALSE(find("cmdStop")->isEnabled());
    EXPECT_FALSE(timer.active);
    EXPECT_EQ(focusName(), QStringLiteral("cmdStart"));
}

// Once through the real QMessageBox, answered from a timer.
TEST_F(MainWindowTest, ResultsComeInAnInformationBox)
{
    standIns.messages = nullptr;
    ASSERT_NO_FATAL_FAILURE(open());
    QString title;
    QString shown;
    QString spoken;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    ModalCatcher catcher([&](QWidget *modal) {
        auto *results = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(results, nullptr);
        title = results->windowTitle();
        icon = results->icon();
        buttons = results->standardButtons();
        for (QLabel *label : results->findChildren<QLabel *>()) {
            // The document the label paints, whatever text format it was given.
            const auto *painted = label->findChild<QTextDocument *>();
            if (label->text() == results->text() && painted) {
                shown = painted->toPlainText();
                spoken = label->accessibleDescription();
            }
        }
    });
    press(Qt::Key_Return);
    type(QStringLiteral("ax"));
    tickAt(1000);
    press(Qt::Key_Escape);
    EXPECT_FALSE(running());
    EXPECT_EQ(catcher.caught().size(), 1);
    EXPECT_EQ(title, QStringLiteral("Typing Speed Results"));
    // The tab-aligned lines are shown as table rows, so their figures line up.
    EXPECT_EQ(shown.simplified(),
              QStringLiteral("Speed: 24 wpm Accuracy: 50.0% Net Speed: 12 wpm Time: 1.0"));
    // A screen reader gets the message text itself, which repeats the figures on screen.
    EXPECT_EQ(spoken.toUtf8(),
              QByteArray("Speed:\t\t24 wpm\r\nAccuracy:\t50.0%\r\nNet Speed:\t12 wpm\r\n"
                         "Time:\t\t1.0"));
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(buttons, QMessageBox::Ok);
}

TEST_F(MainWindowTest, EnterIsJudgedWhileRunningAndEscStopsFromTheTypingBox)
{
    press(Qt::Key_Return);
    ASSERT_TRUE(running());
    press(Qt::Key_Return);
    EXPECT_TRUE(running());
    EXPECT_EQ(state().TotalChars, 1);
    EXPECT_EQ(state().ErrorCount, 1);
    press(Qt::Key_Escape);
    EXPECT_FALSE(running());
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(state().TotalChars, 1);
}

TEST_F(MainWindowTest, SpaceOnStartStarts)
{
    press(Qt::Key_Space);
    EXPECT_TRUE(running());
}

// Enter, on the main keys or the number pad, presses Start, the default button, unless another
// button has the focus: then it presses that one.
class MainWindowEnterTest : public MainWindowTest,
                            public ::testing::WithParamInterface<Qt::KeyboardModifiers> {};

TEST_P(MainWindowEnterTest, PressesStartOrTheFocusedButton)
{
    const Qt::Key key = GetParam() & Qt::KeypadModifier ? Qt::Key_Enter : Qt::Key_Return;
    press(key, GetParam());
    ASSERT_TRUE(running());
    press(Qt::Key_Escape);
    ASSERT_FALSE(running());
    QSignalSpy exits(window, &MainWindow::exitRequested);
    find("cmdExit")->setFocus();
    press(key, GetParam());
    EXPECT_FALSE(running());
    EXPECT_EQ(exits.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(MainAndKeypad, MainWindowEnterTest,
                         ::testing::Values(Qt::KeyboardModifiers(Qt::NoModifier),
                                           Qt::KeyboardModifiers(Qt::KeypadModifier)),
                         [](const auto &info) {
                             return info.param & Qt::KeypadModifier ? "Keypad" : "Main";
                         });

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
    EXPECT_EQ(state().TotalChars, 0);
    press(Qt::Key_Space);
    EXPECT_FALSE(this->running());
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(MainWindowTest, BackspaceIsRefused)
{
    press(Qt::Key_Return);
    type(QStringLiteral("a"));
    press(Qt::Key_Backspace);
    EXPECT_EQ(state().TotalChars, 1);
    EXPECT_EQ(state().CharPos, 1);
    EXPECT_EQ(box->text(), QStringLiteral("a"));
    EXPECT_TRUE(window->passage().styleAt(1).current);
    EXPECT_EQ(window->passage().styleAt(0).color, kBlue);
}

// A dead key commits "é" through the input method: one key, judged right.
TEST_F(MainWindowTest, ADeadKeyCharacterIsJudgedOnce)
{
    ASSERT_NO_FATAL_FAILURE(open("\xC3\xA9t\xC3\xA9"));
    press(Qt::Key_Return);
    QInputMethodEvent accent(QStringLiteral("\u00B4"), {});
    QApplication::sendEvent(box, &accent);
    QInputMethodEvent letter;
    letter.setCommitString(QStringLiteral("\u00E9"));
    QApplication::sendEvent(box, &letter);
    EXPECT_EQ(state().TotalChars, 1);
    EXPECT_EQ(state().ErrorCount, 0);
    EXPECT_EQ(window->passage().styleAt(0).color, kBlue);
    EXPECT_EQ(box->text(), QStringLiteral("\u00E9"));
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
    click("cmdStop");
    ASSERT_FALSE(running());
    ModalCatcher catcher;
    QTest::mouseDClick(find("lblAbout"), Qt::LeftButton);
    QTest::mouseDClick(find("lblOptionsTime"), Qt::LeftButton);
    EXPECT_EQ(catcher.caught(), (QStringList{"frmAbout", "frmOptions"}));
}

TEST_F(MainWindowTest, ExitEndsTheProgram)
{
    QSignalSpy exits(window, &MainWindow::exitRequested);
    QTest::mouseClick(find("cmdExit"), Qt::LeftButton);
    EXPECT_EQ(exits.count(), 1);
    EXPECT_FALSE(window->isVisible());
}

// Closing through the frame in the middle of a test ends the program too, without results: the
// engine abandons the test, so its timer stops and a tick already on its way does nothing.
TEST_F(MainWindowTest, ClosingDuringATestEndsTheProgram)
{
    press(Qt::Key_Return);
    QSignalSpy exits(window, &MainWindow::exitRequested);
    window->close();
    EXPECT_EQ(exits.count(), 1);
    EXPECT_FALSE(running());
    EXPECT_FALSE(timer.active);
    clock.now = 1000 + 60000;
    program->test().tmrSpeed_Timer();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state().ElapsedMs, 0);
}

// Esc while idle does nothing, before the first test and after one: no results, no exit, no
// test, and the focus stays where it was.
TEST_F(MainWindowTest, EscWhileIdleDoesNothing)
{
    QSignalSpy exits(window, &MainWindow::exitRequested);
    QSignalSpy stops(find<QPushButton>("cmdStop"), &QPushButton::clicked);
    auto escapeFrom = [&](const char *focus) {
        find(focus)->setFocus();
        press(Qt::Key_Escape);
        EXPECT_EQ(focusName(), QLatin1String(focus));
        EXPECT_FALSE(running());
    };
    escapeFrom("cmdStart");
    escapeFrom("cmdAbout");
    EXPECT_TRUE(messages.shown.empty());

    click("cmdStart");
    click("cmdStop");
    ASSERT_EQ(messages.shown.size(), 1);
    escapeFrom("cmdStart");
    escapeFrom("cmdExit");
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(stops.count(), 1);
    EXPECT_EQ(exits.count(), 0);
    EXPECT_TRUE(window->isVisible());
}

} // namespace
} // namespace quorvel
