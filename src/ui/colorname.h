// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "color.h"

#include <QString>

namespace quorvel {

// A colour as words a screen reader can say, such as "blue", "dark green" or "light grey": its
// hue and how light it is, which is what tells two text colours apart. Exact values would mean
// little when heard.
QString colorName(Color color);

} // namespace quorvel
