// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtcolorpicker.h"

#include "colorconvert.h"

#include <QColorDialog>
#include <QPointer>

namespace quorvel {

std::optional<Color> QtColorPicker::pick(QWidget *parent)
{
    // A guarded pointer: the parent may close while the picker's loop runs, taking the picker
    // with it.
    QPointer<QColorDialog> dialog = new QColorDialog(parent);
    dialog->setModal(true);
    const int answer = dialog->exec();
    if (!dialog) {
        return std::nullopt;
    }
    const QColor chosen = dialog->selectedColor();
    delete dialog;
    if (answer != QDialog::Accepted || !chosen.isValid()) {
        return std::nullopt;
    }
    return fromQColor(chosen);
}

} // namespace quorvel
