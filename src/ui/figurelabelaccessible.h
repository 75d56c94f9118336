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

    // While a test runs the figures change with every tick, twenty times a second; a reader told
    // of each change is kept busy for nothing. So a figure is quietened, which stops the label's
    // own notice at every new text (Qt sends none for a label with an accessible name), and its
    // window calls notifyChanged after each new text, which tells the reader only of a new whole
    // number: the tenths of a second or of a per cent are read whenever the figure is read.
    static void quieten(QLabel *figure);
    static void notifyChanged(QLabel *figure, const QString &before);

    QString text(QAccessible::Text t) const override;

private:
    QLabel *figure() const;
};

} // namespace quorvel
