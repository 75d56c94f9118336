// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "infowindow.h"

#include <initializer_list>

namespace quorvel {

// frmInstructions: how to take a test and how the figures are worked out.
class InstructionsWindow : public InfoWindow {
    Q_OBJECT

public:
    explicit InstructionsWindow(QWidget *parent = nullptr);

private:
    // A label of the frame: its name, its text and its place inside the frame.
    struct Line {
        const char *name;
        QString text;
        QRect place;
    };

    void addFrame(const char *name, const QString &caption, const QRect &place,
                  std::initializer_list<Line> lines);
};

} // namespace quorvel
