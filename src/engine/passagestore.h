// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace quorvel {

class RandomSource;

// The passages read once at start-up from the passage file.
//
// Line 1 holds the count as a numeric prefix; each of the next count lines is one passage, and
// whatever follows them is ignored. Lines end at CR LF, CR or LF. The lines read, the count line
// among them, are UTF-8 when they all decode as such (a leading BOM is skipped), otherwise
// Windows-1252. Passages come out in Unicode NFC, however the file composed them, and lengths
// count the characters (code points) of that form, not UTF-16 units.
//
// The passages are kept as the bytes they were read from and decoded and normalised one at a
// time when asked for: a file of 32 MiB then costs 32 MiB, where decoded text would take twice
// that.
class PassageStore {
public:
    // Returns "" on success, or a message naming the file, the problem and the line. On failure
    // the store is left empty.
    QString load(const QString &path);
    // The same from bytes already read; fileName only goes into messages.
    QString loadFromBytes(const QByteArray &bytes, const QString &fileName);

    int PassageCount() const { return int(m_lines.size()); }
    // index runs from 1 to PassageCount().
    QString passage(int index) const;
    // The length in characters of passage(index), counted when asked for.
    qint32 passageLength(int index) const;

    // Reseeds random, picks a passage uniformly and sets passageLen to its length in characters.
    QString PickPassage(RandomSource &random, qint32 &passageLen) const;

private:
    // A passage line of m_bytes, [begin, end) without its terminator.
    struct Line {
        qsizetype begin = 0;
        qsizetype end = 0;
    };

    void clear();

    QByteArray m_bytes;
    std::vector<Line> m_lines;
    bool m_utf8 = true;
};

} // namespace quorvel
