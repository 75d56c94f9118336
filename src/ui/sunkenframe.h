// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>

namespace quorvel {

// The passage view and the typing box paint themselves as the style's sunken line-edit panel,
// with their text inside its frame.
inline int sunkenFrameWidth(const QWidget &widget)
{
    return widget.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &widget);
}

// Paints the panel where dirty reaches its frame and returns the rectangle inside the frame, for
// the caller to fill. A key's repaint stays inside the frame, which then needs no drawing.
inline QRect paintSunkenFrame(const QWidget &widget, QPainter &painter, const QRect &dirty)
{
    const int frame = sunkenFrameWidth(widget);
    const QRect inside = widget.rect().adjusted(frame, frame, -frame, -frame);
    if (!inside.contains(dirty)) {
        painter.fillRect(dirty, widget.palette().window());
        QStyleOptionFrame option;
        option.initFrom(&widget);
        option.lineWidth = frame;
        option.state |= QStyle::State_Sunken;
        widget.style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, &widget);
    }
    return inside;
}

} // namespace quorvel
