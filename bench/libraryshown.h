#pragma once

#include "librarywindow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>

// Runs the event loop until the library window has drawn its list with the patterns in it:
// what "the window shows it" means to the library benchmark. False on a time-out.
inline bool waitUntilLibraryShown(LibraryWindow *window, int timeoutMs = 10000)
{
    class PaintSpy : public QObject
    {
    public:
        bool painted = false;

    protected:
        bool eventFilter(QObject *, QEvent *event) override
        {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    };
    PaintSpy spy;
    QWidget *viewport = window->view()->viewport();
    viewport->installEventFilter(&spy);
    QDeadlineTimer deadline(timeoutMs);
    // A paint seen before the first pattern is laid out does not count.
    while (!deadline.hasExpired()) {
        const bool laidOut = window->view()->indexAt(QPoint(8, 8)).isValid();
        spy.painted = spy.painted && laidOut;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (laidOut && spy.painted)
            break;
    }
    viewport->removeEventFilter(&spy);
    return spy.painted;
}
