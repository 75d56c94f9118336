// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "color.h"

#include <optional>

class QWidget;

namespace quorvel {

// A modal colour picker. Nothing comes back when the user cancels or the picker fails; callers
// then keep the colour they had, without a message.
class ColorPicker {
public:
    virtual ~ColorPicker() = default;
    virtual std::optional<Color> pick(QWidget *parent) = 0;
};

} // namespace quorvel
