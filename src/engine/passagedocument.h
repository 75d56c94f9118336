// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "color.h"

#include <QString>

namespace quorvel {

// The passage as the test logic drives it: plain text, a selection used as a working cursor,
// and per-character colour plus two marks. Positions and lengths count characters (code points).
class PassageDocument {
public:
    virtual ~PassageDocument() = default;

    // Replaces everything: no marks, nothing judged, selection at 0 with length 0.
    virtual void setText(const QString &text) = 0;
    // A start at or past the end puts it at the end.
    virtual void setSelStart(int start) = 0;
    // A length running past the end is cut there.
    virtual void setSelLength(int length) = 0;
    // "" when nothing is selected.
    virtual QString selectedText() const = 0;
    // A verdict: the selected characters are judged and take this colour, black included.
    virtual void setSelColor(Color color) = 0;
    // The selected characters back to not judged, which shows as black. A typist may choose
    // black for right or wrong keys, so black alone cannot say that a character awaits its key.
    virtual void resetSelColor() = 0;
    virtual void setCurrentMark(bool on) = 0;
    virtual void setSpaceCue(bool on) = 0;

    void SelectChars(int start, int length);
    void MarkCurrentChar(int start, int length);
    void UnmarkChar(int start, int length);
    void ResetPassageColor(int start, int length);
};

} // namespace quorvel
