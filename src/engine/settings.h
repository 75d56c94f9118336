// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "color.h"

#include <QString>
#include <QStringList>

namespace quorvel {

// The three user settings. They start at these values every run and change only through Options.
struct Settings {
    QString TestLength = QStringLiteral("1 Minute");
    Color CorrectColor = kBlue;
    Color IncorrectColor = kRed;
};

// Seconds of a test of that length; an unknown label falls back to a minute.
int testSecondsFor(const QString &testLength);

// The five labels in the order the Options dialog tests its option buttons.
const QStringList &testLengthLabels();

// Marks an unlimited test: time left then stays far below the warning and stop windows.
inline constexpr int kUnlimitedSeconds = -999;

} // namespace quorvel
