// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optionsexchange.h"

#include "maincontrols.h"
#include "settings.h"
#include "typingtest.h"

#include <array>

namespace quorvel {

namespace {

constexpr std::array<TimeOption, 5> kTestOrder = {
    TimeOption::OneMinute,   TimeOption::TwoMinutes, TimeOption::ThreeMinutes,
    TimeOption::FiveMinutes, TimeOption::Unlimited,
};

} // namespace

OptionsExchange::OptionsExchange(OptionsForm &form, TypingTest &test, MainControls &controls)
    : m_form(form), m_test(test), m_controls(controls)
{}

QString OptionsExchange::labelFor(TimeOption option)
{
    // testLengthLabels() lists the labels in the same order as kTestOrder.
    return testLengthLabels().at(int(option));
}

void OptionsExchange::prepareForm()
{
    m_form.select(TimeOption::OneMinute);
    m_form.setCorrectSwatch(kBlue);
    m_form.setIncorrectSwatch(kRed);
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
    settings.TestLength = labelFor(TimeOption::OneMinute);
    for (TimeOption option : kTestOrder) {
        if (m_form.isSelected(option)) {
            settings.TestLength = labelFor(option);
            break;
        }
    }
    settings.CorrectColor = m_form.correctSwatch();
    settings.IncorrectColor = m_form.incorrectSwatch();
    m_test.setSettings(settings);

    m_controls.setCaption(Label::OptionsTime,
                          QStringLiteral("Test length: ") + settings.TestLength);
    m_controls.setTextColor(Label::OptionsCorrect, settings.CorrectColor);
    m_controls.setTextColor(Label::OptionsIncorrect, settings.IncorrectColor);
}

void OptionsExchange::restoreForm()
{
    const Settings &settings = m_test.settings();
    TimeOption chosen = TimeOption::OneMinute;
    for (TimeOption option : kTestOrder) {
        if (settings.TestLength == labelFor(option)) {
            chosen = option;
            break;
        }
    }
    m_form.select(chosen);
    m_form.setCorrectSwatch(settings.CorrectColor);
    m_form.setIncorrectSwatch(settings.IncorrectColor);
}

} // namespace quorvel
