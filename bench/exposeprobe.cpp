#include "exposeprobe.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace {

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

QMainWindow *mainWindowOf(const QWindow *window)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == window)
            return qobject_cast<QMainWindow *>(widget);
    }
    return nullptr;
}

} // namespace

qint64 peakRssKiB()
{
    // Read whole: files under /proc report a size of 0, so line-by-line reading stops at once.
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

ExposeProbe::ExposeProbe(QObject *parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool ExposeProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (m_done || event->type() != QEvent::Expose)
        return false;
    auto *window = qobject_cast<QWindow *>(watched);
    if (!window || !window->isExposed())
        return false;
    const QMainWindow *mainWindow = mainWindowOf(window);
    if (!mainWindow)
        return false;

    m_done = true;
    const qint64 exposed = monotonicNs();
    // Handled here rather than after the filter returns, so that the first frame the window
    // paints and flushes is inside the second time stamp.
    watched->event(event);
    const qint64 drawn = monotonicNs();
    std::printf("exposed=%lld drawn=%lld vmhwm=%lld size=%dx%d\n", static_cast<long long>(exposed),
                static_cast<long long>(drawn), static_cast<long long>(peakRssKiB()),
                mainWindow->width(), mainWindow->height());
    std::fflush(stdout);
    QCoreApplication::exit(0);
    return true;
}
