// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader gets from the windows: figures named by their captions, the passage as
// text whose caret is the next character to type, and a labelled typing box.
#include "accessiblefactory.h"
#include "colorconvert.h"
#include "passagemodel.h"
#include "passageview.h"
#include "windowrig.h"

#include <vector>

namespace quorvel {
namespace {

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(iface, nullptr);
    return iface;
}

class MainWindowAccessibilityTest : public WindowRig {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(open()); }
};

struct Figure {
    Label label;
    const char *name;
    const char *caption;
};

void PrintTo(const Figure &figure, std::ostream *out)
{
    *out << figure.name;
}

class FigureNameTest : public MainWindowAccessibilityTest,
                       public ::testing::WithParamInterface<Figure> {};

TEST_P(FigureNameTest, IsTheCaptionFollowedByTheFigure)
{
    auto *figure = find<QLabel>(GetParam().name);
    ASSERT_NE(figure, nullptr);
    QAccessibleInterface *iface = accessible(figure);
    ASSERT_NE(iface, nullptr);
    const QString caption = QLatin1String(GetParam().caption);

    // The start-up reset has filled every figure before the window shows.
    ASSERT_FALSE(figure->text().isEmpty());
    EXPECT_EQ(iface->text(QAccessible::Name), caption + ' ' + figure->text());

    window->setCaption(GetParam().label, QStringLiteral("42"));
    EXPECT_EQ(iface->text(QAccessible::Name), caption + QStringLiteral(" 42"));
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("42"));
    EXPECT_EQ(iface->role(), QAccessible::StaticText);

    // The caption is reported as the figure's label, as a reader's "who labels this" asks.
    const auto labels = iface->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.first().first->object()->objectName(),
              QStringLiteral("lblCap") + QLatin1String(GetParam().name + 3));
    EXPECT_EQ(labels.first().first->text(QAccessible::Name), caption);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, FigureNameTest,
                         ::testing::Values(Figure{Label::Speed, "lblSpeed", "Speed (wpm)"},
                                           Figure{Label::Accuracy, "lblAccuracy", "Accuracy (%)"},
                                           Figure{Label::NetSpeed, "lblNetSpeed",
                                                  "Net Speed (wpm)"},
                                           Figure{Label::Time, "lblTime", "Time"},
                                           Figure{Label::TimeLeft, "lblTimeLeft", "Time left"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowAccessibilityTest, OtherLabelsKeepTheirOwnText)
{
    QAccessibleInterface *iface = accessible(find<QLabel>("lblCapSpeed"));
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Speed (wpm)"));
    iface = accessible(find<QLabel>("lblOptionsTime"));
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Test length: 1 Minute"));
}

TEST_F(MainWindowAccessibilityTest, TypingBoxIsLabelled)
{
    QAccessibleInterface *iface = accessible(find("txtTyping"));
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Type here"));
}

TEST_F(MainWindowAccessibilityTest, PassageCaretFollowsTheTypist)
{
    QAccessibleInterface *iface = accessible(find("rtfToType"));
    ASSERT_NE(iface, nullptr);
    QAccessibleTextInterface *text = iface->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Passage to type"));
    EXPECT_TRUE(iface->state().readOnly);
    EXPECT_EQ(text->characterCount(), 0);

    click("cmdStart");
    EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral("ab cd"));
    EXPECT_EQ(text->cursorPosition(), 0);

    QTest::keyClicks(box, QStringLiteral("ax"));
    EXPECT_EQ(text->cursorPosition(), 2);
    // The wrong key shows in the second character's attributes.
    int start = -1;
    int end = -1;
    const QString right = text->attributes(0, &start, &end);
    const QString wrong = text->attributes(1, &start, &end);
    EXPECT_NE(right, wrong);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 2);
    click("cmdStop");
}

// The view on its own, driven through its model as the test logic drives it.
class PassageAccessibleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AccessibleFactory::install();
        view.resize(400, 25);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        iface = QAccessible::queryAccessibleInterface(&view);
        ASSERT_NE(iface, nullptr);
        text = iface->textInterface();
        ASSERT_NE(text, nullptr);
    }

    void moveMark(int from, int to)
    {
        model.UnmarkChar(from, 1);
        model.MarkCurrentChar(to, 1);
    }

    PassageModel model;
    PassageView view{model};
    QAccessibleInterface *iface = nullptr;
    QAccessibleTextInterface *text = nullptr;
};

TEST_F(PassageAccessibleTest, OffsetsAreUtf16PositionsPastCharactersOutsideTheBmp)
{
    // U+1F600 takes two UTF-16 units, so the characters after it sit one offset further on.
    const QString passage = QStringLiteral("a\U0001F600b c");
    model.setText(passage);
    model.MarkCurrentChar(0, 1);
    EXPECT_EQ(text->characterCount(), passage.size());
    EXPECT_EQ(iface->text(QAccessible::Value), passage);
    EXPECT_EQ(text->text(1, 3), QStringLiteral("\U0001F600"));

    const std::vector<std::pair<int, int>> marks{{1, 1}, {2, 3}, {3, 4}, {4, 5}};
    int previous = 0;
    for (const auto &[index, offset] : marks) {
        moveMark(previous, index);
        previous = index;
        EXPECT_EQ(text->cursorPosition(), offset) << "mark on character " << index;
    }
    // Past the last character nothing is marked: the caret is at the end.
    model.UnmarkChar(previous, 1);
    EXPECT_EQ(text->cursorPosition(), passage.size());
}

TEST_F(PassageAccessibleTest, AttributesDescribeRunsOfColourAndMarks)
{
    model.setText(QStringLiteral("abc de"));
    const Color blue = 0xFF0000;
    model.SelectChars(0, 2);
    model.setSelColor(blue);
    model.MarkCurrentChar(3, 1);
    model.setSpaceCue(true);

    struct Expected {
        int offset, start, end;
        QString attributes;
    };
    const std::vector<Expected> table{
        {0, 0, 2, QStringLiteral("color:rgb(0,0,255);")},
        {1, 0, 2, QStringLiteral("color:rgb(0,0,255);")},
        {2, 2, 3, QStringLiteral("color:rgb(0,0,0);")},
        {3, 3, 4,
         QStringLiteral("color:rgb(0,0,0);background-color:%1;"
                        "text-underline-style:solid;text-underline-type:single;")
             .arg(QStringLiteral("rgb(%1,%2,%3)")
                      .arg(PassageView::markColor().red())
                      .arg(PassageView::markColor().green())
                      .arg(PassageView::markColor().blue()))},
        {5, 4, 6, QStringLiteral("color:rgb(0,0,0);")},
    };
    for (const Expected &row : table) {
        int start = -1;
        int end = -1;
        EXPECT_EQ(text->attributes(row.offset, &start, &end), row.attributes) << row.offset;
        EXPECT_EQ(start, row.start) << row.offset;
        EXPECT_EQ(end, row.end) << row.offset;
    }
    int start = 0;
    int end = 0;
    EXPECT_TRUE(text->attributes(6, &start, &end).isEmpty());
}

TEST_F(PassageAccessibleTest, CharacterPlacesAndPointsAgree)
{
    model.setText(QStringLiteral("quick brown"));
    model.MarkCurrentChar(0, 1);
    const QRect viewOnScreen(view.mapToGlobal(QPoint(0, 0)), view.size());
    int previousRight = viewOnScreen.left();
    for (int offset = 0; offset < text->characterCount(); ++offset) {
        const QRect place = text->characterRect(offset);
        ASSERT_FALSE(place.isEmpty()) << offset;
        EXPECT_TRUE(viewOnScreen.contains(place)) << offset;
        EXPECT_GE(place.left(), previousRight - 1) << offset;
        previousRight = place.right();
        EXPECT_EQ(text->offsetAtPoint(place.center()), offset);
    }
    EXPECT_TRUE(text->characterRect(text->characterCount()).isEmpty());
    EXPECT_EQ(text->offsetAtPoint(viewOnScreen.bottomRight() + QPoint(10, 10)), -1);
}

} // namespace
} // namespace quorvel
