// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorvel {

// Random numbers for picking passages. reseed() takes a fresh seed from a clock.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Returns 0 <= r < 1.
    [[nodiscard]] virtual float next() = 0;
    virtual void reseed() = 0;
};

} // namespace quorvel
