// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// rtfToType on a real widget: colours and marks as pixels, the line on show, and what a change
// repaints.
#include "colorconvert.h"
#include "passagemodel.h"
#include "passageview.h"
#include "pixels.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QScreen>
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

// A character's box less the column it may share with each neighbour.
QRect inner(const QRect &box)
{
    return box.adjusted(1, 0, -1, 0);
}

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

    // The whole view painted afresh.
    QImage grab() { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // What the screen holds once the pending repaints are done, which paint only what changed.
    QImage onScreen()
    {
        QApplication::processEvents();
        return view.screen()
            ->grabWindow(view.winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    PassageModel model;
    PassageView view;
};

// Every pixel of a character is its colour, the white base or a blend of the two.
TEST_F(PassageViewTest, EachCharacterIsDrawnInItsOwnColour)
{
    model.setText(QStringLiteral("WMW"));
    colour(0, kBlue);
    colour(1, 0x3CB371);
    const QImage image = grab();
    const struct {
        int index;
        QColor colour;
    } expected[] = {{0, toQColor(kBlue)}, {1, QColor(0x71, 0xB3, 0x3C)}, {2, Qt::black}};
    for (const auto &[index, colour] : expected) {
        const Pixels pixels = drawnIn(image, inner(view.charRect(index)), colour);
        EXPECT_EQ(pixels.foreign, 0) << index;
        EXPECT_GE(pixels.solid, 5) << index;
        EXPECT_GE(pixels.edge, 10) << index;
    }
    // A colour a little off is told apart, on the solid strokes and on the faint edges alike.
    EXPECT_GE(drawnIn(image, inner(view.charRect(0)), QColor(0, 0, 230)).foreign, 15);
    EXPECT_GE(drawnIn(image, inner(view.charRect(1)), QColor(0x71, 0xB3, 0x50)).foreign, 15);
    EXPECT_GE(drawnIn(image, inner(view.charRect(2)), QColor(40, 40, 40)).foreign, 15);
}

TEST_F(PassageViewTest, TheMarkHighlightsTheCharacterAndKeepsItReadable)
{
    model.setText(QStringLiteral("WMW"));
    model.MarkCurrentChar(1, 1);
    const QImage image = grab();
    // The black glyph on the mark's ground, and nothing else, fills the whole box.
    const QRect marked = view.charRect(1);
    const Pixels pixels = drawnIn(image, inner(marked), Qt::black, PassageView::markColor());
    EXPECT_EQ(pixels.foreign, 0);
    EXPECT_GE(pixels.solid, 5);
    EXPECT_GE(pixels.background, marked.width() * marked.height() / 3);
    // Its neighbours keep the white ground.
    for (int index : {0, 2}) {
        const Pixels plain = drawnIn(image, inner(view.charRect(index)), Qt::black);
        EXPECT_EQ(plain.foreign, 0) << index;
        EXPECT_GE(plain.solid, 5) << index;
    }
}

// The cue is a solid bar under the blank, as wide as the blank, in the blank's own colour: black
// while it waits for its key, then the verdict's.
TEST_F(PassageViewTest, TheSpaceCueIsABarUnderTheBlank)
{
    model.setText(QStringLiteral("a b"));
    const QRect blank = inner(view.charRect(1));
    ASSERT_GE(blank.width(), 2);
    const Pixels before = drawnIn(grab(), blank, Qt::black);
    EXPECT_EQ(before.background, blank.width() * blank.height()) << "a blank shows nothing";

    model.SelectChars(1, 1);
    model.setSpaceCue(true);
    auto solidRows = [&](const QImage &image, const QColor &colour) {
        QList<int> rows;
        for (int y = blank.top(); y <= blank.bottom(); ++y) {
            const Pixels row = drawnIn(image, QRect(blank.left(), y, blank.width(), 1), colour);
            EXPECT_EQ(row.foreign, 0) << y;
            EXPECT_EQ(row.edge, 0) << y;
            if (row.solid == blank.width())
                rows << y;
            else
                EXPECT_EQ(row.solid, 0) << "a bar has no ragged row, at " << y;
        }
        return rows;
    };
    const QList<int> cue = solidRows(grab(), Qt::black);
    ASSERT_FALSE(cue.isEmpty());
    EXPECT_EQ(cue.size(), 2) << "two pixels thick";
    EXPECT_EQ(cue.back() - cue.front(), cue.size() - 1) << "one bar";
    EXPECT_GT(cue.front(), view.height() / 2) << "under the blank's middle";

    colour(1, kRed);
    EXPECT_EQ(solidRows(grab(), toQColor(kRed)), cue);
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
    const Pixels pixels = drawnIn(image, inner(view.charRect(0)), Qt::black);
    EXPECT_EQ(pixels.foreign, 0);
    EXPECT_GE(pixels.solid, 3);
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
    const Pixels pixels = drawnIn(grab(), inner(b), toQColor(kRed));
    EXPECT_EQ(pixels.foreign, 0);
    EXPECT_GE(pixels.solid, 3);
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
    const Pixels marked = drawnIn(image, inner(q), toQColor(kBlue), PassageView::markColor());
    EXPECT_EQ(marked.foreign, 0);
    EXPECT_GE(marked.background, q.width() * q.height() / 3);
    EXPECT_GE(marked.solid, 3);

    // The emoji judged, its skin tone next: the mark covers both, as the one glyph they make.
    const QRect emoji = view.charRect(4);
    EXPECT_EQ(view.charRect(5), emoji);
    model.UnmarkChar(2, 1);
    model.MarkCurrentChar(5, 1);
    image = grab();
    EXPECT_GE(pixelsOf(image, emoji, PassageView::markColor()), emoji.width() * 2);
    EXPECT_EQ(pixelsOf(image, q, PassageView::markColor()), 0);
}

// Black is a colour a typist may choose for a verdict; it must not read as "not judged yet".
TEST_F(PassageViewTest, AClusterTakesTheColourOfItsLastJudgedCharacterBlackIncluded)
{
    model.setText(QStringLiteral("Wq\u0303W"));
    const QRect q = inner(view.charRect(1));
    const struct {
        Color q;
        Color tilde;
    } verdicts[] = {{kBlue, kRed}, {kBlue, kBlack}, {kBlack, kBlue}};
    for (const auto &[first, second] : verdicts) {
        model.ResetPassageColor(0, model.length());
        colour(1, first);
        Pixels pixels = drawnIn(grab(), q, toQColor(first));
        EXPECT_EQ(pixels.foreign, 0) << "q judged, its tilde not yet: " << first;
        EXPECT_GE(pixels.solid, 3);
        colour(2, second);
        pixels = drawnIn(grab(), q, toQColor(second));
        EXPECT_EQ(pixels.foreign, 0) << first << " then " << second;
        EXPECT_GE(pixels.solid, 3);
    }
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

// Marks stacked above and below a letter, and a mark that hangs out to the left, reach past the
// cluster's advance and the line's height. Key by key, the screen, repainted piece by piece, must
// be what a whole fresh paint gives: no stale colour, no stale mark.
TEST_F(PassageViewTest, AKeyRepaintsAllTheInkOfItsCluster)
{
    const QString stacked = QStringLiteral("a\u0301\u0301\u0301\u0301");
    const QString below = QStringLiteral("a\u0323\u0324\u0325\u0326");
    const QString hanging = QStringLiteral("j\u0332\u0332");
    model.setText("W" + stacked + "W" + below + "W" + hanging + "W \U0001F44D\U0001F3FD W");
    model.MarkCurrentChar(0, 1);
    ASSERT_EQ(onScreen(), grab());
    for (int i = 0; i < model.length(); ++i) {
        // The key handler's steps, a wrong key on every other character.
        model.UnmarkChar(i, 1);
        model.setSelColor(i % 2 ? kRed : kBlue);
        model.MarkCurrentChar(i + 1, 1);
        const QImage screen = onScreen();
        const QImage fresh = grab();
        int stale = 0;
        QRect where;
        for (int y = 0; y < fresh.height(); ++y) {
            for (int x = 0; x < fresh.width(); ++x) {
                if (screen.pixel(x, y) != fresh.pixel(x, y)) {
                    ++stale;
                    where |= QRect(x, y, 1, 1);
                }
            }
        }
        EXPECT_EQ(stale, 0) << "after the key on " << i << ", at " << where.x() << "," << where.y()
                            << " " << where.width() << "x" << where.height();
    }
}

TEST_F(PassageViewTest, AnEmptyPassageShowsNothingAndTakesNoMark)
{
    model.setText(QString());
    model.MarkCurrentChar(0, 1);
    EXPECT_TRUE(view.charRect(0).isEmpty());
    const QRect inside = view.rect().adjusted(3, 3, -3, -3);
    EXPECT_EQ(pixelsOf(grab(), inside, Qt::white), inside.width() * inside.height());
}

} // namespace
