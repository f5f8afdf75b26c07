#pragma once

#include "frameschedule.h"
#include "moduleconnection.h"
#include "span.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <optional>

// Plays a span's animation on its modules in step. It ticks once per frame, as FramePlayer
// does, and in that one tick hands every module its slice of the frame through its own
// connection, latest wins: frame k leaves for all modules within microseconds of each other, and
// a frame due while one module's line is still busy takes the waiting frame's place on that
// module only.
//
// A module whose port is not open is passed over and said once (moduleOut()); the others play on.
// When its connection has it back (auto-reconnect) it is sent the frame of the moment at once
// and plays on in step (moduleBack()). A module that keeps the frames waiting, its line slower
// than the frames, is said once a run (moduleSlow()). Nothing a module does holds the others.
class SpanPlayer : public QObject
{
    Q_OBJECT

public:
    using Time = FrameSchedule::Time;
    // So many frames in a row taking a waiting frame's place make a module slow.
    static constexpr int SlowAfter = 5;

    struct ModuleCounts
    {
        int handed = 0;   // frames handed to the connection
        int replaced = 0; // of those, frames that took the place of one still waiting
        int missed = 0;   // frames due while the module was out
    };

    explicit SpanPlayer(QObject *parent = nullptr);
    ~SpanPlayer() override;

    // The arrangement: how many modules and how each is mounted.
    void setSpan(const Span &span);
    void setFrames(const QList<SpanFrame> &frames);
    void setLoop(bool loop);
    // Module i's connection is connections[i]; a null one, or none, is not sent to. Without any
    // the frames are only shown (frameDue()).
    void setConnections(const QList<ModuleConnection *> &connections);
    // Module `index` reached through `connection` from now on (none: not sent to until it has
    // one), its counts kept. While playing, an open one is sent the frame of the moment at once.
    void replaceConnection(int index, ModuleConnection *connection);

    void start();
    void stop();
    bool isPlaying() const { return m_playing; }

    int moduleCount() const { return int(m_modules.size()); }
    ModuleCounts counts(int module) const { return m_modules.value(module).counts; }
    bool isOut(int module) const { return m_modules.value(module).out; }
    // Frames that fell due, and frames whose whole time passed between two ticks.
    int framesDue() const { return m_due; }
    int framesPassed() const { return m_passed; }

    // The clockwork, for a clock of one's own: start at `start`, then tick at the times tick()
    // asks for; nothing once the run is over.
    void startAt(Time start);
    std::optional<Time> tick(Time now);

signals:
    void frameDue(int frame);
    void moduleOut(int module, const QString &reason);
    void moduleBack(int module);
    void moduleSlow(int module);
    // The run is over or stop() was called.
    void stopped();

protected:
    // Hands one module its slice, latest wins; false when its port is not open or refused the
    // write. Tests put lines of their own here.
    virtual bool handOver(int module, const Pattern &pattern, bool *replaced);
    virtual bool isAvailable(int module) const;
    // Whether the module is sent to at all.
    virtual bool hasLine(int module) const;
    QString outReason(int module) const;

private:
    struct Module
    {
        QPointer<ModuleConnection> connection;
        bool out = false;
        bool slowTold = false;
        int replacedInARow = 0;
        int lastFrame = -1; // the last frame handed to its connection
        ModuleCounts counts;
    };

    void tickNow();
    void finish();
    void sendTo(int module, int frame);
    void markOut(int module);
    void connectionChanged(int module, bool open);
    QList<int> durations() const;

    Span m_span;
    QList<SpanFrame> m_frames;
    QList<Module> m_modules;
    bool m_loop = false;
    FrameSchedule m_schedule;
    QTimer m_timer;
    Time m_start{};
    qint64 m_lastStep = -1;
    int m_lastFrame = -1;
    bool m_playing = false;
    int m_due = 0;
    int m_passed = 0;
};
