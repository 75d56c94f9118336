// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "color.h"

namespace quorvel {

enum class TimeOption;

// The Options dialog as the main window's exchange sees it. Its controls hold the pending
// choices; the real dialog implements this, tests use a fake.
class OptionsForm {
public:
    virtual ~OptionsForm() = default;

    // Shows the dialog modally and returns once it has been hidden or closed.
    virtual void showModal() = 0;
    // The answer left in chkOKCancel: checked is OK, unchecked is Cancel.
    virtual bool okChecked() const = 0;

    virtual bool isSelected(TimeOption option) const = 0;
    // Selecting one option button clears the others.
    virtual void select(TimeOption option) = 0;

    // The pending colours shown by the swatches txtCorrect and txtIncorrect.
    virtual Color correctSwatch() const = 0;
    virtual void setCorrectSwatch(Color color) = 0;
    virtual Color incorrectSwatch() const = 0;
    virtual void setIncorrectSwatch(Color color) = 0;
};

} // namespace quorvel
