#include "animationrun.h"

#include "frameplayer.h"
#include "sendrequest.h"
#include "seriallink.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

namespace {

constexpr char LineSettings[] = "9600,n,8,1";
constexpr std::chrono::milliseconds SendTimeout{3000};

// Runs the event loop until `done`; false when the port went away first.
bool runUntil(const std::function<bool()> &done, const bool &lost)
{
    // Bytes in flight raise no event when they leave, so the loop also looks every 2 ms.
    QTimer look;
    look.start(2);
    while (!done() && !lost)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return !lost;
}

} // namespace

int playAnimation(const QString &device, const Animation &animation, QString *error)
{
    SerialLink link;
    link.setSettings(QLatin1String(LineSettings));
    bool failed = false;
    bool lost = false;
    QObject::connect(&link, &SerialLink::openFailed, [&failed] { failed = true; });
    QObject::connect(&link, &SerialLink::portLost, [&lost] { lost = true; });
    const auto unavailable = [&] {
        *error = QCoreApplication::translate("glyphsmith-send", "%1 is not available: %2")
                     .arg(device, link.errorString());
        return ExitStatus::PortUnavailable;
    };
    if (!link.open(device) || !runUntil([&] { return link.isOpen() || failed; }, lost) ||
        !link.isOpen())
        return unavailable();

    FramePlayer player;
    player.setFrames(animation.frames);
    player.setSend([&link](const Protocol::ColumnPattern &pattern, bool *replaced) {
        return link.outputReplacing(Protocol::dotMatrix(pattern), replaced);
    });
    player.start();
    const QDeadlineTimer sendDeadline(QDeadlineTimer::Forever);
    if (!runUntil([&] { return !player.isPlaying(); }, lost) || lost)
        return unavailable();
    const QDeadlineTimer drained(SendTimeout);
    if (!runUntil([&] { return link.allSent() || drained.hasExpired(); }, lost) || !link.allSent())
        return unavailable();
    return ExitStatus::Done;
}
