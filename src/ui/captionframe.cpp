#include "captionframe.h"

#include "uifonts.h"

namespace quorvel {

CaptionFrame::CaptionFrame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent)
{
    // The bold face is for the caption; the regular font states its weight, so children that set
    // it stay regular.
    setFont(UiFonts::bold());
    // The border runs through the middle of the caption, which erases it behind the text.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 6px; padding: 0px 2px; }"));
}

} // namespace quorvel
