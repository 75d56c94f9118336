// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace quorvel {

// One thing said to a screen reader: a 1x1 widget that draws nothing, takes no focus and lets
// the mouse through, whose accessible role is a notification and whose accessible name is its
// text. Orca speaks a notification when it is shown, so showing it again says it again.
class Notice : public QWidget {
    Q_OBJECT

public:
    explicit Notice(QWidget *parent = nullptr);

    const QString &text() const { return m_text; }
    // Hides the notice if shown, takes the text and shows it.
    void say(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};

} // namespace quorvel
