// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tick's figures right at their edges, where a near miss in the arithmetic shows: the end
// of the speed window and accuracies that fall on a rounding tie.
#include "typingtestrig.h"

#include <gtest/gtest.h>
#include <ostream>

namespace quorvel {
namespace {

const QString kTenLetters = QStringLiteral("abcdefghij");

// The window is the first 50 ms of a second with the 50 ms left out. Only in the first second
// does a tick land on 0.05 exactly; later ones such as 1.05 s fall just inside as floats.
TEST(SpeedWindow, ClosesAtExactlyFiftyMilliseconds)
{
    TypingTestRig rig({kTenLetters.repeated(10)});
    rig.start();
    rig.type(kTenLetters);
    rig.tickAt(50); // 2 words in 50 ms would be 2400 wpm
    EXPECT_EQ(rig.caption(Label::Speed).toStdString(), "0");
    EXPECT_EQ(rig.caption(Label::NetSpeed).toStdString(), "0");

    rig.tickAt(1000); // 2 words in 1/60 minute
    EXPECT_EQ(rig.caption(Label::Speed).toStdString(), "120");
    rig.type(kTenLetters);
    rig.tickAt(1049); // 4 words in 1.049 s, still inside
    EXPECT_EQ(rig.caption(Label::Speed).toStdString(), "229");
    EXPECT_EQ(rig.caption(Label::NetSpeed).toStdString(), "229");
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

// Each share lies exactly on a half in the second decimal, which rounds up. 43 of 80 wrong is
// 46.25 %: worked out in single precision it comes out a hair below and would show "46.2".
TEST_P(AccuracyTie, RoundsTheHalfUp)
{
    const Tie tie = GetParam();
    TypingTestRig rig({kTenLetters.repeated(20)});
    rig.start();
    for (int i = 0; i < tie.keys; ++i)
        rig.press(i < tie.errors ? U'X' : rig.passage.charAt(rig.test.state().CharPos));
    ASSERT_EQ(rig.test.state().TotalChars, tie.keys);
    ASSERT_EQ(rig.test.state().ErrorCount, tie.errors);
    rig.tickAt(1000);
    EXPECT_EQ(rig.caption(Label::Accuracy).toStdString(), tie.shown);
}

INSTANTIATE_TEST_SUITE_P(Halves, AccuracyTie,
                         ::testing::Values(Tie{80, 43, "46.3"}, Tie{160, 86, "46.3"},
                                           Tie{80, 1, "98.8"}, Tie{80, 3, "96.3"},
                                           Tie{40, 1, "97.5"}));

} // namespace
} // namespace quorvel
