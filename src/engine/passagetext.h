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
// Typed keys are judged in NFC too, one code point at a time. A key below U+0300 is NFC on its
// own and composes with nothing typed before it, so only the rest need the two steps below.
inline constexpr char32_t kFirstComposingKey = 0x300;
// The characters a key stands for in NFC: mostly the key itself, but a compatibility singleton
// becomes its canonical character and a few marks split in two.
QList<uint> typedKeys(char32_t key);
// The one character that typed followed by key compose into (e and U+0301 make U+00E9, a Hangul
// syllable and a final consonant a longer syllable), or 0 when the two stay two characters.
char32_t composedKey(char32_t typed, char32_t key);

} // namespace quorvel
