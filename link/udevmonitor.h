#pragma once

#include <QObject>
#include <QString>

struct udev;
struct udev_monitor;
class QSocketNotifier;

// udev's word that a serial (tty) device came or went, through a QSocketNotifier on the
// monitor's socket: nothing runs while nothing happens. Where udev is not there (a container)
// it stays silent and isActive() is false.
class UdevMonitor : public QObject
{
    Q_OBJECT

public:
    explicit UdevMonitor(QObject *parent = nullptr);
    ~UdevMonitor() override;

    bool isActive() const { return m_notifier != nullptr; }

signals:
    // A tty device was added, removed or changed; `node` is its /dev path, when it has one.
    void deviceChanged(const QString &action, const QString &node);

private:
    void receive();

    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
};
