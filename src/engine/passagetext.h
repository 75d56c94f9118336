// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

namespace quorvel {

// Passage text is UTF-8 when the file decodes as such, else Windows-1252, the code page older
// passage files were written in.
QString decodeWindows1252(const char *data, qsizetype size);
// Each line is decoded on its own; a U+FEFF at the start of a passage is text, not a mark.
// valid, when given, tells whether the bytes were well-formed UTF-8.
QString decodeUtf8(const char *data, qsizetype size, bool *valid = nullptr);
// Characters as the typist sees them: a surrogate pair is one.
qint32 codePointCount(const QString &text);

// Passages are kept and judged in Unicode NFC. A keyboard sends the one character U+00E9, so a
// passage saved decomposed (e followed by U+0301, as some editors write it) must hold it too, or
// every key after it would be judged one place off.
QString toNfc(const QString &text);
// The keys a piece of typed text stands for, as an input method may commit several characters
// at once, perhaps decomposed: its code points in NFC, one key each.
QList<uint> typedKeys(const QString &text);

} // namespace quorvel
