// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The results of a test: the value Stop builds, and the text the results box gives a screen
// reader, which must repeat what the window showed.
#include "results.h"
#include "typingtestrig.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(Results, LinesPairEachCaptionWithItsFigureAndUnit)
{
    const Results results(QStringLiteral("42"), QStringLiteral("96.5"), QStringLiteral("41"),
                          QStringLiteral("1:00.0"));
    QStringList shown;
    for (const Results::Line &line : results.lines())
        shown << line.caption + '|' + QString::number(line.tabs) + '|' + line.figure;
    EXPECT_EQ(shown, (QStringList{"Speed:|2|42 wpm", "Accuracy:|1|96.5%", "Net Speed:|1|41 wpm",
                                  "Time:|2|1:00.0"}));
}

// Whatever the figures hold, the text keeps its four lines: the figures are the window's own
// text and never contain a line break, but an empty or odd one must not shift the layout.
TEST(Results, TextIsByteForByteTheFourLinesForAnyFigures)
{
    EXPECT_EQ(Results("", "", "", "").text().toUtf8(),
              QByteArray("Speed:\t\t wpm\r\nAccuracy:\t%\r\nNet Speed:\t wpm\r\nTime:\t\t"));
    EXPECT_EQ(Results("1234", "0.0", "-0", "99:59.9").text().toUtf8(),
              QByteArray("Speed:\t\t1234 wpm\r\nAccuracy:\t0.0%\r\nNet Speed:\t-0 wpm\r\n"
                         "Time:\t\t99:59.9"));
}

Results resultsOnScreen(const TypingTestRig &rig)
{
    return Results(rig.caption(Label::Speed), rig.caption(Label::Accuracy),
                   rig.caption(Label::NetSpeed), rig.caption(Label::Time));
}

// Stop reports the text the engine last wrote to each figure, which is what the window shows,
// including figures that later ticks left alone because their text did not change.
TEST(Results, RepeatTheFiguresOnScreenAfterAnyRun)
{
    for (qint64 stopAt : {0, 50, 999, 1000, 1049, 1050, 2500, 30000, 59999}) {
        TypingTestRig rig({QStringLiteral("abcdefghij")});
        rig.start();
        for (qint64 ms = 50; ms <= stopAt; ms += 50) {
            if (ms % 400 == 0)
                rig.press(ms % 1200 == 0 ? U'#' : rig.passage.charAt(rig.test.state().CharPos));
            rig.tickAt(ms);
        }
        rig.test.cmdStop_Click();
        ASSERT_EQ(rig.messages.shown.size(), 1u) << stopAt;
        EXPECT_EQ(rig.messages.shown[0].text(), resultsOnScreen(rig).text()) << stopAt;
    }
}

// The engine keeps its own record of what it wrote; it never asks the window, so a label that
// something else changed cannot leak into the results.
TEST(Results, ComeFromWhatTheEngineWroteNotFromTheWindow)
{
    TypingTestRig rig({QStringLiteral("abcdefghij")});
    rig.start();
    rig.type(QStringLiteral("ab"));
    rig.tickAt(1000);
    const Results written = resultsOnScreen(rig);
    rig.controls.setCaption(Label::Speed, QStringLiteral("999"));
    rig.controls.setCaption(Label::Time, QStringLiteral("9:99.9"));

    rig.test.cmdStop_Click();

    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].text(), written.text());
}

} // namespace
} // namespace quorvel
