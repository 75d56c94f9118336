// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace quorvel {

// A figure such as lblSpeed shows only a number; its meaning is in the caption label beside it.
// A screen reader should hear both, "Speed (wpm) 42", and hear it again when the number changes,
// so the name is built from the caption and the figure each time it is asked for rather than
// fixed with setAccessibleName (which would also hide the number and silence the label's
// change notices).
class FigureLabelAccessible : public QAccessibleWidget {
public:
    explicit FigureLabelAccessible(QLabel *figure);

    // The caption that names this label: a sibling label whose buddy it is, or nullptr.
    static QLabel *captionOf(const QLabel *figure);

    QString text(QAccessible::Text t) const override;

private:
    QLabel *figure() const;
};

} // namespace quorvel
