// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lightbackdrop.h"

#include <QEvent>
#include <QLabel>

namespace quorvel {

namespace {

// Room between the backdrop's edge and the text.
constexpr int kIndent = 2;

} // namespace

void LightBackdrop::keep(QLabel *label)
{
    auto *backdrop = new LightBackdrop(label);
    label->installEventFilter(backdrop);
    // Once the label has its own Window colour, a change of the window around it no longer
    // reaches it as a palette change of its own; the parent's does.
    if (QWidget *around = label->parentWidget())
        around->installEventFilter(backdrop);
    backdrop->apply();
}

LightBackdrop::LightBackdrop(QLabel *label) : QObject(label), m_label(label) {}

bool LightBackdrop::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        apply();
    return QObject::eventFilter(watched, event);
}

void LightBackdrop::apply()
{
    // The window around the label decides: the label's own Window colour is the backdrop.
    const QWidget *around = m_label->parentWidget();
    const QColor window = (around ? around : m_label)->palette().color(QPalette::Window);
    const bool dark = window.lightness() < 128;
    const QColor wanted = dark ? QColor(Qt::white) : window;
    // Setting the palette sends another PaletteChange; it then finds nothing left to do.
    if (m_label->palette().color(QPalette::Window) != wanted) {
        QPalette palette = m_label->palette();
        palette.setColor(QPalette::Window, wanted);
        m_label->setPalette(palette);
    }
    m_label->setAutoFillBackground(dark);
    m_label->setIndent(dark ? kIndent : -1);
}

} // namespace quorvel
