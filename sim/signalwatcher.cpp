#include "signalwatcher.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler cannot reach an object, so the socket pair lives here; one watcher per process.
int s_pair[2] = {-1, -1};
constexpr int WatchedSignals[] = {SIGINT, SIGTERM, SIGHUP};

} // namespace

SignalWatcher::SignalWatcher(QObject *parent)
    : QObject(parent)
{
    Q_ASSERT(s_pair[0] < 0);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_pair) != 0)
        return;
    m_notifier = new QSocketNotifier(s_pair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalWatcher::readSignal);

    struct sigaction action
    {};
    action.sa_handler = &SignalWatcher::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : WatchedSignals)
        ::sigaction(signal, &action, nullptr);
}

SignalWatcher::~SignalWatcher()
{
    for (int signal : WatchedSignals)
        ::signal(signal, SIG_DFL);
    for (int &fd : s_pair) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void SignalWatcher::handle(int signal)
{
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(s_pair[0], &byte, 1);
}

void SignalWatcher::readSignal()
{
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::read(s_pair[1], &byte, 1);
    emit terminationRequested();
}
