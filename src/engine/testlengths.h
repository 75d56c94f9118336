// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>
#include <cstddef>

namespace quorvel {

// The five option buttons of the Options dialog, in the order the exchange tests them.
enum class TimeOption { OneMinute, TwoMinutes, ThreeMinutes, FiveMinutes, Unlimited };

// Marks an unlimited test: time left then stays far below the warning and stop windows.
inline constexpr int kUnlimitedSeconds = -999;

// One test length: the option button that chooses it, the TestLength label it is kept and shown
// as, the seconds a test of that length lasts, and the option button's caption.
struct TestLengthEntry {
    TimeOption option;
    QLatin1String label;
    int seconds;
    QLatin1String caption;
};

// Every test length, in TimeOption order. The first is the start-up length and stands in for
// any label that matches none.
inline constexpr std::array<TestLengthEntry, 5> kTestLengths = {{
    {TimeOption::OneMinute, QLatin1String("1 Minute"), 60, QLatin1String("1 Minute")},
    {TimeOption::TwoMinutes, QLatin1String("2 Minutes"), 120, QLatin1String("2 Minutes")},
    {TimeOption::ThreeMinutes, QLatin1String("3 Minutes"), 180, QLatin1String("3 Minutes")},
    {TimeOption::FiveMinutes, QLatin1String("5 Minutes"), 300,
     QLatin1String("5 Minutes (standard test)")},
    {TimeOption::Unlimited, QLatin1String("Unlimited"), kUnlimitedSeconds,
     QLatin1String("Unlimited (stop when you choose)")},
}};

constexpr bool inTimeOptionOrder()
{
    for (std::size_t i = 0; i < kTestLengths.size(); ++i) {
        if (kTestLengths[i].option != TimeOption(i))
            return false;
    }
    return true;
}
static_assert(inTimeOptionOrder(), "kTestLengths is indexed by TimeOption");

constexpr const TestLengthEntry &testLengthFor(TimeOption option)
{
    return kTestLengths[std::size_t(option)];
}

// The entry whose label is exactly this text, case included; the first entry when none is.
inline const TestLengthEntry &testLengthForLabel(const QString &label)
{
    for (const TestLengthEntry &entry : kTestLengths) {
        if (label == entry.label)
            return entry;
    }
    return kTestLengths.front();
}

} // namespace quorvel
