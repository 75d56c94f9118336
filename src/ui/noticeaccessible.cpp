// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "noticeaccessible.h"

#include "notice.h"

namespace quorvel {

NoticeAccessible::NoticeAccessible(Notice *notice)
    : QAccessibleWidget(notice, QAccessible::Notification)
{}

QString NoticeAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return static_cast<const Notice *>(widget())->text();
    return QAccessibleWidget::text(t);
}

} // namespace quorvel
