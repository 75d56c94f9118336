// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace quorvel {

class Notice;

// A Notice as a screen reader sees it: a notification whose name is the text it says. The name
// is read from the notice each time it is asked for, so no name-change event is ever sent.
class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(Notice *notice);

    QString text(QAccessible::Text t) const override;
};

} // namespace quorvel
