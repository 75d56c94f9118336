// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// txtTyping on a real widget: what reaches the key handler and what the box shows.
#include "typingbox.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <set>
#include <vector>

using namespace quorvel;

namespace {

class TypingBoxTest : public ::testing::Test {
protected:
    TypingBoxTest()
    {
        box.resize(345, 28);
        box.setKeyHandler([this](char32_t &key) {
            keys.push_back(key);
            if (swallow.count(key))
                key = 0;
        });
        box.show();
        box.setFocus();
    }

    void commit(const QString &text, const QString &preedit = QString())
    {
        QInputMethodEvent event(preedit, {});
        event.setCommitString(text);
        QApplication::sendEvent(&box, &event);
    }

    TypingBox box;
    std::vector<char32_t> keys;
    std::set<char32_t> swallow;
};

TEST_F(TypingBoxTest, KeysReachTheHandlerAndTheBox)
{
    QTest::keyClicks(&box, QStringLiteral("Ab c"));
    EXPECT_EQ(keys, (std::vector<char32_t>{U'A', U'b', U' ', U'c'}));
    EXPECT_EQ(box.text(), QStringLiteral("Ab c"));
}

TEST_F(TypingBoxTest, ASwallowedKeyIsJudgedButNotShown)
{
    swallow.insert(8);
    QTest::keyClicks(&box, QStringLiteral("ab"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(keys.back(), char32_t(8));
    EXPECT_EQ(box.text(), QStringLiteral("ab"));
}

// A dead key shows its accent as pre-edit text and then commits the finished letter: only the
// letter is a key. A commit of several characters is one key each.
TEST_F(TypingBoxTest, InputMethodCommitsAreOneKeyPerCharacter)
{
    commit(QString(), QStringLiteral("\u00B4"));
    EXPECT_TRUE(keys.empty());
    commit(QStringLiteral("\u00E9"));
    EXPECT_EQ(keys, (std::vector<char32_t>{U'\u00E9'}));

    keys.clear();
    commit(QStringLiteral("n\u00F6\U0001F600"));
    EXPECT_EQ(keys, (std::vector<char32_t>{U'n', U'\u00F6', U'\U0001F600'}));
    EXPECT_EQ(box.text(), QStringLiteral("\u00E9n\u00F6\U0001F600"));
}

// An input method may commit text decomposed; it is judged as the composed keys it stands for.
TEST_F(TypingBoxTest, DecomposedCommitsAreComposedFirst)
{
    commit(QStringLiteral("e\u0301\u1112\u1161\u11ABq\u0303"));
    EXPECT_EQ(keys, (std::vector<char32_t>{U'\u00E9', U'\uD55C', U'q', U'\u0303'}));
    EXPECT_EQ(box.text(), QStringLiteral("\u00E9\uD55Cq\u0303"));
}

// A skin tone or a mark with no composed form is a key of its own but shares the cell of the
// character before it, so the box draws the pair as one; ASCII after it starts a new cell.
TEST_F(TypingBoxTest, MarksAndModifiersShareTheCellOfTheCharacterBeforeThem)
{
    commit(QStringLiteral("\U0001F44D\U0001F3FDq\u0303x"));
    EXPECT_EQ(keys.size(), 5u);
    EXPECT_EQ(box.currentLine(), QStringLiteral("\U0001F44D\U0001F3FDq\u0303x"));
    const QRect hand = box.charRect(0);
    EXPECT_FALSE(hand.isEmpty());
    EXPECT_EQ(box.charRect(3), hand);
    EXPECT_EQ(box.charRect(5), box.charRect(4));
    EXPECT_GT(box.charRect(6).left(), box.charRect(4).left());
    EXPECT_EQ(box.offsetAt(hand.center()), 0);
}

// Tab belongs to the focus chain and Esc to the window's Stop; neither is typed.
TEST_F(TypingBoxTest, TabEscapeDeleteAndAltAreNotTyped)
{
    QTest::keyClick(&box, Qt::Key_Tab);
    QTest::keyClick(&box, Qt::Key_Escape);
    QTest::keyClick(&box, Qt::Key_Delete);
    QTest::keyClick(&box, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(keys.empty());
    EXPECT_TRUE(box.text().isEmpty());
}

TEST_F(TypingBoxTest, EnterIsJudgedAndStartsANewLine)
{
    QTest::keyClicks(&box, QStringLiteral("ab"));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(keys.back(), char32_t(13));
    EXPECT_EQ(box.text(), QStringLiteral("ab\n"));
    EXPECT_TRUE(box.currentLine().isEmpty());
}

// Ctrl+V is a control character for the judge; nothing is pasted.
TEST_F(TypingBoxTest, ControlCharactersAreJudgedButNotShownAndNothingIsPasted)
{
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    QApplication::sendEvent(&box, &paste);
    EXPECT_EQ(keys, (std::vector<char32_t>{char32_t(0x16)}));
    EXPECT_TRUE(box.text().isEmpty());
    EXPECT_FALSE(box.acceptDrops());
    EXPECT_EQ(box.contextMenuPolicy(), Qt::PreventContextMenu);
}

// The box shows the line being typed; a word that does not fit moves down whole.
TEST_F(TypingBoxTest, LongTextWrapsAtWordsAndTheLineFits)
{
    const QString words = QStringLiteral("several plain words typed one after another ");
    QString typed;
    for (int i = 0; i < 20; ++i)
        typed += words;
    QTest::keyClicks(&box, typed);
    EXPECT_EQ(box.text(), typed);
    const QString line = box.currentLine();
    EXPECT_FALSE(line.isEmpty());
    EXPECT_TRUE(typed.endsWith(line));
    EXPECT_EQ(typed.at(typed.size() - line.size() - 1), QLatin1Char(' '));
    EXPECT_LE(QFontMetricsF(box.font()).horizontalAdvance(line.trimmed()), box.width());

    box.clear();
    EXPECT_TRUE(box.text().isEmpty());
    EXPECT_TRUE(box.currentLine().isEmpty());
}

// When a letter does not fit, only the word it belongs to goes down: the line before keeps
// every word that fitted, up to its last blank.
TEST_F(TypingBoxTest, AWrapTakesDownOnlyTheWordThatDoesNotFit)
{
    const QString typed =
        QStringLiteral("several plain words typed one after another ").repeated(5);
    int wraps = 0;
    QString word;
    for (const QChar c : typed) {
        const qsizetype before = box.currentLine().size();
        QTest::keyClick(&box, c.toLatin1());
        word = c == QLatin1Char(' ') ? QString() : word + c;
        if (box.currentLine().size() <= before) {
            ++wraps;
            EXPECT_EQ(box.currentLine().toStdString(), word.toStdString());
        }
    }
    EXPECT_GT(wraps, 3);
}

TEST_F(TypingBoxTest, InputMethodIsOnAndSeesNoTextToRewrite)
{
    EXPECT_TRUE(box.testAttribute(Qt::WA_InputMethodEnabled));
    QTest::keyClicks(&box, QStringLiteral("abc"));
    EXPECT_TRUE(box.inputMethodQuery(Qt::ImEnabled).toBool());
    EXPECT_TRUE(box.inputMethodQuery(Qt::ImSurroundingText).toString().isEmpty());
    const QRect caret = box.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_GT(caret.left(), QFontMetricsF(box.font()).horizontalAdvance(QStringLiteral("ab")));
    EXPECT_TRUE(box.rect().contains(caret));
}

} // namespace
