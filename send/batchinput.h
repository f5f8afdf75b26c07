#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class QSocketNotifier;

// One line of `glyphsmith-send --batch` split into its words as a shell would split a command
// line, without being a shell: words are separated by blanks; '...' keeps everything in it as it
// is; "..." too, except that a backslash there keeps a following ", \, $ or ` as itself; outside
// quotes a backslash keeps the next character as itself; a word that begins with # begins a
// comment that runs to the end of the line. Nothing is expanded. An empty list for a line with
// no words; nothing, and `error` says why, for a quote that is not closed.
std::optional<QStringList> splitCommandLine(const QString &line, QString *error);

// Standard input, line by line, as it comes: read when the system says there is something to
// read, so that the event loop (and with it the line's pace) never waits on a slow writer.
// pause() holds lines back until resume(), and reading with them, so that a fast writer cannot
// fill the memory.
class LineReader : public QObject
{
    Q_OBJECT

public:
    static constexpr qsizetype MaxLineLength = 1024 * 1024;

    explicit LineReader(int fd, QObject *parent = nullptr);
    ~LineReader() override;

    void start();
    void pause();
    void resume();

signals:
    // A line without its end (a CR before the LF is dropped too), as UTF-8.
    void lineRead(const QString &line);
    // A line longer than MaxLineLength; nothing is read after it.
    void lineTooLong();
    void ended();

private:
    void readSome();
    void deliver();

    int m_fd;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_buffer;
    bool m_paused = false;
    bool m_atEnd = false;
    bool m_stopped = false;
};
