// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtannouncer.h"

#include "notice.h"

#include <QAccessible>

namespace quorvel {

QtAnnouncer::QtAnnouncer(QWidget *window) : m_window(window) {}

// Every announcement passes here. Once Qt sends QAccessibleAnnouncementEvent (6.8) and Orca
// speaks it (45), this becomes that one event.
void QtAnnouncer::announce(const QString &text)
{
    if (!QAccessible::isActive())
        return;
    QPointer<Notice> &notice = m_notices[std::size_t(m_next)];
    m_next = (m_next + 1) % kNotices;
    if (!notice)
        notice = new Notice(m_window);
    notice->say(text);
}

} // namespace quorvel
