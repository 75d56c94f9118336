// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>

namespace quorvel {

// A frame whose bold caption sits on its top border. The fixed layouts place the first control
// inside a frame 16 pixels down, which is below such a border but above where most styles
// draw theirs (under the whole caption), so the border would cross the text.
//
// It paints itself, and a small proxy of the platform style tells anyone who asks where its
// caption, border and inside are. A style sheet would do the same, but it brings the whole
// style-sheet machinery into the start-up of every window with a frame.
class CaptionFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit CaptionFrame(const QString &caption, QWidget *parent = nullptr);

    // In the frame's coordinates.
    QRect captionRect() const;
    QRect borderRect() const;
    QRect insideRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace quorvel
