#include "qtclock.h"

namespace quorvel {

QtClock::QtClock()
{
    m_timer.start();
}

qint64 QtClock::nowMs() const
{
    return m_timer.elapsed();
}

} // namespace quorvel
