// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quorvel {

// Speaks a short text to a screen reader, without moving the focus or changing what is on
// screen. The engine decides what is said and when; the port only passes it on, and does
// nothing while no assistive technology listens. Each text is spoken once per call, so the same
// text twice is heard twice.
class Announcer {
public:
    virtual ~Announcer() = default;
    virtual void announce(const QString &text) = 0;
};

} // namespace quorvel
