// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace quorvel {

// The windows' fonts. The layouts were drawn for a small sans face; Liberation Sans (installed
// with the program) stands in for it, one size down for the small print so captions fit their
// fixed boxes.
class UiFonts {
public:
    static QFont standard(); // 7.5 pt, the default of every window
    static QFont bold();     // captions of figures and frames
    static QFont passage();  // 12 pt, the passage view and the typing box
    static QFont title();    // 13.5 pt, the About window's title
};

} // namespace quorvel
