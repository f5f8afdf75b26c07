#pragma once

#include "animation.h"
#include "frameplayer.h"
#include "moduleconnection.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QTimer>

// Plays an animation on the module once, as the Frames window's "Play on Module" does: each
// frame handed to the connection at its time, a frame still waiting for the line replaced by
// the newer one. finished() gives an exit status of glyphsmith-send (ExitStatus) once the last
// frame's time is over and every byte has left the program; errorString() says why the port
// failed. A frame that cannot be handed over is a failure, never a run that went well.
class AnimationRun : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds SendTimeout{3000};

    explicit AnimationRun(QObject *parent = nullptr);

    void start(const QString &device, const Animation &animation);
    QString errorString() const { return m_error; }

signals:
    void finished(int status);

private:
    void play();
    void checkSent();
    void fail();
    void finish(int status);

    ModuleConnection m_connection;
    FramePlayer m_player;
    QString m_device;
    Animation m_animation;
    QTimer m_sendCheck;
    QDeadlineTimer m_sendDeadline;
    QString m_error;
    bool m_running = false;
};
