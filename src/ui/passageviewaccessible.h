// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "textaccessible.h"

namespace quorvel {

class PassageModel;
class PassageView;

// rtfToType as a screen reader sees it: read-only text whose caret is the next character to
// type, with each character's colour (right or wrong) and marks as text attributes.
class PassageViewAccessible : public TextAccessible {
public:
    explicit PassageViewAccessible(PassageView *view);

    // Called by the view when its model reports a change; they send the matching accessibility
    // events, and cost nothing while no assistive technology listens. Changes to characters are
    // sent once the event that made them is handled, as one.
    static void notifyTextReplaced(PassageView *view);
    static void notifyCharsChanged(PassageView *view);

    QString text(QAccessible::Text t) const override;
    using TextAccessible::text;

    // The rest of QAccessibleTextInterface. The passage has no selection a user could see or
    // make.
    int cursorPosition() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

protected:
    const QString &allText() const override;

private:
    PassageView *view() const;
    const PassageModel &model() const;
    // The character (code point) that holds a UTF-16 offset.
    int charAt(int offset) const;
    int utf16(int index) const;
    static PassageViewAccessible *find(PassageView *view);
    static void sendChanges(PassageView *view);

    // What the assistive technology was last told, so events can describe the change.
    QString m_reportedText;
    int m_reportedCursor = 0;
    bool m_changePending = false;
};

} // namespace quorvel
