// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results.h"

#include <QStringList>

namespace quorvel {

Results::Results(const QString &speed, const QString &accuracy, const QString &netSpeed,
                 const QString &time)
    : m_lines{{
          {QStringLiteral("Speed:"), 2, speed + QStringLiteral(" wpm")},
          {QStringLiteral("Accuracy:"), 1, accuracy + QLatin1Char('%')},
          {QStringLiteral("Net Speed:"), 1, netSpeed + QStringLiteral(" wpm")},
          {QStringLiteral("Time:"), 2, time},
      }}
{}

QString Results::title()
{
    return QStringLiteral("Typing Speed Results");
}

QString Results::text() const
{
    QStringList lines;
    for (const Line &line : m_lines)
        lines << line.caption + QString(line.tabs, QLatin1Char('\t')) + line.figure;
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace quorvel
