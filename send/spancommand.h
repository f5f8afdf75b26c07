#pragma once

#include "busclient.h"
#include "span.h"
#include "spanmodules.h"
#include "spanplayer.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class ConnectionPool;

// glyphsmith-send's span commands, kept apart from its command line so that a session bus
// service of the running program can carry them out the same way, through the program's own
// connections:
//   span-scroll SPAN TEXT      any text scrolled across the whole span, one dot a frame
//   span-pattern SPAN FILE|-   a picture of the span's size: text art, or a PNG
//   span-play FILE.glyphs NAME a span animation of a library file, played once
// A SPAN is a span of the library named by `library` or, without one, of the library the
// program opened last.
namespace SpanCommand {

struct Options
{
    QString library;  // --library; empty: the program's last library
    QString font;     // --font; empty: the system's general font
    int fontSize = 0; // --font-size in pixels; 0: 9 for each row of modules
    int frameMs = 50; // --frame-ms
    // Where "-" is read from; standard input for the command line.
    std::function<QByteArray()> readInput;
};

inline constexpr int DefaultFrameMs = 50;

bool isSpanCommand(const QString &name);
// The commands' lines of --help.
QString help();
// Whether `words` (the command and its arguments) draw text, which needs Qt Gui's fonts.
bool drawsText(const QStringList &words);

// The library file the program opened last: the first of its recent files, as the workbench
// keeps them in the settings group [Workbench]; empty when there is none.
QString lastLibrary();

// What a span command does: the span to do it on, and its frames (one, sent once, for
// span-pattern).
struct Request
{
    Span span;
    QList<SpanFrame> frames;
    bool playsFrames = true;
};

// The request for `words`; nothing with `error` and the exit status (ExitStatus) otherwise.
// span-scroll draws with Qt Gui's fonts, so it needs a QGuiApplication.
std::optional<Request> parse(const QStringList &words, const Options &options, QString *error,
                             int *status);

} // namespace SpanCommand

// One module of a span reached through the running program, which holds its port: each picture
// goes to the program's ShowPattern, one call at a time, and a picture due while one is under way
// waits in its place (latest wins), as on a paced line.
class ProgramLine : public QObject
{
    Q_OBJECT

public:
    explicit ProgramLine(BusClient *client, QObject *parent = nullptr);

    // False once the program has failed a call, or is gone.
    bool show(const Pattern &pattern, bool *replaced);
    bool isAvailable() const { return m_client && m_failure.isEmpty(); }
    // Nothing under way and nothing waiting.
    bool isIdle() const { return !m_call && !m_waiting; }

signals:
    void failed(const QString &reason);

private:
    void sendNow(const Pattern &pattern);
    void callOver();

    QPointer<BusClient> m_client;
    QPointer<BusCall> m_call;
    std::optional<Pattern> m_waiting;
    QString m_failure;
};

// The span player of glyphsmith-send: the module the running program holds goes through it.
class SpanRunPlayer : public SpanPlayer
{
    Q_OBJECT

public:
    using SpanPlayer::SpanPlayer;
    void setProgramModule(int module, ProgramLine *line);

protected:
    bool handOver(int module, const Pattern &pattern, bool *replaced) override;
    bool isAvailable(int module) const override;
    bool hasLine(int module) const override;

private:
    int m_programModule = -1;
    QPointer<ProgramLine> m_line;
};

// Carries out one span request on the modules of its span, each through the connection `pool`
// hands out for it: a picture sent to every module at once, or frames played in step
// (SpanPlayer). A module that is not available is passed over, the others go on; it is said in
// problems() and makes the exit status ExitStatus::PortUnavailable. finished() gives the exit
// status once every byte has left the program. With the running program on the session bus, the
// module it holds goes through it (ProgramLine) instead.
class SpanRun : public QObject
{
    Q_OBJECT

public:
    // How long network modules may take to connect, and the last bytes to leave the program.
    static constexpr std::chrono::milliseconds ConnectTimeout{5000};
    static constexpr std::chrono::milliseconds SendTimeout{3000};

    explicit SpanRun(ConnectionPool *pool, QObject *parent = nullptr);

    // The running program, and the port it holds: a module of the span on that port goes
    // through the program.
    void setProgram(BusClient *client, const BusClient::Port &port);
    void start(const SpanCommand::Request &request);
    bool isRunning() const { return m_running; }
    // One line per module that missed something, with the reason.
    QStringList problems() const { return m_problems; }
    SpanPlayer *player() { return &m_player; }

signals:
    void finished(int status);

private:
    void begin();
    void played();
    void checkSent();
    void noteOut(int module, const QString &reason);
    void finish();

    SpanModules m_modules;
    SpanRunPlayer m_player;
    QPointer<BusClient> m_client;
    std::optional<BusClient::Port> m_programPort;
    std::unique_ptr<ProgramLine> m_programLine;
    int m_programModule = -1;
    SpanCommand::Request m_request;
    QTimer m_connectWait;
    QTimer m_sendCheck;
    QDeadlineTimer m_sendDeadline;
    QStringList m_problems;
    QList<int> m_told;
    bool m_running = false;
    bool m_begun = false;
};
