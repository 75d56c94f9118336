// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colorpicker.h"

namespace quorvel {

// The platform's colour dialog. It opens on its own initial colour, never on the current one.
class QtColorPicker : public ColorPicker {
public:
    std::optional<Color> pick(QWidget *parent) override;
};

} // namespace quorvel
