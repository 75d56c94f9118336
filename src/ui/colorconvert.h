// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "color.h"

#include <QColor>

namespace quorvel {

// The one place where the engine's 0x00BBGGRR colours meet QColor.
inline QColor toQColor(Color color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

inline Color fromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return Color(rgb.red()) | (Color(rgb.green()) << 8) | (Color(rgb.blue()) << 16);
}

} // namespace quorvel
