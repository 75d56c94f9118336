// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "textaccessible.h"

namespace quorvel {

class TypingBox;

// txtTyping as a screen reader sees it: an editable text whose text is what has been typed, with
// the caret always at its end, and which tells of every character that goes in so the reader can
// echo it. Its name gives what is left of the sentence to type. It offers no way to edit: text gets
// in only by typing, where each key is judged, so nothing can be pasted, deleted or replaced
// through it.
class TypingBoxAccessible : public TextAccessible {
public:
    explicit TypingBoxAccessible(TypingBox *box);

    // Called by the box; they send the matching accessibility events, and cost nothing while no
    // assistive technology listens.
    static void notifyInserted(TypingBox *box, int position, const QString &text);
    static void notifyCleared(TypingBox *box, const QString &removed);

    QString text(QAccessible::Text t) const override;
    using TextAccessible::text;

    // The caret stays at the end.
    int cursorPosition() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;

protected:
    const QString &allText() const override;

private:
    TypingBox *box() const;
};

} // namespace quorvel
