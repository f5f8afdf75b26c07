#include "animationrun.h"

#include "sendrequest.h"

#include <QCoreApplication>

namespace {
constexpr char ModuleLine[] = "9600,n,8,1";
// Bytes in flight raise no event when they leave, so the wait for them looks this often.
constexpr std::chrono::milliseconds SendCheck{2};
} // namespace

AnimationRun::AnimationRun(QObject *parent)
    : QObject(parent)
{
    m_connection.setSettings(QLatin1String(ModuleLine));
    m_connection.setReconnecting(false);
    m_sendCheck.setInterval(SendCheck);
    connect(&m_sendCheck, &QTimer::timeout, this, &AnimationRun::checkSent);
    connect(&m_connection, &ModuleConnection::opened, this, &AnimationRun::play);
    connect(&m_connection, &ModuleConnection::openFailed, this, &AnimationRun::fail);
    connect(&m_connection, &ModuleConnection::lost, this, &AnimationRun::fail);
    connect(&m_player, &FramePlayer::sendFailed, this, &AnimationRun::fail);
    connect(&m_player, &FramePlayer::stopped, this, [this] {
        if (!m_running || !m_connection.isOpen())
            return;
        m_sendDeadline.setRemainingTime(SendTimeout);
        m_sendCheck.start();
        checkSent();
    });
}

void AnimationRun::start(const QString &device, const Animation &animation)
{
    m_device = device;
    m_animation = animation;
    m_running = true;
    if (!m_connection.openDevice(device)) {
        QMetaObject::invokeMethod(this, &AnimationRun::fail, Qt::QueuedConnection);
        return;
    }
    if (m_connection.isOpen())
        play();
}

void AnimationRun::play()
{
    if (!m_running)
        return;
    m_player.setFrames(m_animation.frames);
    m_player.setConnection(&m_connection);
    m_player.start();
}

void AnimationRun::checkSent()
{
    if (!m_running)
        return;
    if (!m_connection.isOpen()) {
        fail();
        return;
    }
    if (m_connection.allSent()) {
        finish(ExitStatus::Done);
        return;
    }
    if (m_sendDeadline.hasExpired()) {
        m_error =
            QCoreApplication::translate("GlyphsmithSend", "%1 did not take the frames within %2 s")
                .arg(m_device)
                .arg(SendTimeout.count() / 1000);
        finish(ExitStatus::PortUnavailable);
    }
}

void AnimationRun::fail()
{
    if (!m_running)
        return;
    const QString reason = m_connection.errorString().isEmpty()
                               ? QCoreApplication::translate("GlyphsmithSend", "the port closed")
                               : m_connection.errorString();
    m_error = QCoreApplication::translate("GlyphsmithSend", "%1 is not available: %2")
                  .arg(m_device, reason);
    finish(ExitStatus::PortUnavailable);
}

void AnimationRun::finish(int status)
{
    if (!m_running)
        return;
    m_running = false;
    m_sendCheck.stop();
    m_player.stop();
    m_connection.close();
    emit finished(status);
}
