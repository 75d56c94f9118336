// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace quorvel {

class PassageModel;
class PassageView;

// rtfToType as a screen reader sees it: read-only text whose caret is the next character to
// type, with each character's colour (right or wrong) and marks as text attributes. Offsets are
// UTF-16 positions in the passage, as in the rest of Qt's accessibility.
class PassageViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PassageViewAccessible(PassageView *view);

    // Called by the view when its model reports a change; they send the matching accessibility
    // events, and cost nothing while no assistive technology listens.
    static void notifyTextReplaced(PassageView *view);
    static void notifyCharsChanged(PassageView *view);

    void *interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    // QAccessibleTextInterface. The passage has no selection a user could see or make.
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
    PassageView *view() const;
    const PassageModel &model() const;
    // The character (code point) that holds a UTF-16 offset.
    int charAt(int offset) const;
    int utf16(int index) const;
    static PassageViewAccessible *find(PassageView *view);

    // What the assistive technology was last told, so events can describe the change.
    QString m_reportedText;
    int m_reportedCursor = 0;
};

} // namespace quorvel
