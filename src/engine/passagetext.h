// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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

} // namespace quorvel
