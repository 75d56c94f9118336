// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Key storms on the real window: thousands of key events queued at once, then a steady stream
// with auto-repeat bursts on a fake clock. Every key must be judged once, in the order sent:
// the count, the typing box and the colour of every passage character must say so.

#include "windowrig.h"

#include <QApplication>
#include <QKeyEvent>

#include <algorithm>
#include <vector>

namespace quorvel {
namespace {

// A key as the platform delivers it: pressed, with its text, maybe auto-repeated.
struct SentKey {
    qint64 atMs;
    QChar character;
    bool autoRepeat;
};

class KeyStorm : public WindowRig {
protected:
    // Longer than all the keys of a storm, so no passage change falls inside one.
    static constexpr int kPassageLength = 10000;

    void SetUp() override
    {
        const QString sentence = QStringLiteral("Sphinx of black quartz, judge my vow. ");
        passage = sentence.repeated(kPassageLength / sentence.size() + 1).left(kPassageLength);
        ASSERT_NO_FATAL_FAILURE(open(passage.toUtf8()));
    }

    // Queues one key for the typing box and remembers it; nothing is delivered yet.
    void post(QChar character, bool autoRepeat = false)
    {
        const int key = character.toUpper().unicode();
        QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier,
                                                       QString(character), autoRepeat));
        QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier,
                                                       QString(character), autoRepeat));
        sent += character;
    }

    // The right key for the next passage character, or a wrong one every seventh key.
    QChar nextKey() const
    {
        return sent.size() % 7 == 6 ? QLatin1Char('#') : passage.at(sent.size());
    }

    // The pattern the judged keys must leave: a colour per key sent, then the current mark.
    void expectEveryKeyJudgedInOrder()
    {
        const TestState &state = this->state();
        ASSERT_EQ(state.TotalChars, sent.size());
        EXPECT_EQ(state.CharPos, sent.size());
        EXPECT_EQ(box->text(), sent) << "dropped, doubled or reordered in the typing box";
        int wrong = 0;
        for (int i = 0; i < sent.size(); ++i) {
            const bool right = sent.at(i) == passage.at(i);
            wrong += right ? 0 : 1;
            ASSERT_EQ(window->passage().styleAt(i).color, right ? kBlue : kRed) << "key " << i;
        }
        EXPECT_EQ(state.ErrorCount, wrong);
        EXPECT_EQ(window->passage().styleAt(sent.size()).color, kBlack);
        // Stop takes the mark away.
        if (running()) {
            EXPECT_EQ(window->passage().currentChar(), sent.size());
        }
    }

    QString passage;
    QString sent;
};

TEST_F(KeyStorm, FiveThousandQueuedKeysInOneTurnOfTheEventLoop)
{
    click("cmdStart");
    for (int i = 0; i < 5000; ++i)
        post(nextKey());
    EXPECT_EQ(state().TotalChars, 0) << "nothing is delivered before the loop runs";
    QCoreApplication::processEvents();
    expectEveryKeyJudgedInOrder();
}

TEST_F(KeyStorm, QueuedKeysThenAMinuteOfSteadyTypingWithAutoRepeatBursts)
{
    click("cmdStart");
    for (int i = 0; i < 5000; ++i)
        post(nextKey());
    QCoreApplication::processEvents();

    // 50 keys a second for a minute; in the first second of every ten, a held 'u' repeats at
    // 30 Hz between them.
    std::vector<SentKey> stream;
    for (qint64 ms = 0; ms < 60000; ms += 20)
        stream.push_back({ms, QChar(), false});
    for (qint64 burst = 0; burst < 60000; burst += 10000)
        for (int k = 0; k < 30; ++k)
            stream.push_back({burst + k * 1000 / 30 + 5, QLatin1Char('u'), k > 0});
    std::stable_sort(stream.begin(), stream.end(),
                     [](const SentKey &a, const SentKey &b) { return a.atMs < b.atMs; });

    // Each 50 ms the keys of that span are queued and the tick behind them, as the timer's
    // event would queue; the tick at the minute ends the test after the last key.
    auto next = stream.begin();
    for (qint64 tick = 50; tick <= 60000; tick += 50) {
        for (; next != stream.end() && next->atMs < tick; ++next)
            post(next->character.isNull() ? nextKey() : next->character, next->autoRepeat);
        QMetaObject::invokeMethod(
            window, [this, tick] { tickAt(tick); }, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        ASSERT_EQ(running(), tick < 60000) << tick;
    }
    EXPECT_EQ(sent.size(), 5000 + 3000 + 6 * 30);
    expectEveryKeyJudgedInOrder();
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(text("lblTime"), "1:00.0");
}

} // namespace
} // namespace quorvel
