// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "optionsform.h"
#include "testlengths.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorvel {

class ColorPicker;

// frmOptions: the test length and the two colours. Its controls only hold the pending choices;
// the main window's exchange reads them, or puts them back, after each showing. It is created
// once and afterwards only hidden, so it keeps its state between showings.
class OptionsDialog : public QDialog, public OptionsForm {
    Q_OBJECT

public:
    // The picker chooses the colours for cmdCorrect and cmdIncorrect; it must outlive the dialog.
    explicit OptionsDialog(ColorPicker &picker, QWidget *parent = nullptr);
    ~OptionsDialog() override;

    void showModal() override;
    bool okChecked() const override;
    bool isSelected(TimeOption option) const override;
    void select(TimeOption option) override;
    Color correctSwatch() const override { return m_correctColor; }
    void setCorrectSwatch(Color color) override;
    Color incorrectSwatch() const override { return m_incorrectColor; }
    void setIncorrectSwatch(Color color) override;

public slots:
    // Esc and the window's close box both land here, so both count as Cancel.
    void reject() override;

private slots:
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdCorrect_Click();
    void cmdIncorrect_Click();
    void cmdResetColors_Click();

private:
    void createTimeFrame();
    void createColorFrame();
    void orderTabs();
    void tabToSelectedOption();

    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdCancel = nullptr;
    QGroupBox *m_fraTime = nullptr;
    // Indexed by TimeOption.
    std::array<QRadioButton *, 5> m_options{};
    QButtonGroup *m_timeGroup = nullptr;
    QGroupBox *m_fraColor = nullptr;
    QPushButton *m_cmdCorrect = nullptr;
    QPushButton *m_cmdIncorrect = nullptr;
    QPushButton *m_cmdResetColors = nullptr;
    QLineEdit *m_txtCorrect = nullptr;
    QLineEdit *m_txtIncorrect = nullptr;
    QCheckBox *m_chkOKCancel = nullptr;

    Color m_correctColor = kBlack;
    Color m_incorrectColor = kBlack;

    ColorPicker *const m_picker;
};

} // namespace quorvel
