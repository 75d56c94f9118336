// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

namespace quorvel {

// Colours travel through the engine as 0x00BBGGRR values (red in the low byte), the form the
// passage file era used. Only the Qt boundary converts them to QColor.
using Color = quint32;

inline constexpr Color kBlack = 0;
inline constexpr Color kRed = 0x0000FF;
inline constexpr Color kBlue = 0xFF0000;

} // namespace quorvel
