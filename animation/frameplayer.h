#pragma once

#include "animation.h"
#include "frameschedule.h"
#include "moduleconnection.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>

// Plays an animation: at each frame's time it says which frame is due (for the screen) and, when
// playing on the module, hands that frame to the line as a message that replaces a frame still
// waiting there. So a frame due while the previous one is leaving the line takes the waiting
// one's place (latest wins), and the line's queue never grows. It counts the frames that went
// out and those skipped: replaced while waiting, or passed over by a timer that came late.
class FramePlayer : public QObject
{
    Q_OBJECT

public:
    using Time = FrameSchedule::Time;

    explicit FramePlayer(QObject *parent = nullptr);

    // Stops, and plays these frames from the next start.
    void setFrames(const QList<Frame> &frames);
    // The frames as they are now, while playing goes on: each is handed over as it is at its
    // next turn. When the times or the number of frames changed, the frame on show keeps its
    // start and its place (the last one, if fewer are left) and the rest follow at their new
    // times; no frames at all stops.
    void updateFrames(const QList<Frame> &frames);
    const QList<Frame> &frames() const { return m_frames; }
    void setLoop(bool loop);
    // Where the frames go, as the dot-pattern message, latest wins; without a connection they
    // are only shown on the screen. A port that closes or goes away stops the player; whoever
    // follows the connection says so (its lost()), not the player.
    void setConnection(ModuleConnection *connection);
    ModuleConnection *connection() const { return m_connection; }

    void start();
    void stop();
    bool isPlaying() const { return m_playing; }

    int shown() const { return m_handed - m_replaced; }
    int skipped() const { return m_replaced + m_passed; }

    // The player's clockwork, for a clock of one's own: start at `start`, then tick at the
    // times tick() asks for. tick() hands over what is due at `now` and says when to tick next;
    // nothing once the run is over or the port failed.
    void startAt(Time start);
    std::optional<Time> tick(Time now);

signals:
    void frameDue(int frame);
    void countsChanged(int shown, int skipped);
    // Playing stopped: the run is over, stop() was called, or the port failed.
    void stopped();
    // Another sender put a command of its own on the module (a text, an arrow, a dot pattern, a
    // settings exchange): the next frame would cover it at once, so playing stopped for it.
    void interrupted(quint8 command);
    // A frame could not be handed to the connection (a write the port refused at once, which
    // the connection does not report as a loss); playing has stopped.
    void sendFailed();

protected:
    // Hands one frame to the connection, latest wins; false when the port failed, `replaced`
    // when the frame took the place of one still waiting. Tests put a line of their own here.
    virtual bool handOver(const Pattern &pattern, bool *replaced);
    virtual bool sendsToModule() const { return m_connection; }

private:
    void tickNow();
    void finish();

    QList<Frame> m_frames;
    bool m_loop = false;
    QPointer<ModuleConnection> m_connection;
    FrameSchedule m_schedule;
    QTimer m_timer;
    Time m_start{};
    qint64 m_lastStep = -1;
    bool m_playing = false;
    int m_handed = 0;
    int m_replaced = 0;
    int m_passed = 0;
};
