// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "infowindow.h"

class QFont;

namespace quorvel {

// frmAbout: the program's name, version and release date beside the car, and the credits.
class AboutWindow : public InfoWindow {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

    // Opens a new window modally over parent and returns once it is closed and destroyed.
    static void showModal(QWidget *parent);

private:
    void addLabel(const char *name, const QString &text, const QRect &place, const QFont &font);
    void addSeparator();
};

} // namespace quorvel
