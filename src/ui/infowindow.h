// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QFont;
class QLabel;
class QPushButton;

namespace quorvel {

// What frmInstructions and frmAbout have in common: a fixed-size window of fixed text with no
// icon of its own and one button, cmdOK, which Enter presses and which has the focus. Every way
// out counts as OK. A subclass only lays out its own controls; a fresh window is made for every
// opening.
class InfoWindow : public QDialog {
    Q_OBJECT

public:
    // Opens a new window of this kind modally over parent and returns once it is closed and
    // destroyed.
    template <typename Window> static void showModal(QWidget *parent)
    {
        openModal(new Window(parent));
    }

public slots:
    // Esc and the window's close box end up here; both count as OK.
    void reject() override;

protected:
    // okPlace is where cmdOK goes; it is made first, so it comes first in the tab order.
    InfoWindow(const QString &name, const QString &title, const QSize &size, const QRect &okPlace,
               QWidget *parent);

    // A line of fixed text in owner, wrapped at the width of its place.
    static QLabel *addText(QWidget *owner, const char *name, const QString &text,
                           const QRect &place, const QFont &font);

private slots:
    void cmdOK_Click();

private:
    static void openModal(InfoWindow *window);

    QPushButton *m_cmdOK = nullptr;
};

} // namespace quorvel
