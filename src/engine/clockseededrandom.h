// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "randomsource.h"

#include <random>

namespace quorvel {

// The program's random source: a Mersenne twister reseeded from the system clock on request.
class ClockSeededRandom : public RandomSource {
public:
    void reseed() override;
    float next() override;

private:
    std::mt19937 m_engine;
};

} // namespace quorvel
