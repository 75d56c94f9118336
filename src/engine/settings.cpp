// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings.h"

namespace quorvel {

int testSecondsFor(const QString &testLength)
{
    struct Entry {
        QLatin1String label;
        int seconds;
    };
    static constexpr Entry kTable[] = {
        {QLatin1String("1 Minute"), 60},
        {QLatin1String("2 Minutes"), 120},
        {QLatin1String("3 Minutes"), 180},
        {QLatin1String("5 Minutes"), 300},
        {QLatin1String("Unlimited"), kUnlimitedSeconds},
    };
    for (const Entry &entry : kTable) {
        if (testLength == entry.label) {
            return entry.seconds;
        }
    }
    return 60;
}

const QStringList &testLengthLabels()
{
    static const QStringList labels = {
        QStringLiteral("1 Minute"),  QStringLiteral("2 Minutes"), QStringLiteral("3 Minutes"),
        QStringLiteral("5 Minutes"), QStringLiteral("Unlimited"),
    };
    return labels;
}

} // namespace quorvel
