// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The typing box and the passage view at the end of a line, key by key: a blank may hang past
// the typing box's edge, and the passage view moves on as soon as the mark reaches a new line.
#include "passagemodel.h"
#include "passageview.h"
#include "typingbox.h"

#include <QFontMetricsF>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;

namespace {

// The narrowest of a few thin characters, or a null QChar when none is narrower than a blank.
QChar thinnerThanABlank(const QFont &font)
{
    const QFontMetricsF metrics(font);
    QChar thinnest;
    qreal width = metrics.horizontalAdvance(QLatin1Char(' '));
    for (const QChar c : QStringLiteral("il|!.,'")) {
        if (metrics.horizontalAdvance(c) < width) {
            thinnest = c;
            width = metrics.horizontalAdvance(c);
        }
    }
    return thinnest;
}

// A line filled up with thin characters has less room left than a blank takes, so the blank
// typed next lands past the edge. As in a word-wrapping text box it hangs there, and only the
// word after it goes down; the finished word must not wrap down with the blank.
TEST(TypingBoxLineEnd, ABlankHangsPastTheEdgeAndOnlyTheNextWordGoesDown)
{
    TypingBox box;
    box.resize(345, 28);
    box.show();
    const QChar thin = thinnerThanABlank(box.font());
    ASSERT_FALSE(thin.isNull());
    QString full;
    for (int i = 0; i < 1000; ++i) {
        QTest::keyClick(&box, thin.toLatin1());
        if (box.currentLine().size() <= full.size())
            break; // that one wrapped onto a new line
        full += thin;
    }
    ASSERT_GT(full.size(), 10);

    box.clear();
    QTest::keyClicks(&box, full + QLatin1Char(' '));
    EXPECT_EQ(box.currentLine().toStdString(), (full + QLatin1Char(' ')).toStdString());
    QTest::keyClicks(&box, QStringLiteral("ab"));
    EXPECT_EQ(box.currentLine().toStdString(), "ab");
    EXPECT_EQ(box.text().toStdString(), (full + QStringLiteral(" ab")).toStdString());
}

// The mark steps one character at a time, as keys move it: the character to type next must be
// on show at every step, also the first one of each new line.
TEST(PassageViewLineEnd, TheNextCharacterIsOnShowAtEveryKey)
{
    PassageModel model;
    PassageView view(model);
    view.resize(345, 25);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    model.setText(QStringLiteral("A wrapping passage, with words of every length. ").repeated(8));
    model.MarkCurrentChar(0, 1);
    int lineEnds = 0;
    int line = view.visibleLine();
    for (int i = 1; i < model.length(); ++i) {
        model.UnmarkChar(i - 1, 1);
        model.setSelColor(kBlue);
        model.MarkCurrentChar(i, 1);
        const QRect shown = view.charRect(i);
        ASSERT_FALSE(shown.isEmpty()) << "character " << i << " is off screen";
        if (view.visibleLine() != line) {
            ASSERT_EQ(view.visibleLine(), line + 1) << i;
            line = view.visibleLine();
            ++lineEnds;
        }
    }
    EXPECT_GT(lineEnds, 5);
}

} // namespace
