// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clockseededrandom.h"

#include <chrono>
#include <cstdint>

namespace quorvel {

void ClockSeededRandom::reseed()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    // Both halves of the count go into the seed, so two picks within the same second differ.
    const auto bits = static_cast<unsigned long long>(nanoseconds);
    std::seed_seq seed{std::uint32_t(bits), std::uint32_t(bits >> 32)};
    m_engine.seed(seed);
}

float ClockSeededRandom::next()
{
    // The top 24 bits of one draw fill a float's mantissa exactly, so the result is a multiple
    // of 2^-24 below 1. generate_canonical<float> can round up to 1.0, which would index past
    // the last passage.
    return float(m_engine() >> 8) * 0x1.0p-24f;
}

} // namespace quorvel
