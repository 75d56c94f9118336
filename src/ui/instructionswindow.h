// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "infowindow.h"

class QGroupBox;
class QLabel;

namespace quorvel {

// frmInstructions: how to take a test and how the figures are worked out.
class InstructionsWindow : public InfoWindow {
    Q_OBJECT

public:
    explicit InstructionsWindow(QWidget *parent = nullptr);

    // Opens a new window modally over parent and returns once it is closed and destroyed.
    static void showModal(QWidget *parent);

private:
    QGroupBox *addFrame(const char *name, const QString &caption, const QRect &place);
    QLabel *addLabel(QWidget *owner, const char *name, const QString &text, const QRect &place);
};

} // namespace quorvel
