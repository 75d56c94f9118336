// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures and passages at the very edges of their rules, where a float in place of a double, a
// "<=" in place of a "<" or a missing bound changes what the typist sees.
#include "typingtestrig.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace quorvel {
namespace {

const QString kLetters = QStringLiteral("abcdefghij");

// One tick after 50 right keys, that is 10 words. The speeds are written only when the tick falls
// in the first 50 ms of a second, reckoned on floats: 1.05f is 1.04999995, inside the window;
// 5.05f is 5.05000019, outside; 0.05f is the window's own edge, outside.
struct WindowCase {
    qint64 ms;
    const char *speed; // "0", the value Start put there, when the tick must not write it
};

// Test names carry the case itself, not the bytes of its pointer, which change from run to run.
void PrintTo(const WindowCase &c, std::ostream *out)
{
    *out << c.ms << " ms";
}

class SpeedWindow : public ::testing::TestWithParam<WindowCase> {};

TEST_P(SpeedWindow, SpeedsAreWrittenOnlyInTheFirstFiftyMillisecondsOfASecond)
{
    TypingTestRig rig({kLetters.repeated(10)});
    rig.start();
    rig.type(kLetters.repeated(5));
    rig.tickAt(GetParam().ms);
    EXPECT_EQ(rig.caption(Label::Speed), GetParam().speed);
    EXPECT_EQ(rig.caption(Label::NetSpeed), GetParam().speed);
    EXPECT_EQ(rig.caption(Label::Accuracy), "100.0");
}

INSTANTIATE_TEST_SUITE_P(Ticks, SpeedWindow,
                         ::testing::Values(WindowCase{50, "0"}, WindowCase{1000, "600"},
                                           WindowCase{1049, "572"}, WindowCase{1050, "571"},
                                           WindowCase{1051, "0"}, WindowCase{1100, "0"},
                                           WindowCase{5049, "119"}, WindowCase{5050, "0"}),
                         [](const auto &info) { return std::to_string(info.param.ms) + "ms"; });

// 43 errors in 80 keys is 46.25 % exactly, which the rule rounds up. Worked out in single
// precision the share lands just below the half and would show "46.2".
TEST(Accuracy, ARoundingTieShowsTheFigureOfTheExactShare)
{
    TypingTestRig rig({kLetters.repeated(8)});
    rig.start();
    rig.type(kLetters.repeated(4).left(37) + QString(43, QLatin1Char('#')));
    ASSERT_EQ(rig.test.state().TotalChars, 80);
    ASSERT_EQ(rig.test.state().ErrorCount, 43);

    rig.tickAt(1000); // 16 words in 1/60 minute

    EXPECT_EQ(rig.caption(Label::Accuracy), "46.3");
    EXPECT_EQ(rig.caption(Label::Speed), "960");
    EXPECT_EQ(rig.caption(Label::NetSpeed), "444");
    rig.test.cmdStop_Click();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_TRUE(rig.messages.shown[0].text().contains(QStringLiteral("Accuracy:\t46.3%")))
        << rig.messages.shown[0].text().toStdString();
}

struct Tie {
    int keys;
    int errors;
    const char *shown;
};

void PrintTo(const Tie &tie, std::ostream *out)
{
    *out << tie.errors << " wrong of " << tie.keys;
}

class AccuracyTie : public ::testing::TestWithParam<Tie> {};

// More shares that lie exactly on a half in the second decimal, which rounds up. Up to 200 keys,
// 86 of 160 is the only other one that single precision would show a tenth too low.
TEST_P(AccuracyTie, RoundsTheHalfUp)
{
    const Tie tie = GetParam();
    TypingTestRig rig({QStringLiteral("abcdefghij").repeated(20)});
    rig.start();
    for (int i = 0; i < tie.keys; ++i)
        rig.press(i < tie.errors ? U'X' : rig.passage.charAt(rig.test.state().CharPos));
    ASSERT_EQ(rig.test.state().TotalChars, tie.keys);
    ASSERT_EQ(rig.test.state().ErrorCount, tie.errors);
    rig.tickAt(1000);
    EXPECT_EQ(rig.caption(Label::Accuracy).toStdString(), tie.shown);
}

INSTANTIATE_TEST_SUITE_P(Halves, AccuracyTie,
                         ::testing::Values(Tie{160, 86, "46.3"}, Tie{80, 1, "98.8"},
                                           Tie{80, 3, "96.3"}, Tie{40, 1, "97.5"}));

// The warning belongs to the ticks with 9 to 10 seconds left; a tick that jumps from above the
// window to below it (a held-up program) must not warn late.
TEST(Warning, ATickThatJumpsOverTheWindowLeavesTimeLeftBlack)
{
    TypingTestRig rig({kLetters});
    rig.start();
    rig.tickAt(49950); // 10.05 s left
    rig.tickAt(51050); // 8.95 s left
    rig.tickAt(55000);
    EXPECT_EQ(rig.caption(Label::TimeLeft), "5.0");
    EXPECT_EQ(rig.controls[Label::TimeLeft].color, kBlack);
    EXPECT_FALSE(rig.controls[Label::TimeLeft].bold);
    EXPECT_EQ(rig.controls[Label::TimeLeft].colorWrites, 0);
    EXPECT_EQ(rig.controls[Label::TimeLeft].boldWrites, 0);
    EXPECT_TRUE(rig.test.isRunning());
}

// An empty passage is typed to its end before the first key, so the first tick replaces it.
TEST(Passage, AnEmptyPassageChosenAtStartIsReplacedAtTheFirstTick)
{
    TypingTestRig rig({QString(), QStringLiteral("abc")});
    rig.random.push(0.0f);
    rig.start();
    ASSERT_EQ(rig.passage.text(), QString());
    ASSERT_EQ(rig.test.state().PassageLen, 0);

    rig.random.push(0.9f);
    rig.tickAt(50);

    ASSERT_EQ(rig.passage.text(), "abc");
    EXPECT_EQ(rig.test.state().PassageLen, 3);
    EXPECT_EQ(rig.test.state().CharPos, 0);
    EXPECT_EQ(rig.controls.clearCount, 2) << "Start and the new passage";
    rig.type(QStringLiteral("ab"));
    EXPECT_EQ(rig.passage.styleAt(1).color, kBlue);
    EXPECT_EQ(rig.test.state().ErrorCount, 0);
}

// The passage number is floor(count * r) + 1, with the count made a float and the product taken
// in double precision. For r = 11744051 / 2^24, just under 0.7, ten passages give 6.99999988:
// passage 7. The product in single precision rounds to 7.0 and would pick passage 8.
TEST(Passage, ThePickTakesTheProductInDoublePrecision)
{
    QStringList passages;
    for (int i = 1; i <= 10; ++i)
        passages << QStringLiteral("passage %1").arg(i);
    TypingTestRig rig(passages);
    rig.random.push(float(11744051) * 0x1.0p-24f);
    rig.start();
    EXPECT_EQ(rig.passage.text(), "passage 7");
    EXPECT_EQ(rig.test.state().PassageLen, 9);
}

} // namespace
} // namespace quorvel
