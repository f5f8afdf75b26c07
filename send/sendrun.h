#pragma once

#include "sendchannel.h"
#include "sendrequest.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

// What glyphsmith-send does with its commands: one from the command line, or one per line of
// standard input (--batch). Each is read as the command line reads it, and sent in order through
// a channel (the running program, or a port of its own) at the line's pace: messages without an
// answer a few at a time, so that the line never waits and nothing piles up before it; a command
// that waits for the module's answer, or plays an animation, once everything before it has gone.
// The first failure ends the run, and its exit status is the run's; in a batch its message names
// the line. 'settings' prints what the module keeps.
class SendRun : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        bool batch = false;
        bool json = false;
        QString format; // for 'pattern' commands
    };
    using ChannelFactory = std::function<std::unique_ptr<SendChannel>()>;

    // The run starts on `channel`; when that finds that no program took its first request
    // (nothingDone), the run goes on through `fallback`'s channel from that request on.
    SendRun(const Options &options, std::unique_ptr<SendChannel> channel,
            ChannelFactory fallback = {}, QObject *parent = nullptr);
    ~SendRun() override;

    // A command's words, `line` its line number (0 on the command line).
    void add(int line, const QStringList &words);
    // A command read already.
    void add(int line, const SendRequest &request);
    // A line that could not be read (a quote not closed, say): the run fails there.
    void addFailure(int line, int status, const QString &reason);
    // No more commands after those added.
    void endOfInput();
    // Commands added and not yet under way: a reader pauses when there are many.
    qsizetype backlog() const { return m_waiting.size(); }

signals:
    // The run is over, with its exit status; the failure was printed.
    void finished(int status);
    // backlog() went down.
    void wantsMore();

private:
    struct Item
    {
        int line = 0;
        QStringList words;
        std::optional<SendRequest> request; // parsed
        int status = ExitStatus::Done;      // a failure known before sending
        QString error;
    };

    void setChannel(std::unique_ptr<SendChannel> channel);
    void pump();
    void done(const SendChannel::Outcome &outcome);
    void channelFinished(const SendChannel::Outcome &outcome);
    void fail(int line, int status, QString reason);
    bool parse(Item &item);
    void print(const SendRequest &request, const QByteArray &reply, int line);

    Options m_options;
    std::unique_ptr<SendChannel> m_channel;
    ChannelFactory m_fallback;
    QList<Item> m_waiting;
    QList<Item> m_underWay;
    bool m_inputEnded = false;
    bool m_anyDone = false; // a request went through the channel
    bool m_exclusive = false;
    bool m_finishing = false;
    bool m_over = false;
    int m_failureStatus = ExitStatus::Done;
};
