// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The colour lines of the options summary keep a light backdrop under a dark palette, and only
// then, following the palette when it changes while the window is open.
#include "lightbackdrop.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

QPalette withWindow(const QColor &window)
{
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, window.lightness() < 128 ? Qt::white : Qt::black);
    return palette;
}

class LightBackdropTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The typist's colour is set on the label itself, as the main window does.
        QPalette own = label->palette();
        own.setColor(QPalette::WindowText, Qt::blue);
        label->setPalette(own);
        LightBackdrop::keep(label);
    }

    bool hasLightBackdrop() const
    {
        return label->autoFillBackground() && label->palette().color(QPalette::Window) == Qt::white;
    }

    QWidget frame;
    QLabel *label = new QLabel(QStringLiteral("Correct Characters"), &frame);
};

TEST_F(LightBackdropTest, FollowsTheWindowBetweenLightAndDark)
{
    struct Step {
        QColor window;
        bool backdrop;
    };
    const Step steps[] = {{QColor(239, 239, 239), false},
                          {QColor(53, 53, 53), true},
                          {QColor(30, 30, 60), true},
                          {QColor(200, 200, 200), false},
                          {Qt::black, true}};
    for (const Step &step : steps) {
        frame.setPalette(withWindow(step.window));
        EXPECT_EQ(hasLightBackdrop(), step.backdrop) << step.window.name().toStdString();
        EXPECT_EQ(label->autoFillBackground(), step.backdrop);
        // The typist's colour is never touched.
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
    }
}

TEST_F(LightBackdropTest, ColourSetLaterKeepsTheBackdrop)
{
    frame.setPalette(withWindow(QColor(53, 53, 53)));
    QPalette own = label->palette();
    own.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(own);
    EXPECT_TRUE(hasLightBackdrop());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::red));
}

} // namespace
} // namespace quorvel
