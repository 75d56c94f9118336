// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "instructionswindow.h"

#include "captionframe.h"
#include "twips.h"
#include "uifonts.h"

namespace quorvel {

InstructionsWindow::InstructionsWindow(QWidget *parent)
    : InfoWindow(QStringLiteral("frmInstructions"), QStringLiteral("Instructions"),
                 QSize(twips(3975), twips(4455)), twipsRect(1200, 3840, 1575, 495), parent)
{
    // Created in tab order, which is also the order a screen reader walks them; cmdOK is first.
    addFrame("fraWhatToDo", QStringLiteral("What to do"), twipsRect(240, 120, 3495, 1215),
             {
                 {"lblWhatToDo1",
                  QStringLiteral("Select how much time you want to type, and what colors you "
                                 "want the text to be."),
                  twipsRect(240, 240, 2895, 495)},
                 {"lblWhatToDo2",
                  QStringLiteral("Press Start, and it will stop automatically at the end of the "
                                 "time period."),
                  twipsRect(240, 720, 2895, 375)},
             });
    addFrame("fraRules", QStringLiteral("Rules"), twipsRect(240, 1440, 3495, 1095),
             {
                 {"lblRules1", QStringLiteral("Backspacing is not allowed."),
                  twipsRect(240, 240, 2055, 255)},
                 {"lblRules2", QStringLiteral("Speed = characters / 5 (includes spaces)"),
                  twipsRect(240, 480, 3015, 255)},
                 {"lblRules3", QStringLiteral("Net Speed = Speed * Accuracy / 100"),
                  twipsRect(240, 720, 2775, 255)},
             });
    addFrame("fraTips", QStringLiteral("Tip"), twipsRect(240, 2640, 3495, 975),
             {
                 {"lblTips1",
                  QStringLiteral("To keep your hands on the keyboard while starting and "
                                 "stopping, Tab to the buttons and hit the Space Bar to press "
                                 "the buttons."),
                  twipsRect(240, 240, 3135, 615)},
             });
}

void InstructionsWindow::addFrame(const char *name, const QString &caption, const QRect &place,
                                  std::initializer_list<Line> lines)
{
    auto *frame = new CaptionFrame(caption, this);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(place);
    for (const Line &line : lines)
        addText(frame, line.name, line.text, line.place, UiFonts::standard());
}

} // namespace quorvel
