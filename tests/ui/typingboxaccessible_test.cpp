// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The typing box as a screen reader reads it from the real window: an editable text holding what
// was typed, its states, and an event for every character that goes in or is cleared.
#include "windowrig.h"

#include <QApplication>
#include <vector>

namespace quorvel {
namespace {

struct Heard {
    QAccessible::Event type;
    int position;
    QString text;
};

bool operator==(const Heard &a, const Heard &b)
{
    return a.type == b.type && a.position == b.position && a.text == b.text;
}

void PrintTo(const Heard &heard, std::ostream *out)
{
    *out << "{" << int(heard.type) << ", " << heard.position << ", \"" << heard.text.toStdString()
         << "\"}";
}

// What an assistive technology hears of the typing box; only text changes are kept.
std::vector<Heard> heard;
QObject *listenedTo = nullptr;

void listen(QAccessibleEvent *event)
{
    if (event->object() != listenedTo)
        return;
    if (event->type() == QAccessible::TextInserted) {
        const auto *inserted = static_cast<QAccessibleTextInsertEvent *>(event);
        heard.push_back({event->type(), inserted->changePosition(), inserted->textInserted()});
    } else if (event->type() == QAccessible::TextRemoved) {
        const auto *removed = static_cast<QAccessibleTextRemoveEvent *>(event);
        heard.push_back({event->type(), removed->changePosition(), removed->textRemoved()});
    }
}

class TypingBoxAccessibleTest : public WindowRig {
protected:
    void SetUp() override
    {
        heard.clear();
        ASSERT_NO_FATAL_FAILURE(open());
        listenWith(&listen);
        listenedTo = box;
        ASSERT_NO_FATAL_FAILURE(readerOn());
        iface = QAccessible::queryAccessibleInterface(box);
        ASSERT_NE(iface, nullptr);
        text = iface->textInterface();
        ASSERT_NE(text, nullptr);
    }

    void TearDown() override
    {
        WindowRig::TearDown();
        listenedTo = nullptr;
    }

    QString all() const { return text->text(0, text->characterCount()); }

    QAccessibleInterface *iface = nullptr;
    QAccessibleTextInterface *text = nullptr;
};

TEST_F(TypingBoxAccessibleTest, IsAnEditableTextNamedTypeHere)
{
    EXPECT_EQ(iface->role(), QAccessible::EditableText);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Type here"));
    EXPECT_TRUE(iface->state().editable);
    EXPECT_FALSE(iface->state().readOnly);
    // Text gets in only by typing: nothing can be written, pasted or deleted through it.
    EXPECT_EQ(iface->editableTextInterface(), nullptr);
    EXPECT_EQ(text->characterCount(), 0);
}

TEST_F(TypingBoxAccessibleTest, StatesFollowIdleAndRunning)
{
    EXPECT_TRUE(iface->state().disabled);
    EXPECT_FALSE(iface->state().focused);
    EXPECT_TRUE(iface->state().focusable);

    click("cmdStart");
    EXPECT_FALSE(iface->state().disabled);
    EXPECT_TRUE(iface->state().focused);
    EXPECT_TRUE(iface->state().focusable);

    click("cmdStop");
    EXPECT_TRUE(iface->state().disabled);
    EXPECT_FALSE(iface->state().focused);
}

TEST_F(TypingBoxAccessibleTest, ReadsWhatWasTypedAndHearsEachKeyButNotBackspace)
{
    click("cmdStart");
    QTest::keyClick(box, Qt::Key_A);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_X);

    EXPECT_EQ(all(), QStringLiteral("ax"));
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("ax"));
    EXPECT_EQ(text->cursorPosition(), 2);
    EXPECT_EQ(heard, (std::vector<Heard>{{QAccessible::TextInserted, 0, QStringLiteral("a")},
                                         {QAccessible::TextInserted, 1, QStringLiteral("x")}}));
    int start = -1;
    int end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(text->selectionCount(), 0);
    EXPECT_EQ(start, end);
}

TEST_F(TypingBoxAccessibleTest, EnterAndCharactersBeyondTheBmpAreHeardAsTheyGoIn)
{
    click("cmdStart");
    QTest::keyClick(box, Qt::Key_A);
    QTest::keyClick(box, Qt::Key_Return);
    QKeyEvent smile(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\U0001F600"));
    QApplication::sendEvent(box, &smile);

    EXPECT_EQ(all(), QStringLiteral("a\n\U0001F600"));
    EXPECT_EQ(text->cursorPosition(), 4);
    EXPECT_EQ(heard,
              (std::vector<Heard>{{QAccessible::TextInserted, 0, QStringLiteral("a")},
                                  {QAccessible::TextInserted, 1, QStringLiteral("\n")},
                                  {QAccessible::TextInserted, 2, QStringLiteral("\U0001F600")}}));
}

TEST_F(TypingBoxAccessibleTest, ClearingAtANewPassageAndAtStartIsHeard)
{
    click("cmdStart");
    QTest::keyClicks(box, QStringLiteral("ab cd"));
    heard.clear();
    clock.now += 1000;
    program->test().tmrSpeed_Timer(); // the passage is finished: a new one comes
    EXPECT_EQ(all(), QString());
    EXPECT_EQ(heard, (std::vector<Heard>{{QAccessible::TextRemoved, 0, QStringLiteral("ab cd")}}));

    QTest::keyClicks(box, QStringLiteral("ab"));
    click("cmdStop");
    heard.clear();
    click("cmdStart");
    EXPECT_EQ(heard, (std::vector<Heard>{{QAccessible::TextRemoved, 0, QStringLiteral("ab")}}));
    // An empty box has nothing to remove.
    heard.clear();
    click("cmdStop");
    click("cmdStart");
    EXPECT_TRUE(heard.empty());
}

TEST_F(TypingBoxAccessibleTest, CharacterPlacesAndPointsAgreeOnTheLineOnShow)
{
    click("cmdStart");
    QTest::keyClicks(box, QStringLiteral("ab"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, QStringLiteral("cd"));
    const QRect boxOnScreen(box->mapToGlobal(QPoint(0, 0)), box->size());
    // The first line has scrolled away with the Enter.
    for (int offset : {0, 1, 2})
        EXPECT_TRUE(text->characterRect(offset).isEmpty()) << offset;
    int previousRight = boxOnScreen.left();
    for (int offset : {3, 4}) {
        const QRect place = text->characterRect(offset);
        ASSERT_FALSE(place.isEmpty()) << offset;
        EXPECT_TRUE(boxOnScreen.contains(place)) << offset;
        EXPECT_GT(place.left(), previousRight - 1) << offset;
        previousRight = place.right();
        EXPECT_EQ(text->offsetAtPoint(place.center()), offset);
    }
    EXPECT_TRUE(text->characterRect(5).isEmpty());
    EXPECT_EQ(text->offsetAtPoint(boxOnScreen.bottomRight() + QPoint(10, 10)), -1);
}

} // namespace
} // namespace quorvel
