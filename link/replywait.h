#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

// The fixed wait for the module's reply, shared by the configuration dialog, the Devices
// window's Test and the command-line sender. Replies carry no length and no end marker, so a
// wait is a set number of ticks of the timer Timer1, after which whatever has arrived is taken.
// WaitForReply() starts one wait and returns at once; finished() says that its ticks have run.
// Several waits in a row (a message the module takes longer over) are WaitForReply(n), each
// counting its ticks from 0 again. The event loop runs meanwhile, so every window stays usable;
// nothing polls.
class ReplyWait : public QObject
{
    Q_OBJECT

public:
    static constexpr int TicksPerWait = 10;
    static constexpr std::chrono::milliseconds TickInterval{10};

    explicit ReplyWait(QObject *parent = nullptr);

    // Starts `waits` waits of TicksPerWait ticks, ending any wait in progress without a signal.
    void WaitForReply(int waits = 1);
    // Ends the wait in progress; no finished() follows.
    void cancel();

    bool isWaiting() const { return Timer1.isActive(); }
    qint16 tickCount() const { return TickCount; }

    void Timer1_Timer();

signals:
    void finished();

private:
    QTimer Timer1{this};
    qint16 TickCount = 0;
    int m_waitsLeft = 0;
    int m_generation = 0; // a wait started or cancelled since makes a pending finished() moot
};
