// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// CPU time of a running test with no keys: the real frmSpeed on the real clock and the real
// 50 ms timer, for ten seconds of wall time, offscreen. Measured as user plus system time of the
// whole process (getrusage), so that the caret's blinking and the event loop count as well.
//
// Prints a readable account and "figure <name> <value>" lines for bench/run.
#include "mainwindow.h"
#include "passagestore.h"
#include "processstats.h"
#include "program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace quorvel;

namespace {

// Shows the window and starts a test long enough to outlast the measurement; returns false when
// the window never came up.
bool startLongTest(Program &program)
{
    MainWindow &window = program.window();
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    Settings settings = program.test().settings();
    settings.TestLength = QStringLiteral("5 Minutes");
    program.test().setSettings(settings);
    window.findChild<QPushButton *>(QStringLiteral("cmdStart"))->click();
    return program.test().isRunning();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    PassageStore store;
    const QString error = store.load(QStringLiteral(QUORVEL_SHIPPED_DATA));
    Program program(store);
    MainWindow &window = program.window();
    if (!error.isEmpty() || !startLongTest(program)) {
        std::fprintf(stderr, "no running test: %s\n", qPrintable(error));
        return 2;
    }
    int ticks = 0;
    QObject::connect(window.findChild<QTimer *>(QStringLiteral("tmrSpeed")), &QTimer::timeout, &app,
                     [&ticks] { ++ticks; });
    QCoreApplication::processEvents();

    QElapsedTimer wall;
    const auto cpuBefore = ProcessStats::cpuMicroseconds();
    wall.start();
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &app, &QCoreApplication::quit);
    QApplication::exec();
    const double cpuMs = double(ProcessStats::cpuMicroseconds() - cpuBefore) / 1000.0;
    const double wallMs = double(wall.nsecsElapsed()) / 1e6;
    const double share = 100.0 * cpuMs / wallMs;
    std::printf("Platform %s. Running test, no keys, %.0f ms of wall time, %d ticks: %.1f ms of "
                "CPU, %.3f%% of one core (%.1f us a tick)\n",
                qPrintable(QGuiApplication::platformName()), wallMs, ticks, cpuMs, share,
                ticks > 0 ? cpuMs * 1000.0 / ticks : 0.0);
    std::printf("figure idle_cpu_percent %.6g\n", share);
    std::printf("figure idle_ticks %d\n", ticks);
    return program.test().isRunning() ? 0 : 2;
}
