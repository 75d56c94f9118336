// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "passagelistener.h"
#include "passagemodel.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

namespace quorvel {
namespace {

class RecordingListener : public PassageListener {
public:
    void textReplaced() override { ++replaced; }
    void charsChanged(int first, int count) override { changes.emplace_back(first, count); }

    int replaced = 0;
    std::vector<std::pair<int, int>> changes;
};

class PassageModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        model.setListener(&listener);
        model.setText(QStringLiteral("The cat"));
        listener = RecordingListener{};
    }

    PassageModel model;
    RecordingListener listener;
};

struct SelectionCase {
    int start;
    int length;
    int wantStart;
    int wantLength;
    const char *wantText;
};

void PrintTo(const SelectionCase &c, std::ostream *out)
{
    *out << c.start << '+' << c.length;
}

class SelectionRules : public PassageModelTest,
                       public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(SelectionRules, ClampsStartAndCutsLength)
{
    const SelectionCase c = GetParam();
    model.SelectChars(c.start, c.length);
    EXPECT_EQ(model.selStart(), c.wantStart);
    EXPECT_EQ(model.selLength(), c.wantLength);
    EXPECT_EQ(model.selectedText(), QString::fromUtf8(c.wantText));
}

INSTANTIATE_TEST_SUITE_P(
    PassageModel, SelectionRules,
    ::testing::Values(SelectionCase{0, 1, 0, 1, "T"}, SelectionCase{4, 3, 4, 3, "cat"},
                      SelectionCase{6, 1, 6, 1, "t"}, SelectionCase{7, 1, 7, 0, ""}, // k = length
                      SelectionCase{50, 1, 7, 0, ""},                                // past the end
                      SelectionCase{5, 10, 5, 2, "at"}, SelectionCase{2, 0, 2, 0, ""},
                      SelectionCase{-3, 2, 0, 2, "Th"}, SelectionCase{1, -1, 1, 0, ""}));

TEST_F(PassageModelTest, SettingTheStartCollapsesTheSelection)
{
    model.SelectChars(0, 3);
    model.setSelStart(4);
    EXPECT_EQ(model.selLength(), 0);
    EXPECT_EQ(model.selectedText(), QString());
}

TEST_F(PassageModelTest, SetTextClearsStylesSelectionAndMarks)
{
    model.MarkCurrentChar(2, 1);
    model.SelectChars(0, 2);
    model.setSelColor(kRed);
    model.setText(QStringLiteral("ab"));
    EXPECT_EQ(listener.replaced, 1);
    EXPECT_EQ(model.length(), 2);
    EXPECT_EQ(model.selStart(), 0);
    EXPECT_EQ(model.selLength(), 0);
    EXPECT_EQ(model.currentChar(), -1);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(model.styleAt(i).color, kBlack);
        EXPECT_FALSE(model.styleAt(i).judged);
        EXPECT_FALSE(model.styleAt(i).current);
        EXPECT_FALSE(model.styleAt(i).spaceCue);
    }
}

TEST_F(PassageModelTest, ResetPassageColorBlackensAndKeepsBothMarks)
{
    model.SelectChars(0, 7);
    model.setSelColor(kBlue);
    model.MarkCurrentChar(3, 1);
    model.setSpaceCue(true);
    model.ResetPassageColor(0, 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(model.styleAt(i).color, kBlack) << i;
        EXPECT_FALSE(model.styleAt(i).judged) << i;
    }
    EXPECT_TRUE(model.styleAt(3).current);
    EXPECT_TRUE(model.styleAt(3).spaceCue);
    EXPECT_EQ(model.currentChar(), 3);
}

TEST_F(PassageModelTest, ListenerHearsOnlyTheCharactersThatChanged)
{
    model.SelectChars(2, 3);
    model.setSelColor(kRed);
    model.SelectChars(1, 3); // 2 and 3 are red already: only 1 changes
    model.setSelColor(kRed);
    model.setSelColor(kRed); // nothing changes
    model.MarkCurrentChar(6, 1);
    model.UnmarkChar(6, 1);
    model.UnmarkChar(6, 1);      // already off
    model.MarkCurrentChar(7, 1); // past the end: nothing selected
    const std::vector<std::pair<int, int>> want{{2, 3}, {1, 1}, {6, 1}, {6, 1}};
    EXPECT_EQ(listener.changes, want);
    EXPECT_EQ(listener.replaced, 0);
}

// A typist may choose black for a verdict: the character is then judged, though its colour is
// the one it had while it waited, and a reset takes the verdict back.
TEST_F(PassageModelTest, ABlackVerdictIsAChangeOfItsOwn)
{
    model.SelectChars(2, 1);
    model.setSelColor(kBlack);
    EXPECT_TRUE(model.styleAt(2).judged);
    EXPECT_EQ(model.styleAt(2).color, kBlack);
    EXPECT_FALSE(model.styleAt(1).judged);
    model.ResetPassageColor(0, 7);
    EXPECT_FALSE(model.styleAt(2).judged);
    const std::vector<std::pair<int, int>> want{{2, 1}, {2, 1}};
    EXPECT_EQ(listener.changes, want);
}

TEST_F(PassageModelTest, CurrentCharFollowsTheMarks)
{
    model.MarkCurrentChar(4, 1);
    EXPECT_EQ(model.currentChar(), 4);
    model.MarkCurrentChar(1, 1);
    EXPECT_EQ(model.currentChar(), 1);
    model.UnmarkChar(1, 1);
    EXPECT_EQ(model.currentChar(), 4);
    model.MarkCurrentChar(0, 7);
    model.UnmarkChar(0, 6);
    EXPECT_EQ(model.currentChar(), 6);
    model.UnmarkChar(6, 1);
    EXPECT_EQ(model.currentChar(), -1);
}

TEST(PassageModelText, PositionsCountCodePoints)
{
    PassageModel model;
    // U+1D11E needs two UTF-16 units but is one character.
    model.setText(QString::fromUtf8("a\U0001D11Eb\xC3\xA9"));
    ASSERT_EQ(model.length(), 4);
    EXPECT_EQ(model.charAt(1), U'\U0001D11E');
    EXPECT_EQ(model.utf16Index(2), 3);
    EXPECT_EQ(model.utf16Index(4), 5);
    model.SelectChars(1, 2);
    EXPECT_EQ(model.selectedText(), QString::fromUtf8("\U0001D11Eb"));
    model.SelectChars(3, 5);
    EXPECT_EQ(model.selectedText(), QString::fromUtf8("\xC3\xA9"));
}

TEST(PassageModelText, EmptyTextSelectsNothing)
{
    PassageModel model;
    model.setText(QString());
    model.MarkCurrentChar(0, 1);
    model.ResetPassageColor(0, 0);
    EXPECT_EQ(model.length(), 0);
    EXPECT_EQ(model.selectedText(), QString());
    EXPECT_EQ(model.currentChar(), -1);
}

// A view may ask where character 0 lies before the first passage arrives.
TEST(PassageModelText, ModelWithoutTextAnswersLikeAnEmptyOne)
{
    PassageModel model;
    model.SelectChars(3, 1);
    EXPECT_EQ(model.utf16Index(0), 0);
    EXPECT_EQ(model.selectedText(), QString());
    EXPECT_EQ(model.length(), 0);
}

} // namespace
} // namespace quorvel
