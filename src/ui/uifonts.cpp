// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uifonts.h"

namespace quorvel {

namespace {

QFont sans(qreal points)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    // An explicit weight: a control inside a bold frame would otherwise inherit the bold.
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

QFont UiFonts::standard()
{
    // The layouts were drawn for an 8.25 pt face of narrow bitmap glyphs. Liberation Sans at that
    // size runs wider and cuts captions off ("Release Date: August 8, 1999" needs 146 of
    // its 145 pixels), so the stand-in is 7.5 pt: 10 pixels at 96 dpi, whole pixels on any
    // hinting, with the same look of small print.
    return sans(7.5);
}

QFont UiFonts::bold()
{
    QFont font = standard();
    font.setBold(true);
    return font;
}

QFont UiFonts::passage()
{
    return sans(12);
}

QFont UiFonts::title()
{
    return sans(13.5);
}

} // namespace quorvel
