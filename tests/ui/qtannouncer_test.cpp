// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told through the real window: each announcement is a notification
// shown with its text, nothing on screen changes, and nothing happens while no reader listens.
#include "notice.h"
#include "qtannouncer.h"
#include "typingtest.h"
#include "windowrig.h"

#include <QApplication>

namespace quorvel {
namespace {

// What a reader would be sent about notices: the text of each one shown, read as it is shown
// from the label inside it, and how many times a notice's name or description was said to
// change.
QStringList shown;
int renamed = 0;

void listen(QAccessibleEvent *event)
{
    if (!qobject_cast<Notice *>(event->object()))
        return;
    QAccessibleInterface *iface = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow) {
        EXPECT_EQ(iface->role(), QAccessible::Notification);
        // Orca passes over a label that repeats the notification's name.
        EXPECT_TRUE(iface->text(QAccessible::Name).isEmpty());
        ASSERT_EQ(iface->childCount(), 1);
        EXPECT_EQ(iface->child(0)->role(), QAccessible::StaticText);
        shown.append(iface->child(0)->text(QAccessible::Name));
    } else if (event->type() == QAccessible::NameChanged ||
               event->type() == QAccessible::DescriptionChanged) {
        ++renamed;
    }
}

class AnnouncementTest : public WindowRig {
protected:
    void SetUp() override
    {
        shown.clear();
        renamed = 0;
        ASSERT_NO_FATAL_FAILURE(open("Go on. Then stop!"));
        listenWith(&listen);
    }

    void start() { click("cmdStart"); }
    QList<Notice *> notices() const { return window->findChildren<Notice *>(); }
};

TEST_F(AnnouncementTest, WithoutAReaderNothingIsMadeOrSent)
{
    start();
    QTest::keyClicks(box, QStringLiteral("xx"));
    QTest::keyClick(box, Qt::Key_F2);
    EXPECT_TRUE(notices().isEmpty());
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(AnnouncementTest, StartIsHeardAsANotificationOfTheFirstSentence)
{
    readerOn();
    start();
    EXPECT_EQ(shown, QStringList{QStringLiteral("Go on. ")});
    ASSERT_EQ(notices().size(), 1);
    Notice *notice = notices().front();
    EXPECT_TRUE(notice->isVisible());
    EXPECT_FALSE(notice->geometry().intersects(window->rect())) << "outside the window";
    EXPECT_EQ(notice->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(QApplication::focusWidget(), box) << "the focus stays in the typing box";
}

TEST_F(AnnouncementTest, EachAnnouncementIsShownWithItsOwnTextWhichItKeeps)
{
    readerOn();
    start();
    QTest::keyClicks(box, QStringLiteral("xx"));
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Go on. "), QStringLiteral("Wrong, capital G"),
                                  QStringLiteral("Wrong, o")}));
    EXPECT_EQ(renamed, 0) << "Orca 43 cannot speak a name change";
    // A reader reads a notice's text a moment after the showing: by then the next one may have
    // come, and each must still give its own.
    const QList<Notice *> all = notices();
    ASSERT_EQ(all.size(), 3);
    QStringList names;
    int visible = 0;
    for (Notice *notice : all) {
        names.append(
            QAccessible::queryAccessibleInterface(notice)->child(0)->text(QAccessible::Name));
        visible += notice->isVisible() ? 1 : 0;
    }
    names.sort();
    QStringList expected = shown;
    expected.sort();
    EXPECT_EQ(names, expected);
    EXPECT_EQ(visible, 3) << "each stays shown, and its label readable, until its next turn";
}

TEST_F(AnnouncementTest, F2SaysTheRestOfTheSentenceAndTypesNothing)
{
    readerOn();
    start();
    QTest::keyClicks(box, QStringLiteral("Go"));
    const TestState before = state();
    shown.clear();

    QTest::keyClick(box, Qt::Key_F2);

    EXPECT_EQ(shown, QStringList{QStringLiteral(" on. ")});
    EXPECT_EQ(state().CharPos, before.CharPos);
    EXPECT_EQ(state().TotalChars, before.TotalChars);
    QTest::keyClick(box, Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(shown.size(), 1) << "Shift+F2 is not F2";
}

TEST_F(AnnouncementTest, NoticesAreUsedInTurnAndThenAgain)
{
    readerOn();
    QtAnnouncer announcer(window);
    for (int i = 0; i <= QtAnnouncer::kNotices; ++i)
        announcer.announce(QString::number(i));
    EXPECT_EQ(notices().size(), QtAnnouncer::kNotices);
    EXPECT_EQ(shown.size(), QtAnnouncer::kNotices + 1);
    EXPECT_EQ(shown.back(), QString::number(QtAnnouncer::kNotices));
    // The first notice took the last text; the others keep theirs.
    QStringList texts;
    for (const Notice *notice : notices())
        texts.append(notice->text());
    EXPECT_FALSE(texts.contains(QStringLiteral("0")));
    EXPECT_TRUE(texts.contains(QString::number(QtAnnouncer::kNotices)));
    EXPECT_TRUE(texts.contains(QStringLiteral("1")));
}

TEST_F(AnnouncementTest, SameTextTwiceIsShownTwice)
{
    readerOn();
    QtAnnouncer announcer(window);
    announcer.announce(QStringLiteral("Wrong, e"));
    announcer.announce(QStringLiteral("Wrong, e"));
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Wrong, e"), QStringLiteral("Wrong, e")}));
}

TEST_F(AnnouncementTest, NothingOnScreenChanges)
{
    readerOn();
    QtAnnouncer announcer(window);
    const QImage before = window->grab().toImage();
    announcer.announce(QStringLiteral("Wrong, e"));
    announcer.announce(QStringLiteral("Then stop!"));
    QApplication::processEvents();
    EXPECT_EQ(window->grab().toImage(), before);
}

} // namespace
} // namespace quorvel
