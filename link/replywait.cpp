#include "replywait.h"

#include <limits>

ReplyWait::ReplyWait(QObject *parent)
    : QObject(parent)
{
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(TickInterval);
    connect(&Timer1, &QTimer::timeout, this, &ReplyWait::Timer1_Timer);
}

void ReplyWait::WaitForReply(int waits)
{
    TickCount = 0;
    m_waitsLeft = std::max(waits, 1);
    ++m_generation;
    // Started afresh, so the first tick comes a full interval after the request.
    Timer1.start();
}

void ReplyWait::cancel()
{
    Timer1.stop();
    m_waitsLeft = 0;
    ++m_generation;
}

void ReplyWait::Timer1_Timer()
{
    // However many ticks pile up, the count must not wrap round below the end of the wait.
    if (TickCount < std::numeric_limits<qint16>::max())
        ++TickCount;
    if (TickCount < TicksPerWait || !Timer1.isActive())
        return;
    if (--m_waitsLeft > 0) {
        TickCount = 0;
        return;
    }
    Timer1.stop();
    // Said once the tick has been dealt with everywhere, as a wait that looked at the count
    // after each tick would end.
    QMetaObject::invokeMethod(
        this,
        [this, generation = m_generation] {
            if (generation == m_generation)
                emit finished();
        },
        Qt::QueuedConnection);
}
