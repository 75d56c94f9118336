// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optionsform.h"

namespace quorvel {

class TypingTest;

// The Options exchange of the main window. The dialog never touches the settings itself: after
// OK they are copied from its controls, after Cancel its controls are put back to them, so that
// between showings the two always agree.
class OptionsExchange {
public:
    OptionsExchange(OptionsForm &form, TypingTest &test);

    // The dialog's start-up state: one minute, blue for correct and red for incorrect.
    void prepareForm();

    // Shows the dialog and takes its answer. A new test length reaches the figures only at the
    // next Start; the colours reach the summary labels at once.
    void cmdOptions_Click();

private:
    void acceptChoices();
    void restoreForm();

    OptionsForm &m_form;
    TypingTest &m_test;
};

} // namespace quorvel
