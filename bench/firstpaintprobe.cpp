// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "firstpaintprobe.h"

#include "processstats.h"

#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace quorvel {

FirstPaintProbe::FirstPaintProbe(const QString &windowName, QObject *parent)
    : QObject(parent), m_windowName(windowName)
{}

void FirstPaintProbe::addFigure(const char *key, double value)
{
    char text[96];
    std::snprintf(text, sizeof text, " %s=%.6g", key, value);
    m_figures += text;
}

bool FirstPaintProbe::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Paint) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!m_painted && widget && widget->isWindow() && widget->objectName() == m_windowName) {
            m_painted = true;
            m_paintBeganNs = ProcessStats::monotonicNs();
        }
        return false;
    }
    // A paint pass runs inside one of these; the window counts as painted once the whole pass,
    // children and flush included, is over.
    if (type != QEvent::Expose && type != QEvent::UpdateRequest)
        return false;
    watched->event(event);
    if (m_painted)
        report();
    return true;
}

void FirstPaintProbe::report()
{
    const long long paintedNs = ProcessStats::monotonicNs();
    // For a look at where the resident memory lies: a copy of the memory map at this moment.
    if (const char *copy = std::getenv("QUORVEL_BENCH_SMAPS")) {
        if (FILE *in = std::fopen("/proc/self/smaps", "r")) {
            if (FILE *out = std::fopen(copy, "w")) {
                char line[1024];
                while (std::fgets(line, sizeof line, in))
                    std::fputs(line, out);
                std::fclose(out);
            }
            std::fclose(in);
        }
    }
    std::printf("painted_ns=%lld paint_began_ns=%lld rss=%lld rss_anon=%lld hwm=%lld%s\n",
                paintedNs, m_paintBeganNs, static_cast<long long>(ProcessStats::residentBytes()),
                static_cast<long long>(ProcessStats::residentAnonymousBytes()),
                static_cast<long long>(ProcessStats::peakResidentBytes()), m_figures.c_str());
    std::fflush(stdout);
    _exit(0);
}

} // namespace quorvel
