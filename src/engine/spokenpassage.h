// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

namespace quorvel {

// The passage as a screen reader speaks it: a sentence at a time, the next one as soon as the
// last character of the one before is typed. A sentence ends after '.', '!' or '?' followed by
// blanks (which belong to it), or at the end of the passage. A longer sentence than kMaxPiece
// characters is spoken in pieces that end after a blank, so no single announcement runs on for
// minutes and a passage without a full stop is still spoken a bit at a time.
//
// Positions are characters (code points), as the engine counts them. Work is done only when a
// piece begins: a key costs one comparison.
class SpokenPassage {
public:
    static constexpr int kMaxPiece = 200;

    struct Piece {
        qsizetype end = 0; // UTF-16 offset just past the piece
        int chars = 0;     // its length in characters
    };
    // The piece of text that begins at the UTF-16 offset from.
    static Piece pieceAt(QStringView text, qsizetype from);

    // Starts over on a new passage and gives its first piece.
    QString start(const QString &passage);
    // Called once the next character to type is next: the following piece when next is where
    // the current one ends, otherwise "".
    QString reached(int next);
    // The rest of the current piece from character next on; "" once it is all typed.
    QString restFrom(int next) const;

private:
    QString enter(qsizetype begin, int beginChar);

    QString m_text;
    qsizetype m_begin = 0;
    qsizetype m_end = 0;
    int m_beginChar = 0;
    int m_endChar = 0;
};

} // namespace quorvel
