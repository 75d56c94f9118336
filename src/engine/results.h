// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>

namespace quorvel {

// What a finished test reports: the speed, accuracy, net speed and time exactly as the window
// showed them when the test stopped. Built once at Stop and never changed afterwards.
class Results {
public:
    // One line of the message: its caption, the tabs that align it, the figure with its unit.
    struct Line {
        QString caption;
        int tabs;
        QString figure;
    };

    Results(const QString &speed, const QString &accuracy, const QString &netSpeed,
            const QString &time);

    // "Typing Speed Results".
    static QString title();

    const std::array<Line, 4> &lines() const { return m_lines; }

    // The message as one text: each line's caption, tabs and figure, the lines joined by CR LF
    // with none after the last. This is the text the results box reads out.
    QString text() const;

private:
    std::array<Line, 4> m_lines;
};

} // namespace quorvel
