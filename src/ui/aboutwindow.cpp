// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutwindow.h"

#include "carimage.h"
#include "twips.h"
#include "uifonts.h"

#include <QFrame>

namespace quorvel {

AboutWindow::AboutWindow(QWidget *parent)
    : InfoWindow(QStringLiteral("frmAbout"), QStringLiteral("About"),
                 QSize(twips(4215), twips(3975)), twipsRect(1320, 3360, 1575, 495), parent)
{
    auto *imgCar = new CarImage(this);
    imgCar->setObjectName(QStringLiteral("imgCar"));
    imgCar->move(twips(240), twips(240));

    // Created in tab order, which is also the order a screen reader walks them.
    addText(this, "lblTitle", QStringLiteral("Quorvel"), twipsRect(960, 120, 2535, 735),
            UiFonts::title());
    addText(this, "lblVersion", QStringLiteral("Version 1.00"), twipsRect(960, 1020, 1095, 195),
            UiFonts::bold());
    addText(this, "lblDate", QStringLiteral("Release Date: August 8, 1999"),
            twipsRect(960, 1260, 2175, 195), UiFonts::standard());
    addText(this, "lblAuthor", QStringLiteral("By the Quorvel developers"),
            twipsRect(960, 1680, 2055, 255), UiFonts::standard());
    addText(this, "lblMaker", QStringLiteral("Quorvel Project, 2026"),
            twipsRect(960, 1920, 3015, 255), UiFonts::standard());
    addText(this, "lblURL", QStringLiteral("quorvel.example.org"), twipsRect(960, 2160, 1695, 255),
            UiFonts::standard());
    addSeparator();
    addText(this, "lblSuggest", QStringLiteral("Suggest a feature! Report a problem!"),
            twipsRect(960, 2640, 2655, 255), UiFonts::standard());
    addText(this, "lblEmail", QStringLiteral("mail@quorvel.example.org"),
            twipsRect(960, 2880, 1935, 255), UiFonts::standard());
}

void AboutWindow::addSeparator()
{
    // A 2-pixel rule from (960, 2520) to (3840, 2520), centred on that row.
    auto *linSeparator = new QFrame(this);
    linSeparator->setObjectName(QStringLiteral("linSeparator"));
    linSeparator->setFrameShape(QFrame::HLine);
    linSeparator->setFrameShadow(QFrame::Plain);
    linSeparator->setLineWidth(2);
    linSeparator->setGeometry(twips(960), twips(2520) - 1, twips(3840) - twips(960), 2);
}

} // namespace quorvel
