// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// txtTyping on a real widget: what reaches the key handler and what the box shows.
#include "typingbox.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <set>
#include <utility>
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

// An input method may commit text decomposed, and some layouts send a combining mark on a key of
// its own. The box hands on each character as it came, for the key handler to compose, and
// draws a letter and its mark in one cell.
TEST_F(TypingBoxTest, DecomposedTextReachesTheHandlerAsItCame)
{
    commit(QStringLiteral("e\u0301\u1112\u1161\u11ABq\u0303"));
    EXPECT_EQ(keys, (std::vector<char32_t>{U'e', U'\u0301', U'\u1112', U'\u1161', U'\u11AB', U'q',
                                           U'\u0303'}));
    EXPECT_EQ(box.text(), QStringLiteral("e\u0301\u1112\u1161\u11ABq\u0303"));
    EXPECT_EQ(box.charRect(1), box.charRect(0));

    keys.clear();
    QTest::keyClick(&box, Qt::Key_A);
    QKeyEvent mark(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\u0301"));
    QApplication::sendEvent(&box, &mark);
    EXPECT_EQ(keys, (std::vector<char32_t>{U'a', U'\u0301'}));
    const int a = int(box.text().size()) - 2;
    EXPECT_EQ(box.charRect(a + 1), box.charRect(a));
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
// Each with the text a real keyboard sends with it (QTest sends none with Delete).
TEST_F(TypingBoxTest, TabEscapeDeleteAndAltAreNotTyped)
{
    struct Press {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *text;
    };
    for (const Press &press :
         {Press{Qt::Key_Tab, Qt::NoModifier, "\t"}, Press{Qt::Key_Escape, Qt::NoModifier, "\x1b"},
          Press{Qt::Key_Delete, Qt::NoModifier, "\x7f"}, Press{Qt::Key_F, Qt::AltModifier, "f"}}) {
        QKeyEvent event(QEvent::KeyPress, press.key, press.modifiers, QLatin1String(press.text));
        QApplication::sendEvent(&box, &event);
        const QString name = QKeySequence(press.key | press.modifiers).toString();
        EXPECT_TRUE(keys.empty()) << name.toStdString();
    }
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

// The place of the caret, which stops at the right edge of the text.
int caretLeft(const TypingBox &box)
{
    return box.inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
}

// A blank may hang past the right edge, as in a word-wrapping text box, so a word that fits moves
// down only when a letter of the next word comes. Checked after every key: the line before the
// blank must stay as it was. Each round starts the words one narrow letter further right, finer
// steps than a blank is wide, so that some blank lands on the edge.
TEST_F(TypingBoxTest, ABlankMayHangPastTheRightEdgeSoNoWordWrapsEarly)
{
    // Full hinting, where a machine's fontconfig asks for it, rounds every advance to whole
    // pixels, and then an 'i' is as wide as a blank: unhinted, the steps stay finer.
    QFont unhinted = box.font();
    unhinted.setHintingPreference(QFont::PreferNoHinting);
    box.setFont(unhinted);
    const QFontMetricsF metrics(box.font());
    const qreal blank = metrics.horizontalAdvance(QLatin1Char(' '));
    ASSERT_LT(metrics.horizontalAdvance(QLatin1Char('i')), blank);
    int hanging = 0;
    for (int shift = 0; shift < 20; ++shift) {
        box.clear();
        const QString keys = QString(shift, QLatin1Char('i')) + QLatin1Char(' ') +
                             QStringLiteral("ab ").repeated(40);
        QString typed;
        for (const QChar key : keys) {
            const QString before = box.currentLine();
            const int caretBefore = caretLeft(box);
            QTest::keyClick(&box, key.toLatin1());
            typed += key;
            const QString after = box.currentLine();
            if (key == QLatin1Char(' ')) {
                ASSERT_EQ(after.toStdString(), (before + key).toStdString())
                    << "shift " << shift << ", key " << typed.size();
                hanging += caretLeft(box) - caretBefore < blank - 1;
                continue;
            }
            // A letter joins the line, or starts the next one with the rest of its word.
            const QString word = typed.mid(typed.lastIndexOf(QLatin1Char(' ')) + 1);
            ASSERT_TRUE(after == before + key || after == word)
                << "shift " << shift << ", key " << typed.size() << ": \"" << after.toStdString()
                << '"';
            ASSERT_LE(metrics.horizontalAdvance(after.trimmed()), box.width());
        }
    }
    EXPECT_GT(hanging, 0) << "no blank reached the edge, so the rule was never put to work";
}

// What was typed is drawn: dark ink runs from the text's left edge as far as the typed text
// reaches, and grows with it; an emptied box shows none.
TEST_F(TypingBoxTest, DrawsWhatWasTyped)
{
    box.clearFocus(); // the blinking caret stays out of the picture
    const QFontMetricsF metrics(box.font());
    // Leftmost and rightmost column with dark ink inside the frame, or -1, -1.
    auto ink = [this] {
        const QImage image = box.grab().toImage();
        const QRect inside = box.rect().adjusted(4, 4, -4, -4);
        int first = -1;
        int last = -1;
        for (int x = inside.left(); x <= inside.right(); ++x) {
            for (int y = inside.top(); y <= inside.bottom(); ++y) {
                if (image.pixelColor(x, y).lightness() < 100) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
            }
        }
        return std::make_pair(first, last);
    };
    EXPECT_EQ(ink(), std::make_pair(-1, -1));

    QTest::keyClicks(&box, QStringLiteral("WWW"));
    const auto [left, right] = ink();
    ASSERT_GE(left, 0) << "nothing drawn";
    EXPECT_LE(left, 8);
    EXPECT_NEAR(right - left, metrics.horizontalAdvance(QStringLiteral("WWW")), 4);

    QTest::keyClicks(&box, QStringLiteral(" WW"));
    const auto [left2, right2] = ink();
    EXPECT_EQ(left2, left);
    EXPECT_NEAR(right2 - left2, metrics.horizontalAdvance(QStringLiteral("WWW WW")), 4);

    // A Compose sequence left half typed shows as pre-edit text; clearing the box drops it too.
    commit(QString(), QStringLiteral("W"));
    EXPECT_NEAR(ink().second - left2, metrics.horizontalAdvance(QStringLiteral("WWW WWW")), 4);
    box.clear();
    EXPECT_EQ(ink(), std::make_pair(-1, -1));
}

} // namespace
