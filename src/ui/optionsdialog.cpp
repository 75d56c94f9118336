// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optionsdialog.h"

#include "captionframe.h"
#include "colorconvert.h"
#include "colorname.h"
#include "colorpicker.h"
#include "twips.h"
#include "uifonts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace quorvel {

namespace {

template <typename Widget>
Widget *place(QWidget *parent, const char *name, const QString &caption, QRect rect)
{
    auto *widget = new Widget(caption, parent);
    widget->setObjectName(QLatin1String(name));
    widget->setFont(UiFonts::standard());
    widget->setGeometry(rect);
    return widget;
}

QLineEdit *placeSwatch(QWidget *parent, const char *name, QRect rect)
{
    auto *swatch = new QLineEdit(parent);
    swatch->setObjectName(QLatin1String(name));
    swatch->setFont(UiFonts::standard());
    swatch->setGeometry(rect);
    swatch->setReadOnly(true);
    swatch->setEnabled(false);
    swatch->setAutoFillBackground(true);
    return swatch;
}

// The swatch shows its colour while disabled too: styles draw a disabled box from the Disabled
// group, which would otherwise grey the colour out.
void paintSwatch(QLineEdit *swatch, Color color)
{
    QPalette palette = swatch->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, toQColor(color));
        palette.setColor(group, QPalette::Window, toQColor(color));
    }
    swatch->setPalette(palette);
}

} // namespace

OptionsDialog::OptionsDialog(ColorPicker &picker, QWidget *parent)
    : QDialog(parent), m_picker(&picker)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    // An empty icon of its own; otherwise it would borrow the main window's car.
    setWindowIcon(QIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(UiFonts::standard());
    setFixedSize(twips(3615), twips(4635));

    m_cmdOK =
        place<QPushButton>(this, "cmdOK", QStringLiteral("OK"), twipsRect(360, 4020, 1335, 495));
    m_cmdOK->setDefault(true);
    m_cmdCancel = place<QPushButton>(this, "cmdCancel", QStringLiteral("Cancel"),
                                     twipsRect(1920, 4020, 1335, 495));
    createTimeFrame();
    createColorFrame();
    m_chkOKCancel = place<QCheckBox>(this, "chkOKCancel", QStringLiteral("OK or Cancel"),
                                     twipsRect(1200, 3840, 1335, 255));
    m_chkOKCancel->setChecked(false);
    m_chkOKCancel->hide();
    orderTabs();

    connect(m_cmdOK, &QPushButton::clicked, this, &OptionsDialog::cmdOK_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &OptionsDialog::cmdCancel_Click);
    connect(m_cmdCorrect, &QPushButton::clicked, this, &OptionsDialog::cmdCorrect_Click);
    connect(m_cmdIncorrect, &QPushButton::clicked, this, &OptionsDialog::cmdIncorrect_Click);
    connect(m_cmdResetColors, &QPushButton::clicked, this, &OptionsDialog::cmdResetColors_Click);
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::createTimeFrame()
{
    m_fraTime = new CaptionFrame(QStringLiteral("How Much Time?"), this);
    m_fraTime->setObjectName(QStringLiteral("fraTime"));
    m_fraTime->setGeometry(twipsRect(240, 120, 3135, 1815));

    auto option = [this](TimeOption which, const char *name, QRect rect) {
        m_options[size_t(which)] =
            place<QRadioButton>(m_fraTime, name, QString(testLengthFor(which).caption), rect);
    };
    option(TimeOption::Unlimited, "optUnlimited", twipsRect(240, 240, 2775, 255));
    option(TimeOption::OneMinute, "opt1Min", twipsRect(240, 480, 1575, 375));
    option(TimeOption::TwoMinutes, "opt2Min", twipsRect(240, 840, 1575, 255));
    option(TimeOption::ThreeMinutes, "opt3Min", twipsRect(240, 1080, 1695, 375));
    option(TimeOption::FiveMinutes, "opt5Min", twipsRect(240, 1440, 2175, 255));

    m_timeGroup = new QButtonGroup(this);
    m_timeGroup->setExclusive(true);
    for (QRadioButton *button : m_options) {
        m_timeGroup->addButton(button);
    }
    connect(m_timeGroup, &QButtonGroup::buttonToggled, this, &OptionsDialog::tabToSelectedOption);
}

// Desktop convention, which screen readers rely on: Tab enters the group at the selected option
// and the arrow keys move the selection within it. Qt only moves the tab stop once an option
// has had the focus, so a dialog opening on a later option would be entered at the first.
void OptionsDialog::tabToSelectedOption()
{
    const QAbstractButton *selected = m_timeGroup->checkedButton();
    for (QRadioButton *button : m_options) {
        const bool tabStop = selected ? button == selected : button == m_options.front();
        button->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void OptionsDialog::createColorFrame()
{
    m_fraColor = new CaptionFrame(QStringLiteral("Text Color"), this);
    m_fraColor->setObjectName(QStringLiteral("fraColor"));
    m_fraColor->setGeometry(twipsRect(240, 2040, 3135, 1815));

    m_cmdCorrect =
        place<QPushButton>(m_fraColor, "cmdCorrect", QStringLiteral("Correct Characters:"),
                           twipsRect(240, 300, 1695, 375));
    m_cmdIncorrect =
        place<QPushButton>(m_fraColor, "cmdIncorrect", QStringLiteral("Incorrect Characters:"),
                           twipsRect(240, 780, 1695, 375));
    m_cmdResetColors =
        place<QPushButton>(m_fraColor, "cmdResetColors", QStringLiteral("Reset Colors"),
                           twipsRect(240, 1260, 1695, 375));
    m_txtCorrect = placeSwatch(m_fraColor, "txtCorrect", twipsRect(2160, 300, 735, 375));
    m_txtIncorrect = placeSwatch(m_fraColor, "txtIncorrect", twipsRect(2160, 780, 735, 375));
}

void OptionsDialog::orderTabs()
{
    QWidget *const order[] = {
        m_cmdOK,
        m_cmdCancel,
        m_fraTime,
        m_options[size_t(TimeOption::Unlimited)],
        m_options[size_t(TimeOption::OneMinute)],
        m_options[size_t(TimeOption::TwoMinutes)],
        m_options[size_t(TimeOption::ThreeMinutes)],
        m_options[size_t(TimeOption::FiveMinutes)],
        m_fraColor,
        m_cmdCorrect,
        m_cmdIncorrect,
        m_cmdResetColors,
        m_txtCorrect,
        m_txtIncorrect,
        m_chkOKCancel,
    };
    for (size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void OptionsDialog::showModal()
{
    exec();
}

bool OptionsDialog::okChecked() const
{
    return m_chkOKCancel->isChecked();
}

bool OptionsDialog::isSelected(TimeOption option) const
{
    return m_options[size_t(option)]->isChecked();
}

void OptionsDialog::select(TimeOption option)
{
    m_options[size_t(option)]->setChecked(true);
}

void OptionsDialog::setCorrectSwatch(Color color)
{
    m_correctColor = color;
    paintSwatch(m_txtCorrect, color);
    // Heard after the button's name: "Correct Characters: push button, blue".
    m_cmdCorrect->setAccessibleDescription(colorName(color));
}

void OptionsDialog::setIncorrectSwatch(Color color)
{
    m_incorrectColor = color;
    paintSwatch(m_txtIncorrect, color);
    m_cmdIncorrect->setAccessibleDescription(colorName(color));
}

void OptionsDialog::reject()
{
    cmdCancel_Click();
}

void OptionsDialog::cmdOK_Click()
{
    hide();
    m_chkOKCancel->setChecked(true);
}

void OptionsDialog::cmdCancel_Click()
{
    hide();
    m_chkOKCancel->setChecked(false);
}

void OptionsDialog::cmdCorrect_Click()
{
    if (const std::optional<Color> chosen = m_picker->pick(this)) {
        setCorrectSwatch(*chosen);
    }
}

void OptionsDialog::cmdIncorrect_Click()
{
    if (const std::optional<Color> chosen = m_picker->pick(this)) {
        setIncorrectSwatch(*chosen);
    }
}

void OptionsDialog::cmdResetColors_Click()
{
    setCorrectSwatch(kBlue);
    setIncorrectSwatch(kRed);
}

} // namespace quorvel
