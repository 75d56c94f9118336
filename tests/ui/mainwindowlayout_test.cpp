// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// frmSpeed's layout, control by control, as the window shows it after start-up.
#include "captionof.h"
#include "passageview.h"
#include "twips.h"
#include "windowrig.h"

#include <QRegularExpression>

#include <ostream>
#include <string>

namespace quorvel {
namespace {

enum Look : unsigned {
    kPlain = 0,
    kBold = 1,
    kRight = 2,  // right-aligned caption
    kBorder = 4, // a single-line border
};

struct Row {
    const char *name;
    const char *kind;
    const char *parent;
    const char *text; // nullptr: any text but an empty one
    int left, top, width, height;
    unsigned look;
};

void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.name;
}

// The figures and the options summary hold their start-up values.
const Row kControls[] = {
    {"lblCapSpeed", "QLabel", "frmSpeed", "Speed (wpm)", 360, 180, 1215, 255, kBold | kRight},
    {"lblSpeed", "QLabel", "frmSpeed", "0", 1740, 180, 795, 255, kPlain},
    {"lblCapAccuracy", "QLabel", "frmSpeed", "Accuracy (%)", 360, 480, 1215, 255, kBold | kRight},
    {"lblAccuracy", "QLabel", "frmSpeed", "100.0", 1740, 480, 795, 255, kPlain},
    {"lblCapNetSpeed", "QLabel", "frmSpeed", "Net Speed (wpm)", 60, 780, 1515, 255, kBold | kRight},
    {"lblNetSpeed", "QLabel", "frmSpeed", "0", 1740, 780, 795, 255, kPlain},
    {"lblCapTime", "QLabel", "frmSpeed", "Time", 1080, 1320, 495, 255, kBold | kRight},
    {"lblTime", "QLabel", "frmSpeed", "0.0", 1740, 1320, 795, 255, kPlain},
    {"lblCapTimeLeft", "QLabel", "frmSpeed", "Time left", 780, 1620, 795, 255, kBold | kRight},
    {"lblTimeLeft", "QLabel", "frmSpeed", "1:00.0", 1740, 1620, 795, 255, kPlain},
    {"fraOptions", "QGroupBox", "frmSpeed", "Current Options", 3000, 120, 1815, 1335, kBold},
    {"lblOptionsTime", "QLabel", "fraOptions", "Test length: 1 Minute", 120, 360, 1575, 255,
     kPlain},
    {"lblOptionsCorrect", "QLabel", "fraOptions", "Correct Characters", 120, 720, 1575, 255,
     kPlain},
    {"lblOptionsIncorrect", "QLabel", "fraOptions", "Incorrect Characters", 120, 960, 1575, 255,
     kPlain},
    {"imgCar", "QWidget", "frmSpeed", "", 2760, 1560, 480, 480, kPlain},
    {"rtfToType", "quorvel::PassageView", "frmSpeed", "", 240, 2160, 5175, 375, kPlain},
    {"txtTyping", "quorvel::TypingBox", "frmSpeed", "", 240, 2640, 5175, 420, kPlain},
    {"cmdStart", "QPushButton", "frmSpeed", "Start", 240, 3300, 1575, 495, kPlain},
    {"cmdStop", "QPushButton", "frmSpeed", "Stop", 2040, 3300, 1575, 495, kPlain},
    {"cmdOptions", "QPushButton", "frmSpeed", "Options", 3840, 3300, 1575, 495, kPlain},
    {"cmdInstructions", "QPushButton", "frmSpeed", "Instructions", 240, 3960, 1575, 495, kPlain},
    {"cmdAbout", "QPushButton", "frmSpeed", "About", 2040, 3960, 1575, 495, kPlain},
    {"cmdExit", "QPushButton", "frmSpeed", "Exit", 3840, 3960, 1575, 495, kPlain},
    {"lblAbout", "QLabel", "frmSpeed", nullptr, 240, 4740, 5175, 255, kBorder},
};

QString textOf(QWidget *widget)
{
    if (auto *box = qobject_cast<TypingBox *>(widget))
        return box->text();
    if (auto *view = qobject_cast<PassageView *>(widget))
        return view->model().text();
    return captionOf(widget);
}

class MainWindowLayout : public WindowRig, public ::testing::WithParamInterface<Row> {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(open()); }
};

TEST_P(MainWindowLayout, ControlHasItsPlaceCaptionAndLook)
{
    const Row &c = GetParam();
    QWidget *widget = find(c.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->inherits(c.kind)) << widget->metaObject()->className();
    EXPECT_EQ(widget->parentWidget()->objectName(), QLatin1String(c.parent));
    EXPECT_EQ(widget->geometry(), twipsRect(c.left, c.top, c.width, c.height));
    if (c.text) {
        EXPECT_EQ(textOf(widget), QString::fromUtf8(c.text));
    } else {
        EXPECT_FALSE(textOf(widget).isEmpty());
    }
    EXPECT_EQ(widget->font().bold(), (c.look & kBold) != 0);
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
                  (c.look & kRight) ? Qt::AlignRight : Qt::AlignLeft);
        const bool border = label->frameShape() != QFrame::NoFrame && label->lineWidth() > 0;
        EXPECT_EQ(border, (c.look & kBorder) != 0);
        if (border) {
            EXPECT_EQ(label->lineWidth(), 1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Controls, MainWindowLayout, ::testing::ValuesIn(kControls),
                         [](const auto &info) { return std::string(info.param.name); });

class MainWindowLayoutTable : public WindowRig {};

// The table holds every named control of the window, and the window no others.
TEST_F(MainWindowLayoutTable, NamesEveryControlOfTheWindow)
{
    ASSERT_NO_FATAL_FAILURE(open());
    static const QRegularExpression controlName(QStringLiteral("^(lbl|fra|img|rtf|txt|cmd)[A-Z]"));
    QStringList found;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->window() == window && controlName.match(widget->objectName()).hasMatch())
            found << widget->objectName();
    }
    QStringList listed;
    for (const Row &c : kControls)
        listed << QLatin1String(c.name);
    found.sort();
    listed.sort();
    EXPECT_EQ(found, listed);
    EXPECT_EQ(listed.size(), 24);
}

} // namespace
} // namespace quorvel
