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

QAccessible::State TextAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    const bool editable = role() == QAccessible::EditableText;
    s.editable = editable;
    s.readOnly = !editable;
    s.multiLine = editable;
    return s;
}

QString TextAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return allText();
    return QAccessibleWidget::text(t);
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

QString TextAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    const bool inside = offset >= 0 && offset < characterCount();
    *startOffset = inside ? 0 : -1;
    *endOffset = inside ? characterCount() : -1;
    return QString();
}

} // namespace quorvel
