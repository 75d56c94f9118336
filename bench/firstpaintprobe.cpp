#include "firstpaintprobe.h"

#include "processstats.h"

#include <QEvent>
#include <QWidget>

#include <cstdio>
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
    std::printf("painted_ns=%lld paint_began_ns=%lld rss=%lld rss_anon=%lld hwm=%lld%s\n",
                paintedNs, m_paintBeganNs, static_cast<long long>(ProcessStats::residentBytes()),
                static_cast<long long>(ProcessStats::residentAnonymousBytes()),
                static_cast<long long>(ProcessStats::peakResidentBytes()), m_figures.c_str());
    std::fflush(stdout);
    _exit(0);
}

} // namespace quorvel
