// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Options dialog on its own: layout, captions, tab order, the option group and the swatches.
#include "captionof.h"
#include "colorconvert.h"
#include "fakecolorpicker.h"
#include "optionsdialog.h"
#include "twips.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace quorvel {
namespace {

class OptionsDialogTest : public ::testing::Test {
protected:
    template <typename Widget> Widget *child(const char *name)
    {
        auto *widget = dialog.findChild<Widget *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    FakeColorPicker picker;
    OptionsDialog dialog{picker};
};

TEST_F(OptionsDialogTest, CreatedWithNothingChosenAndTheAnswerHidden)
{
    EXPECT_EQ(dialog.objectName(), "frmOptions");
    EXPECT_EQ(dialog.windowTitle(), "Options");
    EXPECT_EQ(dialog.size(), QSize(twips(3615), twips(4635)));
    for (QRadioButton *option : dialog.findChildren<QRadioButton *>()) {
        EXPECT_FALSE(option->isChecked()) << option->objectName().toStdString();
    }
    auto *answer = child<QCheckBox>("chkOKCancel");
    EXPECT_FALSE(answer->isChecked());
    EXPECT_FALSE(dialog.okChecked());
    dialog.show();
    EXPECT_FALSE(answer->isVisible());
    dialog.hide();
}

struct Place {
    const char *name;
    const char *parent;
    const char *caption;
    int left, top, width, height;
};

const Place kPlaces[] = {
    {"cmdOK", "frmOptions", "OK", 360, 4020, 1335, 495},
    {"cmdCancel", "frmOptions", "Cancel", 1920, 4020, 1335, 495},
    {"fraTime", "frmOptions", "How Much Time?", 240, 120, 3135, 1815},
    {"optUnlimited", "fraTime", "Unlimited (stop when you choose)", 240, 240, 2775, 255},
    {"opt1Min", "fraTime", "1 Minute", 240, 480, 1575, 375},
    {"opt2Min", "fraTime", "2 Minutes", 240, 840, 1575, 255},
    {"opt3Min", "fraTime", "3 Minutes", 240, 1080, 1695, 375},
    {"opt5Min", "fraTime", "5 Minutes (standard test)", 240, 1440, 2175, 255},
    {"fraColor", "frmOptions", "Text Color", 240, 2040, 3135, 1815},
    {"cmdCorrect", "fraColor", "Correct Characters:", 240, 300, 1695, 375},
    {"cmdIncorrect", "fraColor", "Incorrect Characters:", 240, 780, 1695, 375},
    {"cmdResetColors", "fraColor", "Reset Colors", 240, 1260, 1695, 375},
    {"txtCorrect", "fraColor", "", 2160, 300, 735, 375},
    {"txtIncorrect", "fraColor", "", 2160, 780, 735, 375},
    {"chkOKCancel", "frmOptions", "OK or Cancel", 1200, 3840, 1335, 255},
};

TEST_F(OptionsDialogTest, EveryControlSitsAtItsPlaceWithItsCaption)
{
    for (const Place &place : kPlaces) {
        SCOPED_TRACE(place.name);
        auto *widget = child<QWidget>(place.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), place.parent);
        EXPECT_EQ(captionOf(widget), place.caption);
        EXPECT_EQ(widget->geometry(), twipsRect(place.left, place.top, place.width, place.height));
        // Only the two frame captions are bold; their children keep the regular face.
        EXPECT_EQ(widget->font().bold(), qobject_cast<QGroupBox *>(widget) != nullptr);
    }
}

// The space a caption has, in logical pixels. A frame's caption runs from where it starts to the
// inside edge of the border, above the first control in the frame. (The label rectangle a style
// reports is measured from the caption itself, so it always fits.) A button's is the part its
// style keeps for the text.
QRect captionRoom(QWidget *widget)
{
    QStyle *style = widget->style();
    if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect caption =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        const QRect inside =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, frame);
        int firstTop = frame->height();
        for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            firstTop = std::min(firstTop, child->y());
        return QRect(QPoint(caption.left(), 0), QPoint(inside.right(), firstTop - 1));
    }
    auto *button = qobject_cast<QAbstractButton *>(widget);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement element =
        qobject_cast<QRadioButton *>(widget) ? QStyle::SE_RadioButtonContents
        : qobject_cast<QCheckBox *>(widget)  ? QStyle::SE_CheckBoxContents
                                             : QStyle::SE_PushButtonContents;
    return style->subElementRect(element, &option, button);
}

TEST_F(OptionsDialogTest, NoCaptionIsClipped)
{
    for (const Place &place : kPlaces) {
        if (*place.caption == '\0') {
            continue;
        }
        SCOPED_TRACE(place.name);
        auto *widget = child<QWidget>(place.name);
        const QRect room = captionRoom(widget);
        const QRect text = widget->fontMetrics().boundingRect(QString::fromLatin1(place.caption));
        EXPECT_LE(text.width(), room.width());
        EXPECT_LE(widget->fontMetrics().height(), room.height());
        EXPECT_TRUE(widget->rect().contains(room)) << room.x() << "," << room.width();
    }
}

TEST_F(OptionsDialogTest, TabOrderFollowsTheTable)
{
    const char *expected[] = {"cmdOK",      "cmdCancel",    "fraTime",      "optUnlimited",
                              "opt1Min",    "opt2Min",      "opt3Min",      "opt5Min",
                              "fraColor",   "cmdCorrect",   "cmdIncorrect", "cmdResetColors",
                              "txtCorrect", "txtIncorrect", "chkOKCancel"};
    QWidget *widget = child<QWidget>(expected[0]);
    for (size_t i = 1; i < std::size(expected); ++i) {
        // Walk the chain past the frames' and dialog's own entries to the next table control.
        widget = widget->nextInFocusChain();
        while (widget->objectName().isEmpty() || widget == &dialog) {
            widget = widget->nextInFocusChain();
        }
        EXPECT_EQ(widget->objectName(), expected[i]);
    }
}

TEST_F(OptionsDialogTest, OptionButtonsFormOneExclusiveGroup)
{
    auto *opt2 = child<QRadioButton>("opt2Min");
    auto *opt5 = child<QRadioButton>("opt5Min");
    ASSERT_NE(opt2->group(), nullptr);
    EXPECT_TRUE(opt2->group()->exclusive());
    EXPECT_EQ(opt2->group()->buttons().size(), 5);
    opt2->click();
    opt5->click();
    EXPECT_FALSE(opt2->isChecked());
    EXPECT_TRUE(dialog.isSelected(TimeOption::FiveMinutes));
    dialog.select(TimeOption::Unlimited);
    EXPECT_FALSE(opt5->isChecked());
    EXPECT_TRUE(child<QRadioButton>("optUnlimited")->isChecked());
}

TEST_F(OptionsDialogTest, PickedColourGoesToItsSwatchOnly)
{
    dialog.setCorrectSwatch(kBlue);
    dialog.setIncorrectSwatch(kRed);
    picker.answer = 0x00FF00;
    child<QPushButton>("cmdCorrect")->click();
    EXPECT_EQ(dialog.correctSwatch(), 0x00FF00u);
    EXPECT_EQ(dialog.incorrectSwatch(), kRed);

    picker.answer = 0x808080;
    child<QPushButton>("cmdIncorrect")->click();
    EXPECT_EQ(dialog.correctSwatch(), 0x00FF00u);
    EXPECT_EQ(dialog.incorrectSwatch(), 0x808080u);
    EXPECT_EQ(picker.calls, 2);
}

TEST_F(OptionsDialogTest, ResetColorsChangesOnlyTheSwatches)
{
    dialog.select(TimeOption::ThreeMinutes);
    dialog.setCorrectSwatch(0x00FF00);
    dialog.setIncorrectSwatch(0x00FFFF);
    child<QPushButton>("cmdResetColors")->click();
    EXPECT_EQ(dialog.correctSwatch(), 16711680u);
    EXPECT_EQ(dialog.incorrectSwatch(), 255u);
    EXPECT_TRUE(dialog.isSelected(TimeOption::ThreeMinutes));
    EXPECT_FALSE(dialog.okChecked());
}

// The swatches are disabled, yet their background must show the colour under every style.
TEST(OptionsDialogStyles, DisabledSwatchesShowTheirColourInEveryStyle)
{
    const QString original = QApplication::style()->name();
    for (const QString &styleName : QStyleFactory::keys()) {
        SCOPED_TRACE(styleName.toStdString());
        QApplication::setStyle(styleName);
        FakeColorPicker picker;
        OptionsDialog dialog(picker);
        dialog.setCorrectSwatch(0x00A0FF);
        dialog.setIncorrectSwatch(0x7F0040);
        dialog.show();
        for (const char *name : {"txtCorrect", "txtIncorrect"}) {
            auto *swatch = dialog.findChild<QLineEdit *>(QLatin1String(name));
            ASSERT_NE(swatch, nullptr);
            EXPECT_FALSE(swatch->isEnabled());
            EXPECT_TRUE(swatch->isReadOnly());
            const QImage image = swatch->grab().toImage();
            const Color expected = QLatin1String(name) == QLatin1String("txtCorrect")
                                       ? dialog.correctSwatch()
                                       : dialog.incorrectSwatch();
            const QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
            EXPECT_EQ(fromQColor(centre), expected) << name;
        }
        dialog.hide();
    }
    QApplication::setStyle(original);
}

} // namespace
} // namespace quorvel
