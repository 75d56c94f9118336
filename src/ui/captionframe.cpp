// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "captionframe.h"

#include "uifonts.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionComplex>

namespace quorvel {

namespace {

// The border runs this far down, through the middle of the caption.
constexpr int kBorderTop = 6;
constexpr qreal kBorderRadius = 2;
// The caption's text starts here; the border leaves a gap from kGapLeft to kGapAfterText past
// the end of the text.
constexpr int kTextLeft = 9;
constexpr int kGapLeft = 6;
constexpr int kGapAfterText = 4;

// The platform style, except for the geometry of a CaptionFrame.
class CaptionFrameStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override
    {
        const auto *frame = qobject_cast<const CaptionFrame *>(widget);
        if (control != CC_GroupBox || !frame)
            return QProxyStyle::subControlRect(control, option, part, widget);
        switch (part) {
        case SC_GroupBoxLabel:
            return frame->captionRect();
        case SC_GroupBoxFrame:
            return frame->borderRect();
        case SC_GroupBoxContents:
            return frame->insideRect();
        default:
            return QRect();
        }
    }
};

} // namespace

CaptionFrame::CaptionFrame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent)
{
    auto *geometry = new CaptionFrameStyle;
    geometry->setParent(this);
    setStyle(geometry);
    // The bold face is for the caption; the regular font states its weight, so children that set
    // it stay regular.
    setFont(UiFonts::bold());
}

QRect CaptionFrame::captionRect() const
{
    const QFontMetrics metrics(font());
    return QRect(kTextLeft, 0, metrics.horizontalAdvance(title()), metrics.height());
}

QRect CaptionFrame::borderRect() const
{
    return rect().adjusted(0, kBorderTop, 0, 0);
}

QRect CaptionFrame::insideRect() const
{
    return borderRect().adjusted(1, 1, -1, -1);
}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect text = captionRect();
    const QRect gap(QPoint(kGapLeft, 0), text.bottomRight() + QPoint(kGapAfterText, 0));

    // The border is erased behind the caption.
    painter.setClipRegion(QRegion(rect()) - gap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(borderRect()).adjusted(0.5, 0.5, -0.5, -0.5), kBorderRadius,
                            kBorderRadius);

    painter.setClipping(false);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
}

} // namespace quorvel
