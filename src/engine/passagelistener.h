// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quorvel {

// Told by PassageModel what changed, so that a view can lay out once per passage and repaint
// only the characters a key touched.
class PassageListener {
public:
    virtual ~PassageListener() = default;
    virtual void textReplaced() = 0;
    virtual void charsChanged(int first, int count) = 0;
};

} // namespace quorvel
