#include "ptyport.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(GlyphsmithSim)
};

} // namespace

PtyPort::PtyPort(QObject *parent)
    : QObject(parent)
{}

PtyPort::~PtyPort()
{
    removeLink();
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool PtyPort::fail(const QString &what)
{
    m_errorString = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool PtyPort::open(const QString &linkPath, bool replace)
{
    Q_ASSERT(m_master < 0);
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return fail(Texts::tr("cannot open a pseudo-terminal"));
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return fail(Texts::tr("cannot unlock the pseudo-terminal"));
    const char *name = ::ptsname(m_master);
    if (!name)
        return fail(Texts::tr("pseudo-terminal has no slave name"));
    m_slavePath = QString::fromLocal8Bit(name);

    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        return fail(Texts::tr("cannot open %1").arg(m_slavePath));
    // No echo, no line editing, no newline translation: the line carries bytes, not text.
    termios raw{};
    if (::tcgetattr(m_slave, &raw) != 0)
        return fail(Texts::tr("cannot read the terminal settings"));
    ::cfmakeraw(&raw);
    ::cfsetspeed(&raw, B9600);
    if (::tcsetattr(m_slave, TCSANOW, &raw) != 0)
        return fail(Texts::tr("cannot set the terminal raw"));
    if (::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK) != 0)
        return fail(Texts::tr("cannot make the pseudo-terminal non-blocking"));

    if (!linkPath.isEmpty()) {
        m_linkFailed = true;
        if (!claimLink(linkPath, replace))
            return false;
        const QByteArray link = QFile::encodeName(linkPath);
        struct stat info
        {};
        if (::lstat(link.constData(), &info) == 0) {
            if (!S_ISLNK(info.st_mode)) {
                errno = EEXIST;
                return fail(Texts::tr("%1 exists and is no symbolic link").arg(linkPath));
            }
            if (::unlink(link.constData()) != 0)
                return fail(Texts::tr("cannot remove the old link %1").arg(linkPath));
        }
        if (::symlink(name, link.constData()) != 0)
            return fail(Texts::tr("cannot create the link %1").arg(linkPath));
        m_linkPath = linkPath;
        m_linkFailed = false;
    }

    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &PtyPort::readAvailable);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &PtyPort::writePending);
    return true;
}

void PtyPort::setBaud(int baud)
{
    m_byteTime =
        baud > 0 ? std::chrono::nanoseconds(10'000'000'000LL / baud) : std::chrono::nanoseconds(0);
    if (!m_paceTimer) {
        m_paceTimer = new QTimer(this);
        m_paceTimer->setSingleShot(true);
        m_paceTimer->setTimerType(Qt::PreciseTimer);
        connect(m_paceTimer, &QTimer::timeout, this, &PtyPort::readPaced);
    }
}

// Takes the bytes that a line of the set speed has delivered by now, one byte time after the
// other from when it began to carry them; the rest stays in the pty until its time comes.
void PtyPort::readPaced()
{
    using namespace std::chrono;
    const auto now = steady_clock::now();
    // On a line that had gone idle the first waiting byte is taken at once, the others at the
    // line's pace. A timer that fires late only means more bytes are due.
    if (m_lineIdle && m_lineFree + m_byteTime < now)
        m_lineFree = now - m_byteTime;
    m_lineIdle = false;
    const qint64 due = (now - m_lineFree) / m_byteTime;
    QByteArray bytes(qsizetype(due), Qt::Uninitialized);
    ssize_t n;
    do {
        n = ::read(m_master, bytes.data(), size_t(due));
    } while (n < 0 && errno == EINTR);
    if (n > 0) {
        // Each byte with its own arrival time, so that bytes taken together after a late timer
        // still read as one unbroken message.
        for (ssize_t i = 0; i < n; ++i) {
            m_lineFree += m_byteTime;
            emit received(bytes.mid(i, 1), m_lineFree);
        }
    } else if (n < 0 && errno != EAGAIN) {
        qWarning("glyphsmith-sim: reading the pseudo-terminal failed: %s", std::strerror(errno));
        m_readNotifier->setEnabled(false);
        return;
    }
    int waiting = 0;
    if (n == due && ::ioctl(m_master, FIONREAD, &waiting) == 0 && waiting > 0) {
        // More waiting: look again when the next few bytes have had their time.
        m_readNotifier->setEnabled(false);
        m_paceTimer->start(duration_cast<milliseconds>(m_byteTime * 2) + milliseconds(1));
    } else {
        // Nothing left in the pty: the line is idle from its last byte on. Bytes the program
        // writes later start on the line when they come, not straight after these, even when
        // this simulator is woken late for them (several modules side by side are then stamped
        // alike).
        m_lineIdle = true;
        m_readNotifier->setEnabled(true);
    }
}

void PtyPort::takeDue()
{
    if (m_byteTime > std::chrono::nanoseconds(0) && m_master >= 0)
        readPaced();
}

void PtyPort::readAvailable()
{
    if (m_byteTime > std::chrono::nanoseconds(0)) {
        readPaced();
        return;
    }
    QByteArray bytes;
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            // Cannot happen while our own slave descriptor is open; stop rather than spin.
            qWarning("glyphsmith-sim: reading the pseudo-terminal failed: %s",
                     std::strerror(errno));
            m_readNotifier->setEnabled(false);
        }
        break;
    }
    if (!bytes.isEmpty())
        emit received(bytes, std::chrono::steady_clock::now());
}

void PtyPort::write(const QByteArray &bytes)
{
    if (m_master < 0)
        return;
    m_outgoing += bytes;
    writePending();
}

void PtyPort::writePending()
{
    while (!m_outgoing.isEmpty()) {
        const ssize_t n = ::write(m_master, m_outgoing.constData(), size_t(m_outgoing.size()));
        if (n > 0) {
            m_outgoing.remove(0, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            qWarning("glyphsmith-sim: writing the pseudo-terminal failed: %s",
                     std::strerror(errno));
            m_outgoing.clear();
        }
        break;
    }
    // The program is not reading and the pty's buffer is full: go on when it has room.
    m_writeNotifier->setEnabled(!m_outgoing.isEmpty());
}

namespace {

// The process id in an owner file, if the file holds one.
std::optional<qint64> ownerIn(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const qint64 pid = file.read(32).trimmed().toLongLong(&ok);
    return ok && pid > 0 ? std::optional<qint64>(pid) : std::nullopt;
}

// A live simulator: the process exists and is one (a stale file may name a reused id).
bool isLiveSimulator(qint64 pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "glyphsmith-sim";
}

} // namespace

bool PtyPort::claimLink(const QString &linkPath, bool replace)
{
    const QString owner = linkPath + QStringLiteral(".owner");
    if (const auto pid = ownerIn(owner);
        pid && *pid != ::getpid() && isLiveSimulator(*pid) && !replace) {
        m_errorString = Texts::tr("%1 is served by another simulator (process %2); stop it, "
                                  "or pass --replace to take the link over")
                            .arg(linkPath)
                            .arg(*pid);
        return false;
    }
    QFile file(owner);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(QByteArray::number(qint64(::getpid())) + '\n') < 0) {
        m_errorString =
            Texts::tr("cannot create the link %1: %2").arg(linkPath, file.errorString());
        return false;
    }
    return true;
}

void PtyPort::removeLink()
{
    if (m_linkPath.isEmpty())
        return;
    if (ownerIn(ownerPath()) == qint64(::getpid()))
        QFile::remove(ownerPath());
    // Another simulator may have taken the path over since; its link is not ours to remove.
    const QByteArray link = QFile::encodeName(m_linkPath);
    char target[4096];
    const ssize_t n = ::readlink(link.constData(), target, sizeof target - 1);
    if (n >= 0 && QByteArray(target, n) == QFile::encodeName(m_slavePath))
        ::unlink(link.constData());
    m_linkPath.clear();
}
