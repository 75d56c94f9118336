// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The baseline for start-up and memory: a bare Qt Widgets program that shows one empty QWidget
// of frmSpeed's size, with the same first-paint probe. With the argument "label" the widget
// holds one QLabel, which shows what putting any text on the screen costs a Qt program.
#include "firstpaintprobe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    quorvel::FirstPaintProbe probe(QStringLiteral("bare"));
    app.installEventFilter(&probe);
    QWidget window;
    window.setObjectName(QStringLiteral("bare"));
    window.resize(377, 339);
    if (argc > 1 && std::strcmp(argv[1], "label") == 0)
        (new QLabel(QStringLiteral("Speed (wpm)"), &window))->move(24, 12);
    window.show();
    return QApplication::exec();
}
