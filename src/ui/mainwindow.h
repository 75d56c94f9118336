// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "maincontrols.h"

#include <QWidget>
#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;
class QShortcut;

namespace quorvel {

class PassageModel;
class PassageView;
class TypingBox;

// frmSpeed: the figures, the options summary, the car, the passage, the typing box and the
// buttons, at the fixed places of the layout. It holds no test logic and knows nothing of the
// test: it carries out what the test asks through MainControls, opens Instructions and About
// itself, and reports whatever else the user does through its signals, which the program
// connects.
class MainWindow : public QWidget, public MainControls {
    Q_OBJECT

public:
    // Shows the passage from this model, which must outlive the window.
    explicit MainWindow(PassageModel &passage, QWidget *parent = nullptr);
    ~MainWindow() override;

    const PassageModel &passage() const { return m_passage; }

    void setCaption(Label label, const QString &text) override;
    void setTextColor(Label label, Color color) override;
    void setBold(Label label, bool bold) override;
    void setLabelVisible(Label label, bool visible) override;
    void setEnabled(Control control, bool enabled) override;
    void focusTyping() override;
    void clearTyping() override;
    int carLeft() const override { return m_carLeft; }
    void setCarLeft(int twips) override;

    // What is left to type of the sentence, which a screen reader shows beside what was typed in
    // txtTyping; asked for only when a reader reads the box.
    void setTypingPrompt(std::function<QString()> prompt);

signals:
    // Start, or Enter while no other button has the focus.
    void startClicked();
    // Stop, or Esc wherever the focus is.
    void stopClicked();
    // Options, or a double-click on the options summary while Options is enabled.
    void optionsClicked();
    // A character typed into txtTyping. The handler sets key to 0 to keep it out of the box, so
    // it must be connected directly.
    void keyTyped(char32_t &key);
    // F2 in txtTyping: the typist asks to hear the sentence again.
    void repeatRequested();
    // Exit or the window's close box: the program ends, also in the middle of a test.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void cmdInstructions_Click();
    void cmdAbout_Click();
    void cmdExit_Click();

private:
    void createFigures();
    void createOptionsFrame();
    void createPassageControls();
    void createButtons();
    void orderTabs();

    void fraOptions_DblClick();
    void lblOptionsTime_DblClick();
    void lblOptionsCorrect_DblClick();
    void lblOptionsIncorrect_DblClick();
    void lblAbout_DblClick();

    QLabel *addLabel(QWidget *owner, const char *name, const QString &text, const QRect &place,
                     bool caption = false);
    QPushButton *addButton(const char *name, const QString &text, const QRect &place);
    QLabel *label(Label which) const { return m_labels[std::size_t(which)]; }
    QWidget *control(Control which) const { return m_controls[std::size_t(which)]; }

    QLabel *lblSpeed = nullptr;
    QLabel *lblAccuracy = nullptr;
    QLabel *lblNetSpeed = nullptr;
    QLabel *lblTime = nullptr;
    QLabel *lblTimeLeft = nullptr;
    QGroupBox *fraOptions = nullptr;
    QLabel *lblOptionsTime = nullptr;
    QLabel *lblOptionsCorrect = nullptr;
    QLabel *lblOptionsIncorrect = nullptr;
    QWidget *imgCar = nullptr;
    PassageView *rtfToType = nullptr;
    TypingBox *txtTyping = nullptr;
    QPushButton *cmdStart = nullptr;
    QPushButton *cmdStop = nullptr;
    QPushButton *cmdOptions = nullptr;
    QPushButton *cmdInstructions = nullptr;
    QPushButton *cmdAbout = nullptr;
    QPushButton *cmdExit = nullptr;
    QLabel *lblAbout = nullptr;
    QShortcut *m_stopShortcut = nullptr;

    // The labels and controls that the engine names, in the order of Label and of Control.
    std::array<QLabel *, kLabelCount> m_labels{};
    std::array<QWidget *, kControlCount> m_controls{};

    PassageModel &m_passage;
    int m_carLeft = kCarStart;
};

} // namespace quorvel
