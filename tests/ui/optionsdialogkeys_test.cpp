// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Options dialog by keyboard, as a screen-reader user goes through it: Tab enters the test
// lengths at the selected one, the arrows move the selection, and the colour buttons tell their
// colours.
#include "fakecolorpicker.h"
#include "optionsdialog.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

class OptionsKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    // The control that Tab reaches from Cancel, the one before the lengths.
    QString tabFromCancel()
    {
        auto *cancel = dialog.findChild<QPushButton *>(QStringLiteral("cmdCancel"));
        cancel->setFocus(Qt::TabFocusReason);
        QTest::keyClick(cancel, Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }

    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    FakeColorPicker picker;
    OptionsDialog dialog{picker};
};

TEST_F(OptionsKeysTest, TabEntersTheLengthsAtTheSelectedOne)
{
    dialog.select(TimeOption::OneMinute);
    EXPECT_EQ(tabFromCancel(), QStringLiteral("opt1Min"));
    dialog.select(TimeOption::FiveMinutes);
    EXPECT_EQ(tabFromCancel(), QStringLiteral("opt5Min")) << "as when Cancel puts one back";
    dialog.select(TimeOption::Unlimited);
    EXPECT_EQ(tabFromCancel(), QStringLiteral("optUnlimited"));
}

TEST_F(OptionsKeysTest, ArrowsMoveTheSelectionAndTabLeavesTheGroup)
{
    dialog.select(TimeOption::OneMinute);
    ASSERT_EQ(tabFromCancel(), QStringLiteral("opt1Min"));
    press(Qt::Key_Down);
    EXPECT_TRUE(dialog.isSelected(TimeOption::TwoMinutes));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("opt2Min"));
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    EXPECT_TRUE(dialog.isSelected(TimeOption::Unlimited));
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cmdCorrect"))
        << "one Tab leaves the group";
    EXPECT_EQ(tabFromCancel(), QStringLiteral("optUnlimited"));
}

TEST_F(OptionsKeysTest, NothingSelectedEntersAtTheFirst)
{
    EXPECT_EQ(tabFromCancel(), QStringLiteral("optUnlimited"));
}

TEST_F(OptionsKeysTest, ColourButtonsTellTheirColours)
{
    dialog.setCorrectSwatch(kBlue);
    dialog.setIncorrectSwatch(kRed);
    auto describe = [this](const char *name) {
        QWidget *button = dialog.findChild<QPushButton *>(QLatin1String(name));
        return QAccessible::queryAccessibleInterface(button)->text(QAccessible::Description);
    };
    EXPECT_EQ(describe("cmdCorrect"), QStringLiteral("blue"));
    EXPECT_EQ(describe("cmdIncorrect"), QStringLiteral("red"));
    dialog.setCorrectSwatch(0x006400);
    EXPECT_EQ(describe("cmdCorrect"), QStringLiteral("dark green"));
    EXPECT_EQ(describe("cmdIncorrect"), QStringLiteral("red"));
}

} // namespace
} // namespace quorvel
