// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spokenpassage.h"

namespace quorvel {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool endsSentence(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?');
}

// The UTF-16 length of the character at i: a surrogate pair is one character, as in the
// passage model.
qsizetype unitsAt(QStringView text, qsizetype i)
{
    const bool pair =
        text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    return pair ? 2 : 1;
}

} // namespace

SpokenPassage::Piece SpokenPassage::pieceAt(QStringView text, qsizetype from)
{
    Piece piece{from, 0};
    Piece afterBlank;     // the longest piece so far that ends after a blank
    bool closing = false; // a sentence's closing mark came, and then blanks
    while (piece.end < text.size()) {
        const QChar c = text[piece.end];
        if (closing && !isBlank(c))
            return piece;
        if (piece.chars == kMaxPiece)
            return afterBlank.chars > 0 ? afterBlank : piece;
        const bool closes = piece.chars > 0 && endsSentence(text[piece.end - 1]);
        piece.end += unitsAt(text, piece.end);
        ++piece.chars;
        if (isBlank(c)) {
            afterBlank = piece;
            closing = closing || closes;
        }
    }
    return piece;
}

QString SpokenPassage::start(const QString &passage)
{
    m_text = passage;
    return enter(0, 0);
}

QString SpokenPassage::enter(qsizetype begin, int beginChar)
{
    m_begin = begin;
    m_beginChar = beginChar;
    const Piece piece = pieceAt(m_text, begin);
    m_end = piece.end;
    m_endChar = beginChar + piece.chars;
    return m_text.mid(m_begin, m_end - m_begin);
}

QString SpokenPassage::reached(int next)
{
    if (next != m_endChar || m_end == m_begin)
        return QString();
    return enter(m_end, m_endChar);
}

QString SpokenPassage::restFrom(int next) const
{
    if (next < m_beginChar || next >= m_endChar)
        return QString();
    qsizetype at = m_begin;
    for (int i = m_beginChar; i < next; ++i)
        at += unitsAt(m_text, at);
    return m_text.mid(at, m_end - at);
}

} // namespace quorvel
