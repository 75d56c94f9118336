#pragma once

#include "passagedocument.h"

#include <QString>
#include <string>
#include <vector>

namespace quorvel {

class PassageListener;

// The in-memory passage behind the view: text, per-character colour and marks, and the
// selection. Every per-character change is O(1) in the passage length.
class PassageModel : public PassageDocument {
public:
    struct CharStyle {
        Color color = kBlack;
        bool current = false;
        bool spaceCue = false;
    };

    void setText(const QString &text) override;
    void setSelStart(int start) override;
    void setSelLength(int length) override;
    QString selectedText() const override;
    void setSelColor(Color color) override;
    void setCurrentMark(bool on) override;
    void setSpaceCue(bool on) override;

    void setListener(PassageListener *listener) { m_listener = listener; }

    const QString &text() const { return m_text; }
    int length() const { return int(m_chars.size()); }
    char32_t charAt(int index) const { return m_chars[size_t(index)]; }
    const CharStyle &styleAt(int index) const { return m_styles[size_t(index)]; }
    int selStart() const { return m_selStart; }
    int selLength() const { return m_selLength; }
    // Index of the character carrying the current-character mark, or -1.
    int currentChar() const;

private:
    QString m_text;
    std::u32string m_chars;
    std::vector<CharStyle> m_styles;
    int m_selStart = 0;
    int m_selLength = 0;
    PassageListener *m_listener = nullptr;
};

} // namespace quorvel
