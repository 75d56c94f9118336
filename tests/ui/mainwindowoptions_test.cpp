// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Options dialog as the main window uses it: created at start-up, opened by the Options
// button and the double-click shortcuts, and exchanging the settings on real widgets.
#include "carimage.h"
#include "colorconvert.h"
#include "modalcatcher.h"
#include "optionsdialog.h"
#include "windowrig.h"

#include <QApplication>
#include <QColorDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <functional>

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

class MainWindowOptionsTest : public WindowRig {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(reopen()); }

    // The program afresh, with the stand-ins as they are now.
    void reopen()
    {
        ASSERT_NO_FATAL_FAILURE(open("abc def"));
        dialog = find<OptionsDialog>("frmOptions");
        ASSERT_NE(dialog, nullptr);
        dialog->installEventFilter(&showCounter);
    }

    QPushButton *button(const char *name) { return find<QPushButton>(name); }
    QRadioButton *option(const char *name) { return find<QRadioButton>(name); }
    QLabel *label(const char *name) { return find<QLabel>(name); }

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
        withOptions([this] { click("cmdOptions"); }, act);
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

    ShowCounter showCounter;
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
        EXPECT_EQ(shownColour(find<QLineEdit>("txtCorrect")), 16711680u);
        EXPECT_EQ(shownColour(find<QLineEdit>("txtIncorrect")), 255u);
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

    click("cmdStart");
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

    click("cmdStart");
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
        EXPECT_EQ(shownColour(find<QLineEdit>("txtCorrect")), kGreen);
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
        EXPECT_EQ(shownColour(find<QLineEdit>("txtCorrect")), 16711680u);
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
    standIns.colorPicker = nullptr;
    ASSERT_NO_FATAL_FAILURE(reopen());
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
    QWidget *target = find(GetParam());
    withOptions([target] { QTest::mouseDClick(target, Qt::LeftButton); },
                [this] {
                    option("opt5Min")->click();
                    button("cmdOK")->click();
                });
    EXPECT_EQ(settings().TestLength, "5 Minutes");

    click("cmdStart");
    tickAt(120);
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
    click("cmdStop");
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
    click("cmdStart");
    QTest::keyClicks(box, QStringLiteral("ax"));
    ASSERT_EQ(window->passage().styleAt(0).color, 16711680u);
    ASSERT_EQ(window->passage().styleAt(1).color, 255u);
    click("cmdStop");

    picker.answer = kGreen;
    withOptions([this] {
        button("cmdCorrect")->click();
        picker.answer = 0x00FFFF;
        button("cmdIncorrect")->click();
        button("cmdOK")->click();
    });
    click("cmdStart");
    QTest::keyClicks(box, QStringLiteral("ax"));

    EXPECT_EQ(window->passage().styleAt(0).color, kGreen);
    EXPECT_EQ(window->passage().styleAt(1).color, 0x00FFFFu);
}

} // namespace
} // namespace quorvel
