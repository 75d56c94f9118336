// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// For the window's tests only: the picker's port belongs to the windows, not to the engine.
#include "colorpicker.h"

#include <optional>

namespace quorvel {

// Answers every pick with the colour set in answer, or as a cancelled picker when it holds
// none, and counts the picks.
class FakeColorPicker : public ColorPicker {
public:
    std::optional<Color> pick(QWidget *) override
    {
        ++calls;
        return answer;
    }

    std::optional<Color> answer;
    int calls = 0;
};

} // namespace quorvel
