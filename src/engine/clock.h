// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

namespace quorvel {

// A monotonic millisecond count. Only differences of two readings matter.
class Clock {
public:
    virtual ~Clock() = default;
    virtual qint64 nowMs() const = 0;
};

} // namespace quorvel
