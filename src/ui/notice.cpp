// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "notice.h"

#include <QLabel>

namespace quorvel {

Notice::Notice(QWidget *parent) : QWidget(parent), m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("notice"));
    setFocusPolicy(Qt::NoFocus);
    // Far above and to the left of the window, where text meant only for screen readers is put:
    // nothing on screen shows it, and Orca's review of the screen passes over what lies at
    // negative coordinates, but Orca still reads the notification when it is shown.
    setGeometry(-100000, -100000, 1, 1);
    m_label->setGeometry(rect());
    hide();
}

QString Notice::text() const
{
    return m_label->accessibleName();
}

void Notice::say(const QString &text)
{
    // The text is set while the notice is hidden, and read when the reader handles the showing.
    // Orca passes over the name change of a label that does not have the focus.
    hide();
    m_label->setAccessibleName(text);
    show();
}

} // namespace quorvel
