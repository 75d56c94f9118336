// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "passageviewaccessible.h"

#include "colorconvert.h"
#include "passagemodel.h"
#include "passageview.h"

#include <QColor>
#include <QTimer>
#include <algorithm>

namespace quorvel {

namespace {

QString rgb(const QColor &color)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

bool sameStyle(const PassageModel::CharStyle &a, const PassageModel::CharStyle &b)
{
    return a.color == b.color && a.current == b.current && a.spaceCue == b.spaceCue;
}

// attributes() looks for a run of alike characters only within the block of kRunBlock characters
// that holds the offset: a request then costs the same however long the passage, and requests
// for neighbouring offsets agree on where each run begins and ends.
constexpr int kRunBlock = 128;

} // namespace

PassageViewAccessible::PassageViewAccessible(PassageView *view)
    : TextAccessible(view, QAccessible::StaticText)
{
    m_reportedText = model().text();
    m_reportedCursor = cursorPosition();
}

PassageView *PassageViewAccessible::view() const
{
    return static_cast<PassageView *>(widget());
}

const PassageModel &PassageViewAccessible::model() const
{
    return view()->model();
}

PassageViewAccessible *PassageViewAccessible::find(PassageView *view)
{
    if (!QAccessible::isActive())
        return nullptr;
    return dynamic_cast<PassageViewAccessible *>(QAccessible::queryAccessibleInterface(view));
}

void PassageViewAccessible::notifyTextReplaced(PassageView *view)
{
    PassageViewAccessible *self = find(view);
    if (!self)
        return;
    QAccessibleTextUpdateEvent update(view, 0, self->m_reportedText, self->model().text());
    self->m_reportedText = self->model().text();
    QAccessible::updateAccessibility(&update);
    notifyCharsChanged(view);
}

// A key changes the passage in steps: the mark leaves one character, which takes its colour,
// and goes to the next. The reader is told once, when the key is done, so it never sees the
// caret jump to the end of the passage and back.
void PassageViewAccessible::notifyCharsChanged(PassageView *view)
{
    PassageViewAccessible *self = find(view);
    if (!self || self->m_changePending)
        return;
    self->m_changePending = true;
    QTimer::singleShot(0, view, [view] { sendChanges(view); });
}

void PassageViewAccessible::sendChanges(PassageView *view)
{
    auto *self = dynamic_cast<PassageViewAccessible *>(QAccessible::queryAccessibleInterface(view));
    if (!self)
        return;
    self->m_changePending = false;
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent colours(view, QAccessible::TextAttributeChanged);
    QAccessible::updateAccessibility(&colours);
    const int cursor = self->cursorPosition();
    if (cursor != self->m_reportedCursor) {
        self->m_reportedCursor = cursor;
        QAccessibleTextCursorEvent moved(view, cursor);
        QAccessible::updateAccessibility(&moved);
    }
}

QString PassageViewAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return widget()->accessibleName().isEmpty() ? QStringLiteral("Passage to type")
                                                    : widget()->accessibleName();
    case QAccessible::Value:
        return model().text();
    default:
        return TextAccessible::text(t);
    }
}

int PassageViewAccessible::utf16(int index) const
{
    return model().length() == 0 ? 0 : model().utf16Index(index);
}

int PassageViewAccessible::charAt(int offset) const
{
    int low = 0;
    int high = model().length();
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (utf16(middle) <= offset)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

int PassageViewAccessible::cursorPosition() const
{
    // Once the last character is typed no character is marked, and the caret is at the end.
    const int next = model().currentChar();
    return utf16(next >= 0 ? next : model().length());
}

const QString &PassageViewAccessible::allText() const
{
    return model().text();
}

QRect PassageViewAccessible::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount())
        return QRect();
    // Only the line on show has a place on the screen.
    const QRect local = view()->charRect(charAt(offset));
    if (local.isEmpty())
        return QRect();
    return QRect(view()->mapToGlobal(local.topLeft()), local.size());
}

int PassageViewAccessible::offsetAtPoint(const QPoint &point) const
{
    const QPoint local = view()->mapFromGlobal(point);
    for (int i = 0; i < model().length(); ++i) {
        const QRect place = view()->charRect(i);
        if (place.contains(local))
            return utf16(i);
    }
    return -1;
}

QString PassageViewAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = -1;
    if (offset < 0 || offset >= characterCount())
        return QString();
    // The run of characters around offset that look alike, within its block.
    const int index = charAt(offset);
    const PassageModel::CharStyle &style = model().styleAt(index);
    const int low = index - index % kRunBlock;
    const int high = std::min(model().length(), low + kRunBlock);
    int first = index;
    while (first > low && sameStyle(model().styleAt(first - 1), style))
        --first;
    int end = index + 1;
    while (end < high && sameStyle(model().styleAt(end), style))
        ++end;
    *startOffset = utf16(first);
    *endOffset = utf16(end);

    QString result = QStringLiteral("color:%1;").arg(rgb(toQColor(style.color)));
    if (style.current)
        result += QStringLiteral("background-color:%1;").arg(rgb(PassageView::markColor()));
    if (style.spaceCue)
        result += QStringLiteral("text-underline-style:solid;text-underline-type:single;");
    return result;
}

} // namespace quorvel
