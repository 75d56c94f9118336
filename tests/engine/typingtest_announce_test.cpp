// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the engine has a screen reader say, and when: the passage a sentence at a time, F2, a cue
// after a wrong key and the last ten seconds.
#include "typingtestrig.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

const QString kTwoSentences = QStringLiteral("Go on. Then stop!");

QStringList said(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

TEST(Announce, StartSaysTheFirstSentenceOnlyOnceTheTypingBoxHasTheFocus)
{
    TypingTestRig rig({kTwoSentences});
    int focusWhenSaid = -1;
    rig.announcer.onAnnounce = [&] {
        focusWhenSaid = rig.controls.focusCount;
    };
    rig.start();
    EXPECT_EQ(rig.announcer.take(), said({"Go on. "}));
    EXPECT_EQ(focusWhenSaid, 1);
}

TEST(Announce, NothingIsSaidBeforeStartOrForSettings)
{
    TypingTestRig rig({kTwoSentences});
    char32_t key = U'G';
    rig.test.txtTyping_KeyPress(key);
    rig.test.tmrSpeed_Timer();
    rig.test.repeatSentence();
    EXPECT_TRUE(rig.announcer.said.isEmpty()) << rig.announcer.said.join('|').toStdString();
}

TEST(Announce, NextSentenceComesWithTheClosingBlankAndNotBefore)
{
    TypingTestRig rig({kTwoSentences});
    rig.start();
    rig.announcer.take();
    rig.type(QStringLiteral("Go on."));
    EXPECT_TRUE(rig.announcer.said.isEmpty());
    rig.type(QStringLiteral(" "));
    EXPECT_EQ(rig.announcer.take(), said({"Then stop!"}));
    rig.type(QStringLiteral("Then stop!"));
    EXPECT_TRUE(rig.announcer.said.isEmpty()) << "the passage is over; the tick brings the next";
}

TEST(Announce, WrongKeyGivesACueNamingWhatWasToBeTypedAndARightKeyNone)
{
    TypingTestRig rig({QStringLiteral("Ab cD.")});
    rig.start();
    rig.announcer.take();
    rig.type(QStringLiteral("x"));
    EXPECT_EQ(rig.announcer.take(), said({"Wrong, capital A"}));
    rig.type(QStringLiteral("b"));
    EXPECT_TRUE(rig.announcer.said.isEmpty());
    rig.type(QStringLiteral("xx"));
    EXPECT_EQ(rig.announcer.take(), said({"Wrong, space", "Wrong, c"})) << "both are heard";
    rig.type(QStringLiteral("D"));
    EXPECT_TRUE(rig.announcer.said.isEmpty());
    rig.type(QStringLiteral("!"));
    EXPECT_EQ(rig.announcer.take(), said({"Wrong, ."}));
    rig.type(QStringLiteral("q"));
    EXPECT_EQ(rig.announcer.take(), said({"Wrong"})) << "past the end nothing was to be typed";
}

TEST(Announce, TheSameWrongKeyTwiceIsSaidTwice)
{
    TypingTestRig rig({QStringLiteral("aaa")});
    rig.start();
    rig.announcer.take();
    rig.type(QStringLiteral("bb"));
    EXPECT_EQ(rig.announcer.take(), said({"Wrong, a", "Wrong, a"}));
}

TEST(Announce, AWrongLastKeyStillEndsTheSentenceAfterItsCue)
{
    TypingTestRig rig({kTwoSentences});
    rig.start();
    rig.announcer.take();
    rig.type(QStringLiteral("Go on.x"));
    EXPECT_EQ(rig.announcer.take(), said({"Wrong, space", "Then stop!"}));
}

TEST(Announce, F2RepeatsTheRestOfTheSentenceAndChangesNothingElse)
{
    TypingTestRig rig({kTwoSentences});
    rig.start();
    rig.type(QStringLiteral("Go"));
    rig.announcer.take();
    const TestState before = rig.test.state();
    const std::vector<QString> log = rig.controls.log;
    std::vector<PassageModel::CharStyle> styles;
    for (int i = 0; i < rig.passage.length(); ++i)
        styles.push_back(rig.passage.styleAt(i));

    rig.test.repeatSentence();
    rig.test.repeatSentence();

    EXPECT_EQ(rig.announcer.take(), said({" on. ", " on. "}));
    EXPECT_EQ(rig.test.state().CharPos, before.CharPos);
    EXPECT_EQ(rig.test.state().TotalChars, before.TotalChars);
    EXPECT_EQ(rig.test.state().ErrorCount, before.ErrorCount);
    EXPECT_EQ(rig.controls.log, log) << "no caption, colour, button or car changed";
    for (int i = 0; i < rig.passage.length(); ++i) {
        EXPECT_EQ(rig.passage.styleAt(i).color, styles[size_t(i)].color) << i;
        EXPECT_EQ(rig.passage.styleAt(i).current, styles[size_t(i)].current) << i;
    }
    EXPECT_EQ(rig.controls.typing, QStringLiteral("Go"));

    rig.type(QStringLiteral(" on. "));
    rig.announcer.take();
    rig.test.repeatSentence();
    EXPECT_EQ(rig.announcer.take(), said({"Then stop!"})) << "at a boundary, the whole next one";
    rig.type(QStringLiteral("Then stop!"));
    rig.test.repeatSentence();
    EXPECT_TRUE(rig.announcer.said.isEmpty()) << "nothing is left to type";
}

TEST(Announce, APassageReplacedAtATickIsSaidByItsFirstSentence)
{
    TypingTestRig rig({QStringLiteral("Ab."), QStringLiteral("Cd! Ef")});
    rig.random.push(0.0f);
    rig.start();
    rig.type(QStringLiteral("Ab"));
    rig.tickAt(500);
    rig.type(QStringLiteral("."));
    rig.announcer.take();
    rig.random.push(0.75f);
    rig.tickAt(550);
    ASSERT_EQ(rig.passage.text(), QStringLiteral("Cd! Ef"));
    EXPECT_EQ(rig.announcer.take(), said({"Cd! "}));
    rig.type(QStringLiteral("Cd! "));
    EXPECT_EQ(rig.announcer.take(), said({"Ef"}));
}

TEST(Announce, TenSecondsLeftIsSaidOnceAtTheTickThatTurnsTheTimeLeftRed)
{
    TypingTestRig rig({kTwoSentences});
    rig.start();
    rig.announcer.take();
    for (qint64 ms = 50; ms <= 60000 && rig.test.isRunning(); ms += 50) {
        rig.tickAt(ms);
        const bool red = rig.controls[Label::TimeLeft].color == kRed;
        const QStringList now = rig.announcer.take();
        if (ms == 50000) {
            EXPECT_TRUE(red);
            EXPECT_EQ(now, said({"10 seconds left"}));
        } else {
            EXPECT_TRUE(now.isEmpty()) << ms << ": " << now.join('|').toStdString();
        }
    }
    EXPECT_FALSE(rig.test.isRunning());

    rig.start();
    rig.announcer.take();
    rig.tickAt(50000);
    EXPECT_EQ(rig.announcer.take(), said({"10 seconds left"})) << "again in the next test";
}

TEST(Announce, AnUnlimitedTestNeverSaysTimeLeft)
{
    TypingTestRig rig({kTwoSentences}, QStringLiteral("Unlimited"));
    rig.start();
    rig.announcer.take();
    for (qint64 ms = 50; ms <= 6 * 60000; ms += 1000)
        rig.tickAt(ms);
    EXPECT_TRUE(rig.announcer.said.isEmpty());
}

TEST(Announce, StartSaysALongSentenceByItsFirstPiece)
{
    QString passage;
    for (int i = 0; i < 60; ++i)
        passage += QStringLiteral("word ");
    TypingTestRig rig({passage.trimmed() + QLatin1Char('.')});
    rig.start();
    const QStringList first = rig.announcer.take();
    ASSERT_EQ(first.size(), 1);
    EXPECT_LE(first[0].size(), SpokenPassage::kMaxPiece);
    rig.type(first[0]);
    const QStringList second = rig.announcer.take();
    ASSERT_EQ(second.size(), 1);
    EXPECT_EQ(first[0] + second[0], rig.passage.text());
}

// Without a screen reader port the engine runs the same, silently.
TEST(Announce, NoAnnouncerIsNeeded)
{
    PassageStore store;
    ASSERT_TRUE(store.loadFromBytes("1\r\nAb. Cd\r\n", QStringLiteral("p")).isEmpty());
    PassageModel passage;
    FakeControls controls;
    FakeClock clock;
    FakeTimer timer;
    FakeMessageBox messages;
    FakeRandom random;
    TypingTest test(store, {controls, passage, clock, timer, messages, random});
    test.Form_Load();
    test.cmdStart_Click();
    for (char32_t key : {U'A', U'x', U'.', U' '}) {
        char32_t typed = key;
        test.txtTyping_KeyPress(typed);
    }
    test.repeatSentence();
    clock.now += 50000;
    test.tmrSpeed_Timer();
    EXPECT_EQ(test.state().CharPos, 4);
    EXPECT_EQ(controls[Label::TimeLeft].color, kRed);
}

} // namespace
} // namespace quorvel
