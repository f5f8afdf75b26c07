#include "batchinput.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <unistd.h>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(GlyphsmithSend)
};

} // namespace

std::optional<QStringList> splitCommandLine(const QString &line, QString *error)
{
    QStringList words;
    QString word;
    bool inWord = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n') {
            if (inWord)
                words.append(std::exchange(word, QString()));
            inWord = false;
            continue;
        }
        if (c == u'#' && !inWord)
            break;
        inWord = true;
        if (c == u'\\') {
            if (i + 1 < line.size())
                word += line.at(++i);
            continue;
        }
        if (c == u'\'') {
            const qsizetype end = line.indexOf(u'\'', i + 1);
            if (end < 0) {
                *error = Texts::tr("a ' is not closed");
                return std::nullopt;
            }
            word += line.mid(i + 1, end - i - 1);
            i = end;
            continue;
        }
        if (c == u'"') {
            qsizetype j = i + 1;
            for (; j < line.size() && line.at(j) != u'"'; ++j) {
                if (line.at(j) == u'\\' && j + 1 < line.size() &&
                    QStringView(u"\"\\$`").contains(line.at(j + 1)))
                    ++j;
                word += line.at(j);
            }
            if (j >= line.size()) {
                *error = Texts::tr("a \" is not closed");
                return std::nullopt;
            }
            i = j;
            continue;
        }
        word += c;
    }
    if (inWord)
        words.append(word);
    return words;
}

LineReader::LineReader(int fd, QObject *parent)
    : QObject(parent)
    , m_fd(fd)
{}

LineReader::~LineReader() = default;

void LineReader::start()
{
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &LineReader::readSome);
}

void LineReader::pause()
{
    m_paused = true;
    if (m_notifier)
        m_notifier->setEnabled(false);
}

void LineReader::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    deliver();
    if (!m_paused && m_notifier && !m_atEnd && !m_stopped)
        m_notifier->setEnabled(true);
}

// Called only when the system says there is something to read: read() does not block then.
void LineReader::readSome()
{
    char chunk[65536];
    const ssize_t count = ::read(m_fd, chunk, sizeof chunk);
    if (count < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (count <= 0) {
        m_atEnd = true;
        m_notifier->setEnabled(false);
    } else {
        m_buffer.append(chunk, count);
    }
    deliver();
}

void LineReader::deliver()
{
    while (!m_paused && !m_stopped) {
        const qsizetype end = m_buffer.indexOf('\n');
        if (end < 0)
            break;
        QByteArray line = m_buffer.left(end);
        m_buffer.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        emit lineRead(QString::fromUtf8(line));
    }
    if (m_paused || m_stopped)
        return;
    if (m_buffer.size() > MaxLineLength) {
        m_stopped = true;
        m_notifier->setEnabled(false);
        emit lineTooLong();
        return;
    }
    if (m_atEnd) {
        m_stopped = true;
        if (!m_buffer.isEmpty()) {
            const QByteArray last = std::exchange(m_buffer, QByteArray());
            emit lineRead(QString::fromUtf8(last.endsWith('\r') ? last.chopped(1) : last));
        }
        emit ended();
    }
}
