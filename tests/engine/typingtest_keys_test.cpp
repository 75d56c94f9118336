// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "passagelistener.h"
#include "typingtestrig.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace quorvel {
namespace {

constexpr Color kGreen = 0x00FF00;
constexpr Color kPurple = 0x800080;

TypingTestRig &startWithColours(TypingTestRig &rig)
{
    Settings settings = rig.test.settings();
    settings.CorrectColor = kGreen;
    settings.IncorrectColor = kPurple;
    rig.test.setSettings(settings);
    rig.start();
    return rig;
}

struct JudgeCase {
    const char *passage; // UTF-8; its first character is judged
    char32_t key;
    bool error;
};

void PrintTo(const JudgeCase &c, std::ostream *out)
{
    *out << '"' << c.passage << "\" <- U+" << std::hex << std::uint32_t(c.key) << std::dec;
}

class FirstKey : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(FirstKey, IsJudgedExactlyAgainstThePassage)
{
    const JudgeCase c = GetParam();
    TypingTestRig rig({QString::fromUtf8(c.passage)});
    startWithColours(rig);

    rig.press(c.key);

    EXPECT_EQ(rig.test.state().TotalChars, 1);
    EXPECT_EQ(rig.test.state().CharPos, 1);
    EXPECT_EQ(rig.test.state().ErrorCount, c.error ? 1 : 0);
    EXPECT_EQ(rig.passage.styleAt(0).color, c.error ? kPurple : kGreen);
    EXPECT_EQ(rig.controls.car, c.error ? 2760 : 2820);
    EXPECT_FALSE(rig.passage.styleAt(0).current);
    EXPECT_EQ(rig.passage.currentChar(), 1);
    EXPECT_FALSE(rig.controls.typing.isEmpty()) << "the key is let through";
}

INSTANTIATE_TEST_SUITE_P(TypingTest, FirstKey,
                         ::testing::Values(JudgeCase{"A.", U'A', false},
                                           JudgeCase{"A.", U'a', true}, JudgeCase{"a.", U'A', true},
                                           JudgeCase{"a.", 13, true}, JudgeCase{" .", U' ', false},
                                           JudgeCase{"\xC3\xA9.", U'\u00E9', false},
                                           JudgeCase{"e.", U'\u00E9', true},
                                           JudgeCase{"\xF0\x9F\x98\x80.", U'\U0001F600', false},
                                           JudgeCase{"\xF0\x9F\x98\x80.", U'\U0001F601', true},
                                           JudgeCase{"\xEF\xBF\xBD.", 0x110000, true}));

TEST(Keys, BackspaceChangesNothing)
{
    TypingTestRig rig({QStringLiteral("a bc")});
    rig.start();
    rig.type(QStringLiteral("aX"));
    const TestState before = rig.test.state();
    const int car = rig.controls.car;
    std::vector<PassageModel::CharStyle> styles;
    for (int i = 0; i < rig.passage.length(); ++i)
        styles.push_back(rig.passage.styleAt(i));

    char32_t key = 8;
    rig.test.txtTyping_KeyPress(key);

    EXPECT_EQ(key, 0u);
    EXPECT_EQ(rig.test.state().CharPos, before.CharPos);
    EXPECT_EQ(rig.test.state().TotalChars, before.TotalChars);
    EXPECT_EQ(rig.test.state().ErrorCount, before.ErrorCount);
    EXPECT_EQ(rig.controls.car, car);
    for (int i = 0; i < rig.passage.length(); ++i) {
        EXPECT_EQ(rig.passage.styleAt(i).color, styles[size_t(i)].color);
        EXPECT_EQ(rig.passage.styleAt(i).current, styles[size_t(i)].current);
        EXPECT_EQ(rig.passage.styleAt(i).spaceCue, styles[size_t(i)].spaceCue);
    }
}

class ChangeCounter : public PassageListener {
public:
    void textReplaced() override {}
    void charsChanged(int, int) override { ++changes; }
    int changes = 0;
};

TEST(Keys, PastTheEndCountAsErrorsAndColourNothing)
{
    TypingTestRig rig({QStringLiteral("ab")});
    ChangeCounter listener;
    rig.passage.setListener(&listener);
    startWithColours(rig);
    rig.type(QStringLiteral("ab"));
    const int changes = listener.changes;

    rig.type(QStringLiteral("cd"));

    EXPECT_EQ(listener.changes, changes);
    EXPECT_EQ(rig.test.state().TotalChars, 4);
    EXPECT_EQ(rig.test.state().ErrorCount, 2);
    EXPECT_EQ(rig.test.state().CharPos, 4);
    EXPECT_EQ(rig.passage.styleAt(1).color, kGreen);
}

TEST(Keys, ASpaceUpNextGetsBothMarksAndKeepsTheCueOnceTyped)
{
    TypingTestRig rig({QStringLiteral("a b")});
    rig.start();
    EXPECT_FALSE(rig.passage.styleAt(1).spaceCue);
    rig.type(QStringLiteral("a"));
    EXPECT_TRUE(rig.passage.styleAt(1).current);
    EXPECT_TRUE(rig.passage.styleAt(1).spaceCue);
    rig.type(QStringLiteral(" "));
    EXPECT_FALSE(rig.passage.styleAt(1).current);
    EXPECT_TRUE(rig.passage.styleAt(1).spaceCue);
    EXPECT_TRUE(rig.passage.styleAt(2).current);
    EXPECT_FALSE(rig.passage.styleAt(2).spaceCue);
}

// The car's row runs from 2760 to 4860 twips, 60 a step.
TEST(Keys, CarWrapsOnTheThirtySixthCorrectKeyAndKeepsItsPlaceAcrossStart)
{
    TypingTestRig rig({QString(50, QLatin1Char('a'))});
    rig.start();
    rig.type(QStringLiteral("xyz")); // wrong keys leave the car
    EXPECT_EQ(rig.controls.car, 2760);
    rig.type(QString(35, QLatin1Char('a')));
    EXPECT_EQ(rig.controls.car, 4860);
    rig.type(QStringLiteral("a"));
    EXPECT_EQ(rig.controls.car, 2760);
    rig.type(QString(4, QLatin1Char('a')));
    rig.test.cmdStop_Click();
    rig.start();
    EXPECT_EQ(rig.controls.car, 3000);
    rig.type(QStringLiteral("a"));
    EXPECT_EQ(rig.controls.car, 3060);
}

TEST(Keys, WhenIdleAreSwallowedAndIgnored)
{
    TypingTestRig rig({QStringLiteral("abc")});
    rig.type(QStringLiteral("a"));
    rig.start();
    rig.type(QStringLiteral("a"));
    rig.test.cmdStop_Click();
    rig.type(QStringLiteral("b"));
    EXPECT_EQ(rig.test.state().TotalChars, 1);
    EXPECT_EQ(rig.test.state().CharPos, 1);
    EXPECT_EQ(rig.passage.styleAt(1).color, kBlack);
    EXPECT_EQ(rig.controls.typing, "a");
}

} // namespace
} // namespace quorvel
