// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "passagedocument.h"

namespace quorvel {

// Start before length: setting the start collapses the selection, as the text controls of old
// did, so the order matters.
void PassageDocument::SelectChars(int start, int length)
{
    setSelStart(start);
    setSelLength(length);
}

void PassageDocument::MarkCurrentChar(int start, int length)
{
    SelectChars(start, length);
    setCurrentMark(true);
}

void PassageDocument::UnmarkChar(int start, int length)
{
    SelectChars(start, length);
    setCurrentMark(false);
}

void PassageDocument::ResetPassageColor(int start, int length)
{
    SelectChars(start, length);
    resetSelColor();
}

} // namespace quorvel
