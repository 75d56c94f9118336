// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The test-length table that the settings, the Options exchange and the dialog all read: its rows
// must agree with one another and with what the windows promise.
#include "settings.h"
#include "testlengths.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

QString label(const TestLengthEntry &entry)
{
    return QString(entry.label);
}

TEST(TestLengths, EachLabelFindsItsOwnRow)
{
    for (const TestLengthEntry &entry : kTestLengths) {
        const TestLengthEntry &found = testLengthForLabel(label(entry));
        EXPECT_EQ(found.option, entry.option) << label(entry).toStdString();
        EXPECT_EQ(&testLengthFor(entry.option), &entry) << label(entry).toStdString();
        EXPECT_EQ(testSecondsFor(label(entry)), entry.seconds) << label(entry).toStdString();
    }
}

// "2 Minutes" lasts two minutes; only the unlimited row has no number, and its marker keeps
// time left below both the stop window (above -1) and the warning window (9 to 10 s).
TEST(TestLengths, TimedLabelsSayHowLongTheyLast)
{
    for (const TestLengthEntry &entry : kTestLengths) {
        const QStringList words = label(entry).split(QLatin1Char(' '));
        bool timed = false;
        const int minutes = words.first().toInt(&timed);
        if (timed) {
            EXPECT_EQ(entry.seconds, minutes * 60) << label(entry).toStdString();
            EXPECT_EQ(words.value(1), minutes == 1 ? "Minute" : "Minutes");
        } else {
            EXPECT_EQ(entry.option, TimeOption::Unlimited);
            EXPECT_LE(entry.seconds, -1);
        }
    }
}

// The dialog's captions may explain more, but each begins with the label it stands for.
TEST(TestLengths, EachCaptionBeginsWithItsLabel)
{
    for (const TestLengthEntry &entry : kTestLengths) {
        const QString caption(entry.caption);
        EXPECT_TRUE(caption == label(entry) || caption.startsWith(label(entry) + " ("))
            << caption.toStdString();
    }
}

TEST(TestLengths, TheStartUpLengthIsAMinuteAndStandsInForUnknownText)
{
    EXPECT_EQ(Settings().TestLength, "1 Minute");
    EXPECT_EQ(testLengthForLabel(Settings().TestLength).seconds, 60);
    for (const char *unknown : {"", "1 minute", "Unlimited ", "5 Minutes (standard test)"})
        EXPECT_EQ(testLengthForLabel(QString::fromUtf8(unknown)).option, TimeOption::OneMinute)
            << unknown;
}

} // namespace
} // namespace quorvel
