// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Options dialog as the main window uses it: created at start-up, opened by the Options
// button and the double-click shortcuts, and exchanging the settings on real widgets.
#include "carimage.h"
#include "colorconvert.h"
#include "colorpicker.h"
#include "fakecolorpicker.h"
#include "fakes.h"
#include "mainwindow.h"
#include "modalcatcher.h"
#include "optionsdialog.h"
#include "passagestore.h"
#include "program.h"

#include <QApplication>
#include <QColorDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace quorvel {
namespace {

// Counts the showings of a window.
class ShowCounter : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

constexpr Color kGreen = 0x00FF00;

class MainWindowOptionsTest : public ::testing::Test {
protected:
    MainWindowOptionsTest()
    {
        EXPECT_TRUE(store.loadFromBytes("1\r\nabc def\r\n", QStringLiteral("passages")).isEmpty());
        open(&picker);
    }

    // The program afresh, picking colours with colorPicker, or with the platform's dialog when
    // that is nullptr.
    void open(ColorPicker *colorPicker)
    {
        program.reset();
        program = std::make_unique<Program>(
            store, Program::StandIns{&clock, &timer, &messages, nullptr, colorPicker});
        window = &program->window();
        dialog = window->findChild<OptionsDialog *>(QStringLiteral("frmOptions"));
        if (dialog)
            dialog->installEventFilter(&showCounter);
        window->show();
    }

    void SetUp() override { ASSERT_NE(dialog, nullptr); }

    template <typename Widget> Widget *find(QObject *owner, const char *name)
    {
        auto *widget = owner->findChild<Widget *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QPushButton *button(const char *name) { return find<QPushButton>(dialog, name); }
    QRadioButton *option(const char *name) { return find<QRadioButton>(dialog, name); }
    QLabel *label(const char *name) { return find<QLabel>(window, name); }

    // Opens Options with `open` and plays the user with `act` once the dialog is up. A watchdog
    // cancels a dialog that `act` left open, so a fault fails the test instead of hanging it.
    void withOptions(const std::function<void()> &open, const std::function<void()> &act)
    {
        bool upAndModal = false;
        QTimer::singleShot(0, dialog, [&] {
            upAndModal = dialog->isVisible() && QApplication::activeModalWidget() == dialog;
            act();
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, dialog, [this] {
            ADD_FAILURE() << "the dialog stayed open";
            dialog->reject();
        });
        watchdog.start(5000);
        open();
        EXPECT_TRUE(upAndModal);
        EXPECT_FALSE(dialog->isVisible());
    }
    void withOptions(const std::function<void()> &act)
    {
        withOptions([this] { find<QPushButton>(window, "cmdOptions")->click(); }, act);
    }

    static Color textColor(QLabel *label)
    {
        return fromQColor(label->palette().color(QPalette::WindowText));
    }
    static Color shownColour(QLineEdit *swatch)
    {
        const QImage image = swatch->grab().toImage();
        return fromQColor(image.pixelColor(image.width() / 2, image.height() / 2));
    }

    const Settings &settings() { return program->test().settings(); }

    PassageStore store;
    FakeClock clock{5000};
    FakeTimer timer;
    FakeMessageBox messages;
    FakeColorPicker picker;
    ShowCounter showCounter;
    std::unique_ptr<Program> program;
    MainWindow *window = nullptr;
    OptionsDialog *dialog = nullptr;
};

TEST_F(MainWindowOptionsTest, FirstOpeningShowsTheStartUpState)
{
    EXPECT_FALSE(dialog->isVisible());
    // The program gives its windows the car; the dialog must not borrow it.
    window->setWindowIcon(CarImage::icon());
    withOptions([this] {
        EXPECT_TRUE(option("opt1Min")->isChecked());
        for (const char *other : {"opt2Min", "opt3Min", "opt5Min", "optUnlimited"})
            EXPECT_FALSE(option(other)->isChecked()) << other;
        EXPECT_EQ(shownColour(find<QLineEdit>(dialog, "txtCorrect")), 16711680u);
        EXPECT_EQ(shownColour(find<QLineEdit>(dialog, "txtIncorrect")), 255u);
        EXPECT_FALSE(dialog->okChecked());
        const QPoint offset = dialog->geometry().center() - window->geometry().center();
        EXPECT_LE(offset.manhattanLength(), 2) << "centred over the main window";
        EXPECT_TRUE(dialog->windowIcon().isNull());
        EXPECT_EQ(dialog->windowTitle(), "Options");
        button("cmdCancel")->click();
    });
    withOptions([this] { button("cmdOK")->click(); });
    // One dialog for the whole run, reused.
    EXPECT_EQ(window->findChildren<OptionsDialog *>().size(), 1);
    EXPECT_EQ(showCounter.shows, 2);
}

TEST_F(MainWindowOptionsTest, FiveMinutesTakesEffectOnTheFiguresAtTheNextStart)
{
    withOptions([this] {
        option("opt5Min")->click();
        button("cmdOK")->click();
    });
    EXPECT_EQ(label("lblOptionsTime")->text(), "Test length: 5 Minutes");
    EXPECT_EQ(settings().TestLength, "5 Minutes");
    EXPECT_EQ(label("lblTimeLeft")->text(), "1:00.0");

    find<QPushButton>(window, "cmdStart")->click();
    EXPECT_EQ(label("lblTimeLeft")->text(), "5:00.0");
}

TEST_F(MainWindowOptionsTest, UnlimitedHidesTimeLeftFromTheNextStart)
{
    withOptions([this] {
        option("optUnlimited")->click();
        button("cmdOK")->click();
    });
    EXPECT_EQ(label("lblOptionsTime")->text(), "Test length: Unlimited");
    EXPECT_FALSE(label("lblTimeLeft")->isHidden());

    find<QPushButton>(window, "cmdStart")->click();
    EXPECT_TRUE(label("lblTimeLeft")->isHidden());
}

enum class WayOut { Cancel, Esc, Frame };

std::string wayOutName(const ::testing::TestParamInfo<WayOut> &info)
{
    static const char *const names[] = {"Cancel", "Esc", "Frame"};
    return names[int(info.param)];
}

class MainWindowOptionsCancelTest : public MainWindowOptionsTest,
                                    public ::testing::WithParamInterface<WayOut> {};

TEST_P(MainWindowOptionsCancelTest, NewColourAndTestLengthAreDropped)
{
    picker.answer = kGreen;
    withOptions([this] {
        option("opt3Min")->click();
        button("cmdCorrect")->click();
        EXPECT_EQ(shownColour(find<QLineEdit>(dialog, "txtCorrect")), kGreen);
        switch (GetParam()) {
        case WayOut::Cancel:
            button("cmdCancel")->click();
            break;
        case WayOut::Esc:
            QTest::keyClick(option("opt3Min"), Qt::Key_Escape);
            break;
        case WayOut::Frame:
            dialog->close();
            break;
        }
    });
    EXPECT_EQ(settings().CorrectColor, 16711680u);
    EXPECT_EQ(settings().TestLength, "1 Minute");
    EXPECT_EQ(label("lblOptionsTime")->text(), "Test length: 1 Minute");
    EXPECT_EQ(textColor(label("lblOptionsCorrect")), 16711680u);

    withOptions([this] {
        EXPECT_EQ(shownColour(find<QLineEdit>(dialog, "txtCorrect")), 16711680u);
        EXPECT_TRUE(option("opt1Min")->isChecked());
        button("cmdOK")->click();
    });
    EXPECT_EQ(settings().CorrectColor, 16711680u);
}

INSTANTIATE_TEST_SUITE_P(WaysOut, MainWindowOptionsCancelTest,
                         ::testing::Values(WayOut::Cancel, WayOut::Esc, WayOut::Frame), wayOutName);

TEST_F(MainWindowOptionsTest, ResetColorsThenOkRestoresBlueAndRed)
{
    picker.answer = kGreen;
    withOptions([this] {
        button("cmdCorrect")->click();
        button("cmdIncorrect")->click();
        button("cmdOK")->click();
    });
    ASSERT_EQ(settings().IncorrectColor, kGreen);
    ASSERT_EQ(textColor(label("lblOptionsIncorrect")), kGreen);

    withOptions([this] {
        button("cmdResetColors")->click();
        button("cmdOK")->click();
    });
    EXPECT_EQ(settings().CorrectColor, 16711680u);
    EXPECT_EQ(settings().IncorrectColor, 255u);
    EXPECT_EQ(textColor(label("lblOptionsCorrect")), 16711680u);
    EXPECT_EQ(textColor(label("lblOptionsIncorrect")), 255u);
}

TEST_F(MainWindowOptionsTest, CancelledPickerLeavesTheSwatch)
{
    picker.answer.reset();
    withOptions([this] {
        button("cmdIncorrect")->click();
        EXPECT_EQ(dialog->incorrectSwatch(), 255u);
        button("cmdOK")->click();
    });
    EXPECT_EQ(settings().IncorrectColor, 255u);
}

TEST_F(MainWindowOptionsTest, RealColourDialogRejectedLeavesTheSwatch)
{
    open(nullptr);
    ASSERT_NE(dialog, nullptr);
    bool sawColourDialog = false;
    withOptions([this, &sawColourDialog] {
        QTimer::singleShot(0, dialog, [&sawColourDialog] {
            auto *picker = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
            sawColourDialog = picker != nullptr;
            if (picker)
                picker->reject();
        });
        button("cmdCorrect")->click();
        EXPECT_EQ(dialog->correctSwatch(), 16711680u);
        button("cmdOK")->click();
    });
    EXPECT_TRUE(sawColourDialog);
    EXPECT_EQ(settings().CorrectColor, 16711680u);
}

TEST_F(MainWindowOptionsTest, EnterIsOkAndEscIsCancel)
{
    withOptions([this] {
        option("opt2Min")->click();
        QTest::keyClick(option("opt2Min"), Qt::Key_Return);
    });
    EXPECT_EQ(settings().TestLength, "2 Minutes");

    withOptions([this] {
        option("opt3Min")->click();
        QTest::keyClick(option("opt3Min"), Qt::Key_Escape);
    });
    EXPECT_EQ(settings().TestLength, "2 Minutes");
    EXPECT_TRUE(option("opt2Min")->isChecked());
}

class MainWindowShortcutTest : public MainWindowOptionsTest,
                               public ::testing::WithParamInterface<const char *> {};

TEST_P(MainWindowShortcutTest, DoubleClickOpensOptionsOnlyWhileIdle)
{
    QWidget *target = find<QWidget>(window, GetParam());
    withOptions([target] { QTest::mouseDClick(target, Qt::LeftButton); },
                [this] {
                    option("opt5Min")->click();
                    button("cmdOK")->click();
                });
    EXPECT_EQ(settings().TestLength, "5 Minutes");

    find<QPushButton>(window, "cmdStart")->click();
    clock.now += 120;
    program->test().tmrSpeed_Timer();
    {
        // Closes a dialog that a broken guard lets open, which would otherwise wait for ever.
        ModalCatcher catcher;
        const int shows = showCounter.shows;
        QTest::mouseDClick(target, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(showCounter.shows, shows);
        EXPECT_TRUE(catcher.caught().isEmpty());
    }

    // After Stop the shortcut opens the dialog again.
    find<QPushButton>(window, "cmdStop")->click();
    withOptions([target] { QTest::mouseDClick(target, Qt::LeftButton); },
                [this] { button("cmdCancel")->click(); });
    EXPECT_EQ(settings().TestLength, "5 Minutes");
}

INSTANTIATE_TEST_SUITE_P(Shortcuts, MainWindowShortcutTest,
                         ::testing::Values("fraOptions", "lblOptionsTime", "lblOptionsCorrect",
                                           "lblOptionsIncorrect"),
                         [](const auto &info) { return std::string(info.param); });

// Typed characters take the colours in force when their key is judged.
TEST_F(MainWindowOptionsTest, TypedCharactersTakeTheNewColoursFromTheNextKey)
{
    auto *start = find<QPushButton>(window, "cmdStart");
    QWidget *typing = find<QWidget>(window, "txtTyping");
    start->click();
    QTest::keyClicks(typing, QStringLiteral("ax"));
    ASSERT_EQ(window->passage().styleAt(0).color, 16711680u);
    ASSERT_EQ(window->passage().styleAt(1).color, 255u);
    find<QPushButton>(window, "cmdStop")->click();

    picker.answer = kGreen;
    withOptions([this] {
        button("cmdCorrect")->click();
        picker.answer = 0x00FFFF;
        button("cmdIncorrect")->click();
        button("cmdOK")->click();
    });
    start->click();
    QTest::keyClicks(typing, QStringLiteral("ax"));

    EXPECT_EQ(window->passage().styleAt(0).color, kGreen);
    EXPECT_EQ(window->passage().styleAt(1).color, 0x00FFFFu);
}

} // namespace
} // namespace quorvel
