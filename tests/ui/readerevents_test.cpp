// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is sent while a test runs, which it must answer for: a key moves the
// passage's caret once, straight to the next character, and the figures tell of a new whole
// number only, not of every tenth at every tick.
#include "windowrig.h"

#include <QApplication>

namespace quorvel {
namespace {

struct Sent {
    QString object;
    QAccessible::Event type;
    int cursor;
};

std::vector<Sent> sent;

void listen(QAccessibleEvent *event)
{
    const int cursor = event->type() == QAccessible::TextCaretMoved
                           ? static_cast<QAccessibleTextCursorEvent *>(event)->cursorPosition()
                           : -1;
    sent.push_back({event->object()->objectName(), event->type(), cursor});
}

int count(const char *object, QAccessible::Event type)
{
    int n = 0;
    for (const Sent &event : sent)
        n += event.object == QLatin1String(object) && event.type == type ? 1 : 0;
    return n;
}

class ReaderEventsTest : public WindowRig {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(open());
        listenWith(&listen);
        ASSERT_NO_FATAL_FAILURE(readerOn());
        click("cmdStart");
        QApplication::processEvents();
        sent.clear();
    }
};

TEST_F(ReaderEventsTest, AKeyMovesThePassageCaretOnceToTheNextCharacter)
{
    int next = 0;
    for (const char *key : {"a", "x", " "}) {
        sent.clear();
        QTest::keyClicks(box, QLatin1String(key));
        QApplication::processEvents();
        ++next;
        EXPECT_EQ(count("rtfToType", QAccessible::TextAttributeChanged), 1) << key;
        ASSERT_EQ(count("rtfToType", QAccessible::TextCaretMoved), 1) << key;
        for (const Sent &event : sent) {
            if (event.object == QLatin1String("rtfToType") &&
                event.type == QAccessible::TextCaretMoved) {
                EXPECT_EQ(event.cursor, next) << key;
            }
        }
    }
}

TEST_F(ReaderEventsTest, KeysTypedBeforeTheReaderIsToldAreToldAsOne)
{
    QTest::keyClicks(box, QStringLiteral("ab"));
    QApplication::processEvents();
    EXPECT_EQ(count("rtfToType", QAccessible::TextCaretMoved), 1);
    EXPECT_EQ(count("txtTyping", QAccessible::TextInserted), 2) << "each key is still echoed";
}

TEST_F(ReaderEventsTest, FiguresTellOfANewWholeNumberOnly)
{
    for (qint64 ms = 50; ms <= 2000; ms += 50)
        tickAt(ms);
    // Time and time left pass two whole seconds; their tenths changed forty times.
    EXPECT_EQ(count("lblTime", QAccessible::NameChanged), 2);
    EXPECT_EQ(count("lblTimeLeft", QAccessible::NameChanged), 2);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(find("lblTime"))->text(QAccessible::Name),
              QStringLiteral("Time 2.0"))
        << "read when asked, the figure is exact";

    sent.clear();
    QTest::keyClicks(box, QStringLiteral("ax"));
    tickAt(2050);
    EXPECT_EQ(count("lblAccuracy", QAccessible::NameChanged), 1) << "100.0 to 50.0";
}

TEST_F(ReaderEventsTest, WithoutAReaderNothingIsSent)
{
    platform->setActive(false);
    QTest::keyClicks(box, QStringLiteral("ab"));
    for (qint64 ms = 50; ms <= 2000; ms += 50)
        tickAt(ms);
    QApplication::processEvents();
    EXPECT_TRUE(sent.empty()) << sent.size();
}

// A request for the passage's text attributes costs the same however long the passage: the
// run of alike characters around the offset is looked for nearby only, and the stretches meet.
class PassageAttributes : public WindowRig {};

TEST_F(PassageAttributes, ALongRunIsReportedInANearbyStretch)
{
    ASSERT_NO_FATAL_FAILURE(open(QByteArray(5000, 'a')));
    click("cmdStart");
    QAccessibleTextInterface *text =
        QAccessible::queryAccessibleInterface(find("rtfToType"))->textInterface();
    ASSERT_NE(text, nullptr);
    int start = -1;
    int end = -1;
    const QString plain = text->attributes(2500, &start, &end);
    EXPECT_LE(start, 2500);
    EXPECT_GT(end, 2500);
    EXPECT_LE(end - start, 128);
    int start2 = -1;
    int end2 = -1;
    EXPECT_EQ(text->attributes(end, &start2, &end2), plain) << "the next stretch looks the same";
    EXPECT_EQ(start2, end);
}

} // namespace
} // namespace quorvel
