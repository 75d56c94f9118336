// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings.h"

#include <QtGlobal>

namespace quorvel {

// Everything a test needs between events. Counters are 32-bit so that a long unlimited test can
// never wrap them.
struct TestState {
    qint32 CharPos = 0;
    qint32 TotalChars = 0;
    qint32 PassageLen = 0;
    qint32 ErrorCount = 0;
    qint32 TestSeconds = 60;
    qint64 StartTick = 0;
    qint64 ElapsedMs = 0;
    Settings settings;
};

} // namespace quorvel
