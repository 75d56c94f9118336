// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "carimage.h"

#include "car.xpm"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace quorvel {

CarImage::CarImage(QWidget *parent) : QWidget(parent)
{
    setFixedSize(pictureSize, pictureSize);
}

QImage CarImage::image()
{
    // Decoded once; QImage shares the pixels, so every copy handed out is cheap.
    static const QImage picture =
        QImage(car_xpm).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return picture;
}

QIcon CarImage::icon()
{
    QIcon result;
    const QImage picture = image();
    result.addPixmap(QPixmap::fromImage(picture));
    // Larger ready-made sizes keep the icon blocky where a window manager would blur it.
    for (int factor : {2, 4}) {
        const int side = pictureSize * factor;
        result.addPixmap(QPixmap::fromImage(
            picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    }
    return result;
}

QSize CarImage::sizeHint() const
{
    return QSize(pictureSize, pictureSize);
}

void CarImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, pictureSize, pictureSize), image());
}

void CarImage::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void CarImage::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void CarImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

} // namespace quorvel
