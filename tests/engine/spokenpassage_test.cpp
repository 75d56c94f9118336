// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the passage is cut up for a screen reader: sentences, and pieces of long ones.
#include "fakes.h"
#include "spokenpassage.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

// Every piece of text, in order, as pieceAt cuts it from the start.
QStringList pieces(const QString &text)
{
    QStringList result;
    qsizetype at = 0;
    while (at < text.size()) {
        const SpokenPassage::Piece piece = SpokenPassage::pieceAt(text, at);
        if (piece.end <= at) {
            ADD_FAILURE() << "no progress at " << at;
            break;
        }
        result.append(text.mid(at, piece.end - at));
        at = piece.end;
    }
    return result;
}

struct SplitCase {
    const char *name;
    QString text;
    QStringList expected;
};

void PrintTo(const SplitCase &c, std::ostream *out)
{
    *out << c.name;
}

class Sentences : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Sentences, EndAfterTheirMarkAndTheBlanksAfterIt)
{
    EXPECT_EQ(pieces(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    SpokenPassage, Sentences,
    ::testing::Values(SplitCase{"full_stop", "Tom ran. He hid.", {"Tom ran. ", "He hid."}},
                      SplitCase{"three_marks", "Stop! Go? Yes.", {"Stop! ", "Go? ", "Yes."}},
                      SplitCase{"closing_blank_at_the_end", "Done. ", {"Done. "}},
                      SplitCase{"two_blanks", "One.  Two", {"One.  ", "Two"}},
                      SplitCase{"tab", "One.\tTwo", {"One.\t", "Two"}},
                      SplitCase{
                          "mark_inside_a_word", "It is 3.5 m.e. Yes", {"It is 3.5 m.e. ", "Yes"}},
                      SplitCase{"mark_then_quote", "\"Go!\" he said.", {"\"Go!\" he said."}},
                      SplitCase{"no_mark", "no mark at all", {"no mark at all"}},
                      SplitCase{"blank_before_a_mark", "Odd . Still", {"Odd . ", "Still"}},
                      SplitCase{"a_mark_alone", ".", {"."}},
                      SplitCase{"no_break_space",
                                QString::fromUtf8("Dr.\u00A0No. Yes"),
                                {QString::fromUtf8("Dr.\u00A0No. "), "Yes"}}));

TEST(SpokenPassage, EmptyTextHasAnEmptyPiece)
{
    const SpokenPassage::Piece piece = SpokenPassage::pieceAt(QString(), 0);
    EXPECT_EQ(piece.end, 0);
    EXPECT_EQ(piece.chars, 0);
}

TEST(SpokenPassage, LongSentenceIsSpokenInPiecesBrokenAfterBlanks)
{
    QString text;
    for (int i = 0; i < 100; ++i)
        text += QStringLiteral("word%1 ").arg(i % 10);
    text += QStringLiteral("end.");
    const QStringList parts = pieces(text);
    ASSERT_GT(parts.size(), 3);
    EXPECT_EQ(parts.join(QString()), text);
    for (const QString &part : parts.mid(0, parts.size() - 1)) {
        EXPECT_LE(part.size(), SpokenPassage::kMaxPiece);
        // 6 characters a word, so as many whole words as fit: nothing is cut inside one.
        EXPECT_EQ(part.size(), SpokenPassage::kMaxPiece / 6 * 6) << part.toStdString();
        EXPECT_TRUE(part.endsWith(QLatin1Char(' '))) << part.toStdString();
    }
}

TEST(SpokenPassage, WordLongerThanAPieceIsCutAtTheLimit)
{
    const QString word(SpokenPassage::kMaxPiece + 50, QLatin1Char('x'));
    const QStringList parts = pieces(QStringLiteral("Go ") + word + QStringLiteral(" now"));
    ASSERT_EQ(parts.size(), 3);
    EXPECT_EQ(parts[0], QStringLiteral("Go "));
    EXPECT_EQ(parts[1], word.left(SpokenPassage::kMaxPiece));
    EXPECT_EQ(parts[2], word.mid(SpokenPassage::kMaxPiece) + QStringLiteral(" now"));
}

TEST(SpokenPassage, CountsASurrogatePairAsOneCharacter)
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString text =
        QString(SpokenPassage::kMaxPiece - 1, QLatin1Char('a')) + emoji + QStringLiteral("b");
    const SpokenPassage::Piece piece = SpokenPassage::pieceAt(text, 0);
    EXPECT_EQ(piece.chars, SpokenPassage::kMaxPiece);
    EXPECT_EQ(piece.end, SpokenPassage::kMaxPiece + 1) << "the pair is never split";
}

// The engine's use: a key moves the next character on; a piece ends when its last is typed.
TEST(SpokenPassage, GivesTheNextPieceOnlyWhenTheCurrentOneIsTyped)
{
    SpokenPassage spoken;
    EXPECT_EQ(spoken.start(QStringLiteral("Ab. Cd. E")), QStringLiteral("Ab. "));
    for (int next = 1; next < 4; ++next)
        EXPECT_EQ(spoken.reached(next), QString()) << next;
    EXPECT_EQ(spoken.reached(4), QStringLiteral("Cd. "));
    EXPECT_EQ(spoken.reached(4), QString()) << "a piece is given once";
    EXPECT_EQ(spoken.reached(8), QStringLiteral("E"));
    EXPECT_EQ(spoken.reached(9), QString()) << "nothing after the passage";
    EXPECT_EQ(spoken.reached(10), QString());
}

TEST(SpokenPassage, RestIsTheCurrentPieceFromTheNextCharacter)
{
    SpokenPassage spoken;
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    spoken.start(QStringLiteral("A") + emoji + QStringLiteral("bc. Next"));
    EXPECT_EQ(spoken.restFrom(0), QStringLiteral("A") + emoji + QStringLiteral("bc. "));
    EXPECT_EQ(spoken.restFrom(2), QStringLiteral("bc. ")) << "the emoji is one character";
    EXPECT_EQ(spoken.restFrom(5), QStringLiteral(" "));
    spoken.reached(6);
    EXPECT_EQ(spoken.restFrom(6), QStringLiteral("Next"));
    EXPECT_EQ(spoken.restFrom(9), QStringLiteral("t"));
    EXPECT_EQ(spoken.restFrom(10), QString()) << "all typed";
    EXPECT_EQ(spoken.restFrom(5), QString()) << "before the current piece";
}

TEST(SpokenPassage, StartingOverForgetsTheOldPassage)
{
    SpokenPassage spoken;
    spoken.start(QStringLiteral("Old one. Rest"));
    spoken.reached(9);
    EXPECT_EQ(spoken.start(QStringLiteral("New. Two")), QStringLiteral("New. "));
    EXPECT_EQ(spoken.restFrom(1), QStringLiteral("ew. "));
    EXPECT_EQ(spoken.reached(5), QStringLiteral("Two"));
}

} // namespace
} // namespace quorvel
