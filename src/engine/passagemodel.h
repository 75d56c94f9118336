// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "passagedocument.h"

#include <QString>
#include <string>
#include <vector>

namespace quorvel {

class PassageListener;

// The in-memory passage behind the view: text, per-character colour and marks, and the
// selection. Every per-character change is O(1) in the passage length: the text is only
// converted and indexed once, in setText, and a change reports just the characters it touched.
class PassageModel : public PassageDocument {
public:
    struct CharStyle {
        // color means something only once the character is judged; until then it is black.
        Color color = kBlack;
        bool judged = false;
        bool current = false;
        bool spaceCue = false;
    };

    void setText(const QString &text) override;
    // Also collapses the selection to length 0.
    void setSelStart(int start) override;
    void setSelLength(int length) override;
    QString selectedText() const override;
    void setSelColor(Color color) override;
    void resetSelColor() override;
    void setCurrentMark(bool on) override;
    void setSpaceCue(bool on) override;

    // Not owned; nullptr for none.
    void setListener(PassageListener *listener) { m_listener = listener; }

    const QString &text() const { return m_text; }
    int length() const { return int(m_chars.size()); }
    char32_t charAt(int index) const { return m_chars[size_t(index)]; }
    // Where character index (0..length()) starts in text(), in UTF-16 code units.
    int utf16Index(int index) const { return m_utf16Index[size_t(index)]; }
    const CharStyle &styleAt(int index) const { return m_styles[size_t(index)]; }
    int selStart() const { return m_selStart; }
    int selLength() const { return m_selLength; }
    // The lowest index carrying the current-character mark, or -1.
    int currentChar() const;

private:
    template <typename Change> void changeSelection(Change change);
    // Sets one field of every selected character's style.
    template <typename Value> void setSelStyle(Value CharStyle::*field, Value value);
    void setSelVerdict(bool judged, Color color);
    void noteMark(int index, bool on);

    QString m_text;
    std::u32string m_chars;
    // Holds the end position too, so an empty model still answers utf16Index(0).
    std::vector<int> m_utf16Index{0};
    std::vector<CharStyle> m_styles;
    int m_selStart = 0;
    int m_selLength = 0;
    // The logic marks one character at a time; the count lets currentChar() stay O(1) then and
    // only rescan when several marks were set and the lowest one was cleared.
    int m_markCount = 0;
    mutable int m_current = -1;
    mutable bool m_currentStale = false;
    PassageListener *m_listener = nullptr;
};

} // namespace quorvel
