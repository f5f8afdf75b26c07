#include "linepacer.h"

#include <algorithm>

LinePacer::Time LinePacer::nextStart(Time now, qsizetype driverQueued) const
{
    Time start = std::max(now, m_lineFree);
    if (driverQueued > 0) {
        // The driver is slower than the line time says (a far end that reads slowly, a busy
        // adapter): what it still holds has to leave first, and the gap counts from then.
        const Time drained =
            now + m_byteTime * driverQueued + (m_lastEndsByGap ? m_idleGap : Duration::zero());
        start = std::max(start, drained);
    }
    if (!m_lastEndsByGap)
        start -= m_byteTime;
    return std::max(now, start);
}

void LinePacer::sent(Time at, qsizetype bytes, bool endsByIdleGap)
{
    m_lineFree = std::max(at, m_lineFree) + m_byteTime * bytes;
    if (endsByIdleGap)
        m_lineFree += m_idleGap;
    m_lastEndsByGap = endsByIdleGap;
}

void LinePacer::reset()
{
    m_lineFree = Time{};
    m_lastEndsByGap = false;
}
