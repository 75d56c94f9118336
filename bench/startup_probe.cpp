// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Quorvel's start-up as main.cpp runs it, with a probe that reports the first paint of frmSpeed
// and ends the process there. With no argument it reads the "data" file beside itself, as the
// program does; an argument names another passage file (the big-file run).
#include "carimage.h"
#include "firstpaintprobe.h"
#include "processstats.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
    quorvel::FirstPaintProbe probe(QStringLiteral("frmSpeed"));
    app.installEventFilter(&probe);

    const QString path =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : quorvel::StartUp::programDataPath();
    // StartUp::run() step by step, so that the load can be timed on its own.
    quorvel::StartUp startUp(path);
    const auto rssBefore = quorvel::ProcessStats::residentBytes();
    const auto loadBegan = quorvel::ProcessStats::monotonicNs();
    if (!startUp.loadPassages())
        return 1;
    probe.addFigure("load_ms", double(quorvel::ProcessStats::monotonicNs() - loadBegan) / 1e6);
    probe.addFigure("load_rss_before", double(rssBefore));
    probe.addFigure("load_hwm", double(quorvel::ProcessStats::peakResidentBytes()));
    QApplication::setWindowIcon(quorvel::CarImage::icon());
    startUp.showMainWindow();
    return QApplication::exec();
}
