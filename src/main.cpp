// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Quorvel: a typing-speed test. It takes no command line and reads no settings; its one input is
// the passage file "data" beside the program.
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
    quorvel::StartUp startUp(quorvel::StartUp::programDataPath());
    return startUp.run();
}
