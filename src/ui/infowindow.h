// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QPushButton;

namespace quorvel {

// What frmInstructions and frmAbout have in common: a fixed-size window of fixed text with no
// icon of its own and one button, cmdOK, which Enter presses and which has the focus. Every way
// out counts as OK. A subclass only lays out its own controls; a fresh window is made for every
// opening.
class InfoWindow : public QDialog {
    Q_OBJECT

public slots:
    // Esc and the window's close box end up here; both count as OK.
    void reject() override;

protected:
    // okPlace is where cmdOK goes; it is made first, so it comes first in the tab order.
    InfoWindow(const QString &name, const QString &title, const QSize &size, const QRect &okPlace,
               QWidget *parent);

    // Opens window modally and returns once it is closed and destroyed.
    static void openModal(InfoWindow *window);

private slots:
    void cmdOK_Click();

private:
    QPushButton *m_cmdOK = nullptr;
};

} // namespace quorvel
