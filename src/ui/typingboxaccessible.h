// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace quorvel {

class TypingBox;

// txtTyping as a screen reader sees it: an editable text whose text is what has been typed, with
// the caret always at its end, and which tells of every character that goes in so the reader can
// echo it. It offers no way to edit: text gets in only by typing, where each key is judged, so
// nothing can be pasted, deleted or replaced through it. Offsets are UTF-16 positions in the
// text, as in the rest of Qt's accessibility.
class TypingBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TypingBoxAccessible(TypingBox *box);

    // Called by the box; they send the matching accessibility events, and cost nothing while no
    // assistive technology listens.
    static void notifyInserted(TypingBox *box, int position, const QString &text);
    static void notifyCleared(TypingBox *box, const QString &removed);

    void *interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    // QAccessibleTextInterface. There is no selection, and the caret cannot be moved.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override;
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    TypingBox *box() const;
};

} // namespace quorvel
