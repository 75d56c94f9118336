// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textaccessible.h"

namespace quorvel {

TextAccessible::TextAccessible(QWidget *widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{}

void *TextAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void TextAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString TextAccessible::text(int startOffset, int endOffset) const
{
    const QString &all = allText();
    startOffset = qBound(0, startOffset, int(all.size()));
    endOffset = qBound(startOffset, endOffset, int(all.size()));
    return all.mid(startOffset, endOffset - startOffset);
}

int TextAccessible::characterCount() const
{
    return int(allText().size());
}

} // namespace quorvel
