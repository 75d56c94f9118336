// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// rtfToType on a real widget: colours and marks as pixels, the line on show, and what a change
// repaints.
#include "colorconvert.h"
#include "passagemodel.h"
#include "passageview.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;

namespace {

// Records the rectangles the view paints.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

class PassageViewTest : public ::testing::Test {
protected:
    PassageViewTest() : view(model)
    {
        view.resize(345, 25);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    void colour(int index, Color color)
    {
        model.SelectChars(index, 1);
        model.setSelColor(color);
    }

    // Pixels inside the character's box that are close to the colour.
    int pixelsNear(const QImage &image, const QRect &box, const QColor &color)
    {
        int count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (std::abs(pixel.red() - color.red()) < 60 &&
                    std::abs(pixel.green() - color.green()) < 60 &&
                    std::abs(pixel.blue() - color.blue()) < 60)
                    ++count;
            }
        }
        return count;
    }

    QImage grab() { return view.grab().toImage(); }

    PassageModel model;
    PassageView view;
};

TEST_F(PassageViewTest, EachCharacterIsDrawnInItsOwnColour)
{
    model.setText(QStringLiteral("WMW"));
    colour(0, kBlue);
    colour(1, kRed);
    const QImage image = grab();
    EXPECT_GT(pixelsNear(image, view.charRect(0), toQColor(kBlue)), 10);
    EXPECT_EQ(pixelsNear(image, view.charRect(0), toQColor(kRed)), 0);
    EXPECT_GT(pixelsNear(image, view.charRect(1), toQColor(kRed)), 10);
    EXPECT_EQ(pixelsNear(image, view.charRect(1), toQColor(kBlue)), 0);
    EXPECT_GT(pixelsNear(image, view.charRect(2), Qt::black), 10);
}

TEST_F(PassageViewTest, TheMarkHighlightsTheCharacterAndKeepsItReadable)
{
    model.setText(QStringLiteral("WMW"));
    model.MarkCurrentChar(1, 1);
    const QImage image = grab();
    const QRect marked = view.charRect(1);
    EXPECT_GT(pixelsNear(image, marked, PassageView::markColor()), 20);
    EXPECT_GT(pixelsNear(image, marked, Qt::black), 10);
    EXPECT_EQ(pixelsNear(image, view.charRect(0).adjusted(0, 0, -1, 0), PassageView::markColor()),
              0);
}

TEST_F(PassageViewTest, TheSpaceCueIsVisibleOnABlank)
{
    model.setText(QStringLiteral("a b"));
    const QRect blank = view.charRect(1);
    const int darkBefore = pixelsNear(grab(), blank, Qt::black);
    model.SelectChars(1, 1);
    model.setSpaceCue(true);
    EXPECT_GT(pixelsNear(grab(), blank, Qt::black), darkBefore);
}

// The passage is chosen against white: a dark desktop palette must not change its base.
TEST_F(PassageViewTest, TheBaseStaysWhiteUnderADarkPalette)
{
    const QPalette old = QApplication::palette();
    QPalette dark = old;
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);
    model.setText(QStringLiteral("abc"));
    const QImage image = grab();
    QApplication::setPalette(old);
    EXPECT_EQ(image.pixelColor(view.charRect(2).right() + 20, view.height() / 2),
              QColor(Qt::white));
    EXPECT_GT(pixelsNear(image, view.charRect(0), Qt::black), 5);
}

// One line is on show: the one holding the next character to type.
TEST_F(PassageViewTest, TheLineOnShowFollowsTheMark)
{
    QString text;
    for (int i = 0; i < 400; ++i)
        text += QStringLiteral("word ");
    model.setText(text);
    EXPECT_EQ(view.visibleLine(), 0);
    EXPECT_FALSE(view.charRect(0).isEmpty());

    const int far = 1500;
    model.MarkCurrentChar(far, 1);
    EXPECT_GT(view.visibleLine(), 5);
    EXPECT_FALSE(view.charRect(far).isEmpty());
    EXPECT_TRUE(view.charRect(0).isEmpty());
    EXPECT_TRUE(view.rect().contains(view.charRect(far)));

    // Taking the mark away (as Stop does) leaves the line where it was.
    const int line = view.visibleLine();
    model.UnmarkChar(far, 1);
    EXPECT_EQ(view.visibleLine(), line);

    model.setText(QStringLiteral("short"));
    EXPECT_EQ(view.visibleLine(), 0);
}

// Key by key across several line ends, as the typist goes: the line on show moves on exactly
// when the mark reaches the first character of the next line, so the next character to type is
// never off screen, not even for one key.
TEST_F(PassageViewTest, TheLineMovesOnExactlyWhenTheMarkReachesTheNextLine)
{
    model.setText(QStringLiteral("word ").repeated(100));
    model.MarkCurrentChar(0, 1);
    int line = view.visibleLine();
    int moves = 0;
    for (int i = 1; i < 250; ++i) {
        // The key handler's steps: the typed character loses the mark and takes its colour.
        model.UnmarkChar(i - 1, 1);
        model.setSelColor(kBlue);
        const bool onShowBefore = !view.charRect(i).isEmpty();
        model.MarkCurrentChar(i, 1);
        ASSERT_FALSE(view.charRect(i).isEmpty()) << "the mark on " << i << " is off screen";
        ASSERT_TRUE(view.rect().contains(view.charRect(i))) << i;
        if (onShowBefore) {
            ASSERT_EQ(view.visibleLine(), line) << "moved on early at " << i;
        } else {
            ASSERT_EQ(view.visibleLine(), line + 1) << i;
            ASSERT_TRUE(view.charRect(i - 1).isEmpty()) << i;
            line = view.visibleLine();
            ++moves;
        }
    }
    EXPECT_GE(moves, 3);
}

// A finished passage gives way to the next with no mark on it (the first key marks its second
// character): the new one is shown from its first line, wherever the old one had got to.
TEST_F(PassageViewTest, ANewPassageIsShownFromItsFirstLine)
{
    const QString words = QStringLiteral("word ").repeated(400);
    model.setText(words);
    model.MarkCurrentChar(1200, 1);
    ASSERT_GT(view.visibleLine(), 5);
    model.UnmarkChar(1200, 1);

    model.setText(QStringLiteral("other ").repeated(400));
    model.ResetPassageColor(0, model.length());
    model.SelectChars(0, 1);
    EXPECT_EQ(view.visibleLine(), 0);
    EXPECT_FALSE(view.charRect(0).isEmpty());
    model.UnmarkChar(0, 1);
    model.MarkCurrentChar(1, 1);
    EXPECT_EQ(view.visibleLine(), 0);
    EXPECT_FALSE(view.charRect(1).isEmpty());
}

// Model positions count code points; the layout counts UTF-16 units.
TEST_F(PassageViewTest, CharactersBeyondTheBasicPlaneKeepTheirPlaces)
{
    model.setText(QStringLiteral("a\U0001F600bc"));
    const QRect emoji = view.charRect(1);
    const QRect b = view.charRect(2);
    EXPECT_FALSE(emoji.isEmpty());
    EXPECT_GT(b.left(), emoji.left());
    colour(2, kRed);
    EXPECT_GT(pixelsNear(grab(), b, toQColor(kRed)), 5);
}

// A key must cost the same at any passage length: a change repaints only its characters.
TEST_F(PassageViewTest, AChangeRepaintsOnlyItsCharacters)
{
    QString text;
    for (int i = 0; i < 2000; ++i)
        text += QStringLiteral("abcd ");
    model.setText(text);
    model.MarkCurrentChar(0, 1);
    QApplication::processEvents();
    PaintRecorder recorder;
    view.installEventFilter(&recorder);

    colour(3, kRed);
    model.MarkCurrentChar(4, 1);
    QApplication::processEvents();
    const QRect changed = view.charRect(3) | view.charRect(4);
    EXPECT_FALSE(recorder.painted.isEmpty());
    EXPECT_LT(recorder.painted.boundingRect().width(), view.width() / 4);
    EXPECT_TRUE(recorder.painted.boundingRect().contains(changed.adjusted(1, 0, -1, 0)));
}

// A mark with no composed form (q + U+0303) or a skin-tone modifier is judged as a character
// of its own but drawn with the one before it: mark and colour go to the whole cluster.
TEST_F(PassageViewTest, AClusterIsMarkedWholeWhileTypedCharacterByCharacter)
{
    model.setText(QStringLiteral("Wq\u0303W\U0001F44D\U0001F3FDW"));
    const QRect q = view.charRect(1);
    EXPECT_EQ(view.charRect(2), q);
    EXPECT_GT(q.width(), view.charRect(0).width() / 3);

    // The q judged right, its tilde next: the whole cluster is marked, in the q's colour.
    colour(1, kBlue);
    model.MarkCurrentChar(2, 1);
    QImage image = grab();
    EXPECT_GT(pixelsNear(image, q, PassageView::markColor()), q.width() * q.height() / 3);
    EXPECT_GT(pixelsNear(image, q, toQColor(kBlue)), 10);
    EXPECT_EQ(pixelsNear(image, q, Qt::black), 0);

    // The emoji judged, its skin tone next: the mark covers both, as the one glyph they make.
    const QRect emoji = view.charRect(4);
    EXPECT_EQ(view.charRect(5), emoji);
    model.UnmarkChar(2, 1);
    model.MarkCurrentChar(5, 1);
    image = grab();
    EXPECT_GT(pixelsNear(image, emoji, PassageView::markColor()), emoji.width() * 2);
    EXPECT_EQ(pixelsNear(image, q, PassageView::markColor()), 0);
}

TEST_F(PassageViewTest, AClusterTakesTheColourOfItsLastJudgedCharacter)
{
    model.setText(QStringLiteral("Wq\u0303W"));
    const QRect q = view.charRect(1);
    colour(1, kBlue);
    colour(2, kRed);
    const QImage image = grab();
    EXPECT_GT(pixelsNear(image, q, toQColor(kRed)), 10);
    EXPECT_EQ(pixelsNear(image, q, toQColor(kBlue)), 0);
    EXPECT_EQ(pixelsNear(image, q, Qt::black), 0);
}

TEST_F(PassageViewTest, AChangeInsideAClusterRepaintsTheWholeCluster)
{
    model.setText(QStringLiteral("Wq\u0303W"));
    model.MarkCurrentChar(0, 1);
    QApplication::processEvents();
    PaintRecorder recorder;
    view.installEventFilter(&recorder);
    colour(2, kRed);
    QApplication::processEvents();
    EXPECT_TRUE(recorder.painted.boundingRect().contains(view.charRect(1)));
}

TEST_F(PassageViewTest, AnEmptyPassageShowsNothingAndTakesNoMark)
{
    model.setText(QString());
    model.MarkCurrentChar(0, 1);
    EXPECT_TRUE(view.charRect(0).isEmpty());
    EXPECT_EQ(pixelsNear(grab(), view.rect().adjusted(3, 3, -3, -3), Qt::black), 0);
}

} // namespace
