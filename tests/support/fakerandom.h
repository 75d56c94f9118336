// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "randomsource.h"

#include <cstdint>
#include <deque>
#include <random>

namespace quorvel {

// A deterministic random source for tests. reseed() is counted but never changes the sequence,
// so a fixed seed gives the same picks on every run. Values queued with push() come out first,
// exactly as given, which lets a test reach the ends of [0, 1).
class FakeRandom : public RandomSource {
public:
    explicit FakeRandom(std::uint32_t seed = 12345) : m_engine(seed) {}

    void reseed() override { ++m_reseedCount; }

    float next() override
    {
        ++m_nextCount;
        if (!m_queued.empty()) {
            const float value = m_queued.front();
            m_queued.pop_front();
            return value;
        }
        // 24 random bits give every float step of [0, 1) the same weight and never 1.0.
        return float(m_engine() >> 8) * 0x1.0p-24f;
    }

    void push(float value) { m_queued.push_back(value); }

    int reseedCount() const { return m_reseedCount; }
    int nextCount() const { return m_nextCount; }

private:
    std::mt19937 m_engine;
    std::deque<float> m_queued;
    int m_reseedCount = 0;
    int m_nextCount = 0;
};

} // namespace quorvel
