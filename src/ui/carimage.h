// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>
#include <QWidget>

namespace quorvel {

// The 32 by 32 car picture: the program's icon and the `imgCar` of the main and About windows.
// It is pixel art, so it is always drawn at its own size in logical pixels and enlarged
// nearest-neighbour on HiDPI screens, never smoothed.
class CarImage : public QWidget {
    Q_OBJECT

public:
    static constexpr int pictureSize = 32;

    explicit CarImage(QWidget *parent = nullptr);

    static QImage image();
    static QIcon icon();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    // A picture answers no clicks; swallowing them keeps them from reaching the window below.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

} // namespace quorvel
