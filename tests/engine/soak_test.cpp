// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Long runs on the fake clock: ten hours of an unlimited test with a million keys, and ten
// thousand Start/Stop cycles. Counters and figures must come out exact and the heap must not
// grow. Under AddressSanitizer the heap figures mean nothing: the heap check then skips, which
// the report shows, and the leak check takes its place.

#include "formatting.h"
#include "typingtestrig.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <string>

namespace quorvel {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kHeapIsMeasurable = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kHeapIsMeasurable = false;
#else
constexpr bool kHeapIsMeasurable = true;
#endif
#else
constexpr bool kHeapIsMeasurable = true;
#endif

// Bytes the allocator has handed out and not taken back, small blocks and mapped ones alike.
qint64 heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

// A leak of even one byte a key or a tick over half the run would pass this many times over.
constexpr qint64 kHeapSlack = 64 * 1024;

// Call last: under the sanitizer it marks the test skipped.
void expectHeapFlat(qint64 heapAtHalf)
{
    if (!kHeapIsMeasurable)
        GTEST_SKIP() << "the sanitizer's allocator hides the heap; its leak check stands in";
    const qint64 growth = heapInUse() - heapAtHalf;
    testing::Test::RecordProperty("heap_growth_second_half_bytes", std::to_string(growth));
    EXPECT_LT(growth, kHeapSlack);
}

QString clockText(qint64 ms)
{
    return QStringLiteral("%1:%2.%3")
        .arg(ms / 60000)
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 100 % 10);
}

// Sends the next passage character, or a wrong key every eighth key. A finished passage holds
// the keys back until the tick that replaces it.
struct KeyFeeder {
    void sendUpTo(qint64 target)
    {
        const TestState &state = rig.test.state();
        while (sent < target && state.CharPos < state.PassageLen) {
            const bool isWrong = sent % 8 == 7;
            rig.press(isWrong ? U'#' : rig.passage.charAt(state.CharPos));
            wrong += isWrong ? 1 : 0;
            ++sent;
        }
    }

    TypingTestRig &rig;
    qint64 sent = 0;
    qint64 wrong = 0;
};

TEST(Soak, TenHoursAMillionKeys)
{
    constexpr qint64 kTicks = 10LL * 3600 * 20;
    constexpr qint64 kKeys = 1000000;
    TypingTestRig rig({QStringLiteral("The quick brown fox jumps over the lazy dog."),
                       QStringLiteral("Pack my box with five dozen liquor jugs."),
                       QStringLiteral("How vexingly quick daft zebras jump!")},
                      QStringLiteral("Unlimited"));
    rig.controls.recordLog = false;
    rig.announcer.record = false;
    rig.start();
    KeyFeeder keys{rig};
    qint64 heapAtHalf = 0;
    // Keys go out evenly, 25 for every 18 ticks.
    for (qint64 n = 1; n <= kTicks; ++n) {
        keys.sendUpTo(n * kKeys / kTicks);
        const qint64 ms = n * 50;
        rig.tickAt(ms);
        if (ms >= 9 * 3600 * 1000 && ms % 100 == 0) {
            ASSERT_EQ(rig.caption(Label::Time), clockText(ms)) << ms;
        }
        if (n == kTicks / 2)
            heapAtHalf = heapInUse();
    }

    const TestState &state = rig.test.state();
    ASSERT_EQ(keys.sent, kKeys);
    EXPECT_EQ(state.TotalChars, kKeys);
    EXPECT_EQ(state.ErrorCount, keys.wrong);
    EXPECT_EQ(keys.wrong, kKeys / 8);
    // Every wrong key had its cue, and the sentences and passages theirs on top.
    EXPECT_GT(rig.announcer.count, keys.wrong);
    // 200,000 words in 600 minutes at 87.5 % accuracy.
    EXPECT_EQ(rig.caption(Label::Time), "600:00.0");
    EXPECT_EQ(rig.caption(Label::Speed), "333");
    EXPECT_EQ(rig.caption(Label::Accuracy), "87.5");
    EXPECT_EQ(rig.caption(Label::NetSpeed), "292");
    // An unlimited test neither ends by itself nor warns.
    EXPECT_TRUE(rig.test.isRunning());
    EXPECT_TRUE(rig.timer.active);
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_EQ(rig.controls[Label::TimeLeft].colorWrites, 0);
    EXPECT_EQ(rig.controls[Label::TimeLeft].boldWrites, 0);
    EXPECT_FALSE(rig.controls[Label::TimeLeft].visible);
    expectHeapFlat(heapAtHalf);
}

TEST(Soak, TenThousandStartStopCycles)
{
    constexpr int kCycles = 10000;
    TypingTestRig rig({QStringLiteral("abc"), QStringLiteral("defgh")});
    rig.controls.recordLog = false;
    rig.announcer.record = false;
    qint64 heapAtHalf = 0;
    for (int cycle = 1; cycle <= kCycles; ++cycle) {
        rig.start();
        rig.press(rig.passage.charAt(0));
        rig.press(U'#');
        rig.tickAt(1000);
        rig.test.cmdStop_Click();
        ASSERT_FALSE(rig.timer.active);
        ASSERT_EQ(rig.test.state().TotalChars, 2);
        ASSERT_EQ(rig.test.state().ErrorCount, 1);
        ASSERT_EQ(rig.messages.shown.size(), 1u);
        ASSERT_EQ(rig.messages.shown.front().text(),
                  "Speed:\t\t24 wpm\r\nAccuracy:\t50.0%\r\nNet Speed:\t12 wpm\r\nTime:\t\t1.0");
        rig.messages.shown.clear();
        if (cycle == kCycles / 2)
            heapAtHalf = heapInUse();
    }
    EXPECT_EQ(rig.timer.starts, kCycles);
    EXPECT_EQ(rig.timer.stops, kCycles);
    expectHeapFlat(heapAtHalf);
}

} // namespace
} // namespace quorvel
