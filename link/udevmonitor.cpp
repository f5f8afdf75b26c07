#include "udevmonitor.h"

#include <QSocketNotifier>

#include <libudev.h>

UdevMonitor::UdevMonitor(QObject *parent)
    : QObject(parent)
{
    m_udev = udev_new();
    if (!m_udev)
        return;
    // "udev" rather than "kernel": the events come once udev has set the node's permissions
    // and made its /dev/serial/by-id links, so the device can be opened at once.
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "tty", nullptr) ||
        udev_monitor_enable_receiving(m_monitor))
        return;
    const int fd = udev_monitor_get_fd(m_monitor);
    if (fd < 0)
        return;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevMonitor::receive);
}

UdevMonitor::~UdevMonitor()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

void UdevMonitor::receive()
{
    udev_device *device = udev_monitor_receive_device(m_monitor);
    if (!device)
        return;
    const char *action = udev_device_get_action(device);
    const char *node = udev_device_get_devnode(device);
    const QString actionText = QString::fromLatin1(action ? action : "");
    const QString nodeText = node ? QString::fromLocal8Bit(node) : QString();
    udev_device_unref(device);
    emit deviceChanged(actionText, nodeText);
}
