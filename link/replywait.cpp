#include "replywait.h"

#include <QCoreApplication>

#include <limits>

ReplyWait::ReplyWait(QObject *parent)
    : QObject(parent)
{
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(TickInterval);
    connect(&Timer1, &QTimer::timeout, this, &ReplyWait::Timer1_Timer);
}

bool ReplyWait::WaitForReply()
{
    TickCount = 0;
    ++m_depth;
    // Started afresh even when an outer wait has it running, so the first tick comes a full
    // interval after the request, and a wait begun from a tick handler still gets its ticks.
    Timer1.start();
    // Ticks can pile up while a menu or a message box runs its own loop inside one pass, so the
    // count may be past the end when it is next looked at.
    while (TickCount < TicksPerWait && !m_cancelled)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    Timer1.stop();

    const bool elapsed = !m_cancelled;
    if (--m_depth == 0)
        m_cancelled = false;
    return elapsed;
}

void ReplyWait::cancel()
{
    if (m_depth > 0)
        m_cancelled = true;
}

void ReplyWait::Timer1_Timer()
{
    // However many ticks pile up, the count must not wrap round below the end of the wait.
    if (TickCount < std::numeric_limits<qint16>::max())
        ++TickCount;
}
