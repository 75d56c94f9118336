// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QLabel;

namespace quorvel {

// The option summary's two colour lines are drawn in the typist's colours, which are chosen to
// read on the passage's white base. On a dark window they would not (blue on dark grey is all
// but invisible), so under a dark palette the line gets a white backdrop of its own. On a light
// palette it keeps the window's colour.
class LightBackdrop : public QObject {
    Q_OBJECT

public:
    // Follows the palettes of the label and its parent for as long as the label lives.
    static void keep(QLabel *label);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit LightBackdrop(QLabel *label);
    void apply();

    QLabel *m_label;
};

} // namespace quorvel
