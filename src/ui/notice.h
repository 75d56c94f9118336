// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;

namespace quorvel {

// One thing said to a screen reader: a widget far outside its window, which takes no focus and
// whose accessible role is a notification. Orca presents a notification when it is shown, so
// showing it again says it again.
//
// The text is the accessible name of a label inside the notice, and the notice itself has no
// name. Orca speaks a notification's name and its labels, but it puts on the braille display,
// and keeps in its list of notifications, only the text of the labels, and it drops a label that
// repeats the notification's name.
class Notice : public QWidget {
    Q_OBJECT

public:
    explicit Notice(QWidget *parent = nullptr);

    QString text() const;
    // Hides the notice if shown, takes the text and shows it.
    void say(const QString &text);

private:
    QLabel *m_label;
};

} // namespace quorvel
