// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colorname.h"

#include "colorconvert.h"

#include <iterator>

namespace quorvel {

namespace {

struct Hue {
    int below; // degrees
    const char *name;
};

// Where one hue name gives way to the next, round the colour wheel.
constexpr Hue kHues[] = {{15, "red"},     {45, "orange"},   {70, "yellow"},
                         {160, "green"},  {190, "cyan"},    {260, "blue"},
                         {290, "purple"}, {335, "magenta"}, {360, "red"}};

QString greyName(int lightness)
{
    if (lightness < 40)
        return QStringLiteral("black");
    if (lightness < 100)
        return QStringLiteral("dark grey");
    if (lightness < 170)
        return QStringLiteral("grey");
    if (lightness < 230)
        return QStringLiteral("light grey");
    return QStringLiteral("white");
}

} // namespace

QString colorName(Color color)
{
    const QColor hsl = toQColor(color).toHsl();
    const int lightness = hsl.lightness();
    // Colours this washed out, or this near black or white, are heard as greys.
    if (hsl.hslSaturation() < 40 || lightness < 20 || lightness > 240)
        return greyName(lightness);
    const int hue = hsl.hslHue();
    QString name = QString::fromLatin1(std::prev(std::end(kHues))->name);
    for (const Hue &band : kHues) {
        if (hue < band.below) {
            name = QString::fromLatin1(band.name);
            break;
        }
    }
    if (lightness < 80)
        return name == QLatin1String("orange") ? QStringLiteral("brown")
                                               : QStringLiteral("dark ") + name;
    if (lightness > 190)
        return QStringLiteral("light ") + name;
    return name;
}

} // namespace quorvel
