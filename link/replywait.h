#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

// The fixed wait for the module's reply, shared by the configuration dialog, the Devices dialog's
// Test and the command-line sender. Replies carry no length and no end marker, so the wait is a
// set number of ticks of the timer Timer1, after which whatever has arrived is taken. While it
// waits, every pending event of the program is dispatched, so both windows stay usable; between
// events the thread sleeps rather than polls. It never looks at the port.
class ReplyWait : public QObject
{
    Q_OBJECT

public:
    static constexpr int TicksPerWait = 10;
    static constexpr std::chrono::milliseconds TickInterval{10};

    explicit ReplyWait(QObject *parent = nullptr);

    // True after TicksPerWait ticks; false when cancel() ended it early. A wait started inside
    // another one resets the shared count, so the outer one ends as soon as the inner one does.
    bool WaitForReply();
    // Ends every wait in progress; a later wait runs in full.
    void cancel();

    bool isWaiting() const { return m_depth > 0; }
    qint16 tickCount() const { return TickCount; }

    void Timer1_Timer();

private:
    QTimer Timer1{this};
    qint16 TickCount = 0;
    int m_depth = 0;
    bool m_cancelled = false;
};
