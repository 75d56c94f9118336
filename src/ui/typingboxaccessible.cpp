// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "typingboxaccessible.h"

#include "typingbox.h"

namespace quorvel {

TypingBoxAccessible::TypingBoxAccessible(TypingBox *box)
    : TextAccessible(box, QAccessible::EditableText)
{}

TypingBox *TypingBoxAccessible::box() const
{
    return static_cast<TypingBox *>(widget());
}

void TypingBoxAccessible::notifyInserted(TypingBox *box, int position, const QString &text)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTextInsertEvent event(box, position, text);
    QAccessible::updateAccessibility(&event);
}

void TypingBoxAccessible::notifyCleared(TypingBox *box, const QString &removed)
{
    if (removed.isEmpty() || !QAccessible::isActive())
        return;
    QAccessibleTextRemoveEvent event(box, 0, removed);
    QAccessible::updateAccessibility(&event);
}

// Once something is typed, the name carries what is left of the sentence. Orca puts the name on
// the braille display before the line being typed and reads it afresh at every key, so the rest
// of the sentence stays beside what was typed; it speaks a name only when told of a change, and
// none is sent. An empty box is only "Type here": the focus comes to it at Start while the
// sentence is announced, which Orca would otherwise say twice.
QString TypingBoxAccessible::text(QAccessible::Text t) const
{
    const QString name = TextAccessible::text(t);
    if (t != QAccessible::Name || box()->text().isEmpty())
        return name;
    const QString left = box()->prompt().trimmed();
    return left.isEmpty() ? name : name + QStringLiteral(": ") + left;
}

int TypingBoxAccessible::cursorPosition() const
{
    return characterCount();
}

const QString &TypingBoxAccessible::allText() const
{
    return box()->text();
}

QRect TypingBoxAccessible::characterRect(int offset) const
{
    const QRect local = box()->charRect(offset);
    if (local.isEmpty())
        return QRect();
    return QRect(box()->mapToGlobal(local.topLeft()), local.size());
}

int TypingBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    return box()->offsetAt(box()->mapFromGlobal(point));
}

} // namespace quorvel
