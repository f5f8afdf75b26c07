#include "sendrun.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(GlyphsmithSend)
};

// A reason ends in a period when it is a sentence of its own (a library's reader says so);
// the hint follows after a semicolon, so the period goes.
QString usage(QString reason)
{
    while (reason.endsWith(u'.'))
        reason.chop(1);
    return reason + Texts::tr("; try 'glyphsmith-send --help'");
}

void printSettings(const Protocol::Settings &settings, bool json)
{
    if (json) {
        QJsonObject object;
        // Nothing stored is null, as a value the record does not carry is.
        object.insert(QLatin1String("mode"), settings.modeIndex && !settings.modeNotStored
                                                 ? QJsonValue(*settings.modeIndex)
                                                 : QJsonValue());
        object.insert(QLatin1String("speed"), settings.speedIndex && !settings.speedNotStored
                                                  ? QJsonValue(*settings.speedIndex + 1)
                                                  : QJsonValue());
        object.insert(QLatin1String("message"),
                      settings.message ? QJsonValue(*settings.message) : QJsonValue());
        std::printf("%s\n", QJsonDocument(object).toJson(QJsonDocument::Compact).constData());
        std::fflush(stdout);
        return;
    }
    // Lines that scripts read: the same words in every language.
    const auto shown = [](const std::optional<int> &value, bool notStored) {
        if (notStored)
            return QStringLiteral("not stored");
        return value ? QString::number(*value) : QStringLiteral("unknown");
    };
    std::printf("mode %s\n", qPrintable(shown(settings.modeIndex, settings.modeNotStored)));
    std::printf("speed %s\n",
                qPrintable(shown(settings.speedIndex ? std::optional<int>(*settings.speedIndex + 1)
                                                     : std::nullopt,
                                 settings.speedNotStored)));
    // A length the record cannot have: no message, as the dialog shows it.
    std::printf("message %s\n", settings.messageNotStored
                                    ? "not stored"
                                    : settings.message.value_or(QString()).toUtf8().constData());
    std::fflush(stdout);
}

} // namespace

SendRun::SendRun(const Options &options, std::unique_ptr<SendChannel> channel,
                 ChannelFactory fallback, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_fallback(std::move(fallback))
{
    setChannel(std::move(channel));
}

SendRun::~SendRun() = default;

void SendRun::setChannel(std::unique_ptr<SendChannel> channel)
{
    if (m_channel) {
        disconnect(m_channel.get(), nullptr, this, nullptr);
        m_channel.release()->deleteLater(); // may be inside one of its signals
    }
    m_channel = std::move(channel);
    connect(m_channel.get(), &SendChannel::done, this, &SendRun::done);
    connect(m_channel.get(), &SendChannel::finished, this, &SendRun::channelFinished);
}

void SendRun::add(int line, const QStringList &words)
{
    m_waiting.append({line, words, std::nullopt, ExitStatus::Done, QString()});
    pump();
}

void SendRun::add(int line, const SendRequest &request)
{
    m_waiting.append({line, {}, request, ExitStatus::Done, QString()});
    pump();
}

void SendRun::addFailure(int line, int status, const QString &reason)
{
    m_waiting.append({line, {}, std::nullopt, status, reason});
    pump();
}

void SendRun::endOfInput()
{
    m_inputEnded = true;
    pump();
}

bool SendRun::parse(Item &item)
{
    const QString command = item.words.value(0);
    if (m_options.batch && command == QLatin1String("pattern") &&
        item.words.value(1) == QLatin1String("-")) {
        item.status = ExitStatus::BadUsage;
        item.error =
            Texts::tr("'pattern -' would read standard input, which holds the commands; give "
                      "the pattern on the line");
        return false;
    }
    // In a batch --format is for the lines that send a pattern, and --json for those that read
    // the settings; on the command line each goes with its command only.
    const QString format =
        !m_options.batch || command == QLatin1String("pattern") ? m_options.format : QString();
    QString error;
    item.request = parseSendCommand(item.words, &error, format);
    if (item.request)
        return true;
    item.status = ExitStatus::BadUsage;
    item.error = usage(error);
    return false;
}

void SendRun::pump()
{
    if (m_over || m_finishing)
        return;
    while (!m_waiting.isEmpty() && !m_exclusive) {
        Item &item = m_waiting.first();
        if (item.status == ExitStatus::Done && !item.request)
            parse(item);
        if (item.status != ExitStatus::Done) {
            // What went before it is sent first: the batch stops at this line.
            if (m_underWay.isEmpty())
                fail(item.line, item.status, item.error);
            return;
        }
        const bool plain =
            item.request->reply == SendRequest::Reply::None && !item.request->animation;
        if (plain ? m_underWay.size() >= SendChannel::Window : !m_underWay.isEmpty())
            break;
        m_exclusive = !plain;
        m_underWay.append(m_waiting.takeFirst());
        m_channel->submit(*m_underWay.constLast().request);
        emit wantsMore();
    }
    if (m_waiting.isEmpty() && m_underWay.isEmpty() && m_inputEnded) {
        m_finishing = true;
        m_channel->finish();
    }
}

void SendRun::done(const SendChannel::Outcome &outcome)
{
    if (m_over || m_underWay.isEmpty())
        return;
    if (outcome.nothingDone && !m_anyDone && m_fallback) {
        // No program took it after all (it let the port go meanwhile, or has gone): everything
        // under way goes the other way, in the same order.
        const ChannelFactory fallback = std::exchange(m_fallback, {});
        const QList<Item> again = std::exchange(m_underWay, {});
        m_exclusive = false;
        setChannel(fallback());
        for (auto it = again.crbegin(); it != again.crend(); ++it)
            m_waiting.prepend(*it);
        pump();
        return;
    }
    const Item item = m_underWay.takeFirst();
    m_exclusive = false;
    if (outcome.status != ExitStatus::Done) {
        fail(item.line, outcome.status, outcome.error);
        return;
    }
    m_anyDone = true;
    if (item.request->reply == SendRequest::Reply::Settings) {
        const Protocol::Settings settings = Protocol::decodeSettings(outcome.reply);
        if (!settings.modeIndex && !settings.speedIndex && !settings.message) {
            fail(item.line, ExitStatus::NoReply,
                 Texts::tr("the module's answer is no settings record: %1")
                     .arg(Protocol::hexString(outcome.reply.left(24))));
            return;
        }
        printSettings(settings, m_options.json);
    }
    pump();
}

// What went out before stays on its way: the channel is finished (a port of its own is closed
// once its bytes have left), and the run ends with this failure.
void SendRun::fail(int line, int status, QString reason)
{
    if (m_over || m_finishing)
        return;
    if (line > 0)
        reason = Texts::tr("line %1: %2").arg(line).arg(reason);
    std::fprintf(stderr, "glyphsmith-send: %s\n", qPrintable(reason));
    m_failureStatus = status;
    m_finishing = true;
    m_waiting.clear();
    m_channel->finish();
}

void SendRun::channelFinished(const SendChannel::Outcome &outcome)
{
    if (m_over)
        return;
    m_over = true;
    int status = m_failureStatus;
    if (status == ExitStatus::Done && outcome.status != ExitStatus::Done) {
        std::fprintf(stderr, "glyphsmith-send: %s\n", qPrintable(outcome.error));
        status = outcome.status;
    }
    emit finished(status);
}
