#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal, so that the simulator leaves through its
// event loop and removes its link on the way out. A signal handler may do next to nothing, so it
// only writes a byte into a socket pair that the event loop watches.
class SignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit SignalWatcher(QObject *parent = nullptr);
    ~SignalWatcher() override;

    bool isValid() const { return m_notifier != nullptr; }

signals:
    void terminationRequested();

private:
    static void handle(int signal);
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
