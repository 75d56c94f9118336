// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "announcer.h"

#include <QPointer>
#include <array>

class QWidget;

namespace quorvel {

class Notice;

// The engine's announcements, spoken by the screen reader through the platform's accessibility:
// each one shows a Notice in the window, which nothing on screen shows. While no assistive
// technology listens it does nothing at all, and creates no widget.
//
// The notices take turns. A screen reader reads a notice's text some time after it is shown,
// and Orca drops a showing of a notice when a later one of the same notice is waiting; with a
// turn each, two announcements close together (two wrong keys, or a wrong key that ends a
// sentence) are both heard, each with its own text. A notice stays shown until its next turn:
// Orca reads the text of a notification's labels only while they are shown.
class QtAnnouncer : public Announcer {
public:
    static constexpr int kNotices = 16;

    // The notices become children of window.
    explicit QtAnnouncer(QWidget *window);

    void announce(const QString &text) override;

private:
    QWidget *m_window;
    std::array<QPointer<Notice>, kNotices> m_notices;
    int m_next = 0;
};

} // namespace quorvel
