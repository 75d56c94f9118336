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
    return sans(8.25);
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
