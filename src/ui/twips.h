// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>

namespace quorvel {

// The window layouts are given in twips, 15 to a logical pixel at 96 dpi. Qt scales logical
// pixels for HiDPI screens itself.
constexpr int twips(int value)
{
    return (value + 7) / 15;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace quorvel
