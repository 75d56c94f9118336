// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "passagemodel.h"

#include "passagelistener.h"

#include <algorithm>

namespace quorvel {

void PassageModel::setText(const QString &text)
{
    m_text = text;
    m_chars.clear();
    m_utf16Index.clear();
    m_chars.reserve(size_t(text.size()));
    m_utf16Index.reserve(size_t(text.size()) + 1);
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        m_utf16Index.push_back(int(i));
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            m_chars.push_back(QChar::surrogateToUcs4(unit, text.at(i + 1)));
            ++i;
        } else {
            // A lone surrogate stays one character of its own.
            m_chars.push_back(unit.unicode());
        }
    }
    m_utf16Index.push_back(int(size));
    m_styles.assign(m_chars.size(), CharStyle{});
    m_selStart = 0;
    m_selLength = 0;
    m_markCount = 0;
    m_current = -1;
    m_currentStale = false;
    if (m_listener)
        m_listener->textReplaced();
}

void PassageModel::setSelStart(int start)
{
    m_selStart = std::clamp(start, 0, length());
    m_selLength = 0;
}

void PassageModel::setSelLength(int length)
{
    m_selLength = std::clamp(length, 0, this->length() - m_selStart);
}

QString PassageModel::selectedText() const
{
    if (m_selLength == 0)
        return QString();
    const int first = utf16Index(m_selStart);
    return m_text.mid(first, utf16Index(m_selStart + m_selLength) - first);
}

// Applies change to every selected character's style; change returns whether it altered it.
// The listener hears of the smallest range holding every altered character, if any.
template <typename Change> void PassageModel::changeSelection(Change change)
{
    int first = -1;
    int last = -1;
    const int end = m_selStart + m_selLength;
    for (int i = m_selStart; i < end; ++i) {
        if (change(i, m_styles[size_t(i)])) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first >= 0 && m_listener)
        m_listener->charsChanged(first, last - first + 1);
}

template <typename Value> void PassageModel::setSelStyle(Value CharStyle::*field, Value value)
{
    changeSelection([field, value](int, CharStyle &style) {
        if (style.*field == value)
            return false;
        style.*field = value;
        return true;
    });
}

void PassageModel::setSelColor(Color color)
{
    setSelVerdict(true, color);
}

void PassageModel::resetSelColor()
{
    setSelVerdict(false, kBlack);
}

void PassageModel::setSelVerdict(bool judged, Color color)
{
    changeSelection([judged, color](int, CharStyle &style) {
        if (style.judged == judged && style.color == color)
            return false;
        style.judged = judged;
        style.color = color;
        return true;
    });
}

void PassageModel::setCurrentMark(bool on)
{
    changeSelection([this, on](int index, CharStyle &style) {
        if (style.current == on)
            return false;
        style.current = on;
        noteMark(index, on);
        return true;
    });
}

void PassageModel::setSpaceCue(bool on)
{
    setSelStyle(&CharStyle::spaceCue, on);
}

void PassageModel::noteMark(int index, bool on)
{
    if (on) {
        ++m_markCount;
        if (m_markCount == 1) {
            m_current = index;
            m_currentStale = false;
        } else if (!m_currentStale) {
            m_current = std::min(m_current, index);
        }
        return;
    }
    --m_markCount;
    if (m_markCount == 0) {
        m_current = -1;
        m_currentStale = false;
    } else if (index == m_current) {
        m_currentStale = true;
    }
}

int PassageModel::currentChar() const
{
    if (m_currentStale) {
        const auto found = std::find_if(m_styles.begin(), m_styles.end(),
                                        [](const CharStyle &style) { return style.current; });
        m_current = found == m_styles.end() ? -1 : int(found - m_styles.begin());
        m_currentStale = false;
    }
    return m_current;
}

} // namespace quorvel
