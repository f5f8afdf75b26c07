#pragma once

#include <QObject>

// Peak resident set size of this process so far (VmHWM), in KiB; -1 if the kernel does not say.
qint64 peakRssKiB();

// Ends a start-up measurement: at the first expose of the program's main window it lets the
// window draw its first frame, prints one line for the benchmark driver and quits.
//
// The line is "exposed=<ns> drawn=<ns> vmhwm=<KiB> size=<w>x<h>", times read from
// CLOCK_MONOTONIC so the parent can subtract the moment it started this process. The probe
// watches the whole application rather than one window, so the expose is caught even if the
// platform delivers it before the start-up routine has returned.
class ExposeProbe : public QObject
{
    Q_OBJECT

public:
    explicit ExposeProbe(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_done = false;
};
