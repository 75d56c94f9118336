// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>

namespace quorvel {

// The pixels of a box, sorted by what drawing ink of one colour, antialiased, over a plain
// background can give: the background itself, a blend of the two at a stroke's edge, the ink
// itself, or anything else. A blend lies on the line from background to ink, so a near colour,
// which leaves that line, shows up as foreign even where it is faint.
struct Pixels {
    int background = 0;
    int edge = 0;
    int solid = 0;
    int foreign = 0;
};

inline Pixels drawnIn(const QImage &image, const QRect &box, const QColor &ink,
                      const QColor &background = Qt::white)
{
    // Blending rounds each channel once: a pixel may sit this far off the line.
    constexpr double kRounding = 2.5;
    const int base[3] = {background.red(), background.green(), background.blue()};
    const int span[3] = {ink.red() - base[0], ink.green() - base[1], ink.blue() - base[2]};
    const int widest = int(
        std::max_element(span, span + 3, [](int a, int b) { return std::abs(a) < std::abs(b); }) -
        span);
    Pixels pixels;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int got[3] = {c.red(), c.green(), c.blue()};
            const double cover = double(got[widest] - base[widest]) / span[widest];
            bool onLine = cover > -0.02 && cover < 1.02;
            for (int k = 0; k < 3; ++k)
                onLine = onLine && std::abs(got[k] - (base[k] + cover * span[k])) <= kRounding;
            if (!onLine)
                ++pixels.foreign;
            else if (cover < 0.02)
                ++pixels.background;
            else if (cover > 0.98)
                ++pixels.solid;
            else
                ++pixels.edge;
        }
    }
    return pixels;
}

// Pixels of exactly this colour.
inline int pixelsOf(const QImage &image, const QRect &box, const QColor &color)
{
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x)
            count += image.pixelColor(x, y) == color;
    }
    return count;
}

} // namespace quorvel
