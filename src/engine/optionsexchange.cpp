// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optionsexchange.h"

#include "settings.h"
#include "typingtest.h"

namespace quorvel {

OptionsExchange::OptionsExchange(OptionsForm &form, TypingTest &test) : m_form(form), m_test(test)
{}

void OptionsExchange::prepareForm()
{
    const Settings startUp;
    m_form.select(testLengthForLabel(startUp.TestLength).option);
    m_form.setCorrectSwatch(startUp.CorrectColor);
    m_form.setIncorrectSwatch(startUp.IncorrectColor);
}

void OptionsExchange::cmdOptions_Click()
{
    m_form.showModal();
    if (m_form.okChecked()) {
        acceptChoices();
    } else {
        restoreForm();
    }
}

void OptionsExchange::acceptChoices()
{
    Settings settings = m_test.settings();
    settings.TestLength = kTestLengths.front().label;
    for (const TestLengthEntry &entry : kTestLengths) {
        if (m_form.isSelected(entry.option)) {
            settings.TestLength = entry.label;
            break;
        }
    }
    settings.CorrectColor = m_form.correctSwatch();
    settings.IncorrectColor = m_form.incorrectSwatch();
    m_test.setSettings(settings);
}

void OptionsExchange::restoreForm()
{
    const Settings &settings = m_test.settings();
    m_form.select(testLengthForLabel(settings.TestLength).option);
    m_form.setCorrectSwatch(settings.CorrectColor);
    m_form.setIncorrectSwatch(settings.IncorrectColor);
}

} // namespace quorvel
