// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "color.h"
#include "testlengths.h"

#include <QString>

namespace quorvel {

// The three user settings. They start at these values every run and change only through Options.
struct Settings {
    QString TestLength = QString(kTestLengths.front().label);
    Color CorrectColor = kBlue;
    Color IncorrectColor = kRed;
};

// Seconds of a test of that length; an unknown label falls back to a minute.
inline int testSecondsFor(const QString &testLength)
{
    return testLengthForLabel(testLength).seconds;
}

} // namespace quorvel
