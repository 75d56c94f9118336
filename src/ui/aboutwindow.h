// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "infowindow.h"

namespace quorvel {

// frmAbout: the program's name, version and release date beside the car, and the credits.
class AboutWindow : public InfoWindow {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

private:
    void addSeparator();
};

} // namespace quorvel
