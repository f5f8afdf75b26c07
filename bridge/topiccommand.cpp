#include "topiccommand.h"

#include "textformats.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <map>

namespace TopicCommand {

namespace {

// Free functions name this context in each call (Texts::tr), as lupdate needs to see it.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(TopicCommand)
};

const std::map<Topic, QString> &names()
{
    static const std::map<Topic, QString> table = {
        {Topic::Scroll, QStringLiteral("scroll")},
        {Topic::Animate, QStringLiteral("animate")},
        {Topic::Char, QStringLiteral("char")},
        {Topic::Custom, QStringLiteral("custom")},
        {Topic::Pattern, QStringLiteral("pattern")},
        {Topic::Arrow, QStringLiteral("arrow")},
        {Topic::Speed, QStringLiteral("speed")},
        {Topic::Play, QStringLiteral("play")},
        {Topic::SettingsGet, QStringLiteral("settings/get")},
        {Topic::SettingsSet, QStringLiteral("settings/set")},
        {Topic::Message, QStringLiteral("message")},
    };
    return table;
}

// The payload as text: UTF-8, one line end at the end dropped.
std::optional<QString> textOf(const QByteArray &payload, QString *error)
{
    QByteArray bytes = payload;
    if (bytes.endsWith('\n'))
        bytes.chop(bytes.endsWith("\r\n") ? 2 : 1);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError()) {
        *error = Texts::tr("the payload is not UTF-8 text");
        return std::nullopt;
    }
    return text;
}

// Text for the module: Latin-1 only, at most `limit` characters.
std::optional<QString> moduleText(const QByteArray &payload, int limit, QString *error)
{
    const auto text = textOf(payload, error);
    if (!text)
        return std::nullopt;
    for (qsizetype i = 0; i < text->size(); ++i) {
        const QChar c = text->at(i);
        if (c.unicode() > 0xFF) {
            *error = Texts::tr("'%1' cannot be sent: the module shows Latin-1 characters only")
                         .arg(c.isHighSurrogate() ? text->mid(i, 2) : QString(c));
            return std::nullopt;
        }
    }
    if (text->size() > limit) {
        *error = Texts::tr("the text has %1 characters; the module takes at most %2")
                     .arg(text->size())
                     .arg(limit);
        return std::nullopt;
    }
    return text;
}

std::optional<int> number(const QByteArray &payload, int low, int high, const QString &what,
                          QString *error)
{
    const auto text = textOf(payload, error);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int value = text->trimmed().toInt(&ok);
    if (!ok || value < low || value > high) {
        *error = Texts::tr("%1 must be a number from %2 to %3, not '%4'")
                     .arg(what)
                     .arg(low)
                     .arg(high)
                     .arg(text->left(40));
        return std::nullopt;
    }
    return value;
}

// A pattern in any of the workbench's formats; eight bare hex bytes are the module's bytes.
std::optional<Pattern> pattern(const QByteArray &payload, QString *error)
{
    const auto text = textOf(payload, error);
    if (!text)
        return std::nullopt;
    const TextFormats::Detection detection = TextFormats::detect(*text);
    if (detection.formats.isEmpty()) {
        *error =
            Texts::tr("'%1' is no pattern: %2").arg(text->simplified().left(60), detection.error);
        return std::nullopt;
    }
    const TextFormats::Format format = detection.formats.contains(TextFormats::Format::ModuleBytes)
                                           ? TextFormats::Format::ModuleBytes
                                           : detection.formats.first();
    const TextFormats::Parsed parsed = TextFormats::parse(*text, format);
    if (!parsed.pattern) {
        *error = Texts::tr("'%1' is no pattern in the format %2: %3")
                     .arg(text->simplified().left(60), TextFormats::id(format), parsed.error);
        return std::nullopt;
    }
    return parsed.pattern;
}

std::optional<SettingsChange> settingsChange(const QByteArray &payload, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(payload, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = Texts::tr("the payload is not JSON: %1 at byte %2")
                     .arg(parseError.errorString())
                     .arg(parseError.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        *error = Texts::tr("the payload must be a JSON object such as {\"mode\":3,\"speed\":2,"
                           "\"message\":\"HELLO\"}");
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    SettingsChange change;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString key = it.key();
        const QJsonValue value = it.value();
        if (key == QLatin1String("mode") || key == QLatin1String("speed")) {
            const bool isMode = key == QLatin1String("mode");
            const int low = isMode ? 0 : 1;
            const int high = isMode ? Protocol::StartupModeCount - 1 : 4;
            const double number = value.toDouble(-1);
            if (!value.isDouble() || number != int(number) || number < low || number > high) {
                *error = Texts::tr("\"%1\" must be a whole number from %2 to %3")
                             .arg(key)
                             .arg(low)
                             .arg(high);
                return std::nullopt;
            }
            (isMode ? change.mode : change.speed) = int(number);
        } else if (key == QLatin1String("message")) {
            if (!value.isString()) {
                *error = Texts::tr("\"message\" must be a text");
                return std::nullopt;
            }
            const auto text = moduleText(value.toString().toUtf8(), Protocol::MaxTextLength, error);
            if (!text)
                return std::nullopt;
            change.message = *text;
        } else {
            *error = Texts::tr("unknown setting \"%1\": the settings are mode, speed and message")
                         .arg(key);
            return std::nullopt;
        }
    }
    if (change.isEmpty()) {
        *error = Texts::tr("no setting given: the settings are mode, speed and message");
        return std::nullopt;
    }
    return change;
}

Command sending(const Protocol::Message &message)
{
    Command command;
    command.message = message;
    return command;
}

} // namespace

QString name(Topic topic)
{
    return names().at(topic);
}

std::optional<Topic> fromName(const QString &name)
{
    for (const auto &[topic, topicName] : names()) {
        if (topicName == name)
            return topic;
    }
    return std::nullopt;
}

QList<Topic> allTopics()
{
    QList<Topic> topics;
    for (const auto &entry : names())
        topics.append(entry.first);
    return topics;
}

std::optional<Command> parse(Topic topic, const QByteArray &payload, QString *error)
{
    using R = std::optional<Command>;
    switch (topic) {
    case Topic::Scroll:
    case Topic::Animate: {
        const auto text = moduleText(payload, Protocol::MaxTextLength, error);
        if (!text)
            return std::nullopt;
        return sending(topic == Topic::Scroll ? Protocol::scroll(*text) : Protocol::animate(*text));
    }
    case Topic::Char: {
        const auto text = moduleText(payload, 1, error);
        return text ? R(sending(Protocol::showChar(*text))) : std::nullopt;
    }
    case Topic::Custom: {
        const auto n = number(payload, 0, Protocol::CustomCharacterCount - 1,
                              Texts::tr("the position"), error);
        return n ? R(sending(Protocol::showCustom(*n))) : std::nullopt;
    }
    case Topic::Pattern: {
        const auto shown = pattern(payload, error);
        if (!shown)
            return std::nullopt;
        Command command = sending(Protocol::dotMatrix(shown->columns()));
        command.action = Command::Action::SendLatest;
        return command;
    }
    case Topic::Arrow: {
        static const std::map<QString, Protocol::Direction> directions = {
            {QStringLiteral("up"), Protocol::DIR_UP},
            {QStringLiteral("down"), Protocol::DIR_DOWN},
            {QStringLiteral("right"), Protocol::DIR_RIGHT},
            {QStringLiteral("left"), Protocol::DIR_LEFT}};
        const auto text = textOf(payload, error);
        if (!text)
            return std::nullopt;
        const auto it = directions.find(text->trimmed().toLower());
        if (it == directions.end()) {
            *error = Texts::tr("the direction must be up, down, left or right, not '%1'")
                         .arg(text->left(40));
            return std::nullopt;
        }
        return sending(Protocol::builtinAnimation(it->second));
    }
    case Topic::Speed: {
        const auto n = number(payload, 1, 4, Texts::tr("the speed"), error);
        return n ? R(sending(Protocol::setSpeed(Protocol::SpeedCode[size_t(*n - 1)])))
                 : std::nullopt;
    }
    case Topic::Play: {
        const auto text = textOf(payload, error);
        if (!text)
            return std::nullopt;
        Command command;
        command.animation = *text;
        command.action = text->isEmpty() ? Command::Action::StopPlaying : Command::Action::Play;
        return command;
    }
    case Topic::SettingsGet: {
        Command command;
        command.action = Command::Action::ReadSettings;
        return command;
    }
    case Topic::SettingsSet: {
        const auto change = settingsChange(payload, error);
        if (!change)
            return std::nullopt;
        Command command;
        command.action = Command::Action::StoreSettings;
        command.settings = *change;
        return command;
    }
    case Topic::Message: {
        // The longest message the module knows is a command byte and a text of 20.
        const quint8 first = payload.isEmpty() ? 0 : quint8(payload.at(0));
        if (first < Protocol::CMD_READ_SETTINGS || payload.size() > 1 + Protocol::MaxTextLength) {
            *error = Texts::tr("%1 bytes beginning with %2 are no message of the module")
                         .arg(payload.size())
                         .arg(payload.isEmpty() ? Texts::tr("nothing")
                                                : Protocol::hexString(payload.left(1)));
            return std::nullopt;
        }
        Command command = sending({first, payload.mid(1)});
        if (first == Protocol::CMD_DOT_MATRIX && payload.size() == 1 + Protocol::ColumnCount)
            command.action = Command::Action::SendLatest;
        return command;
    }
    }
    *error = Texts::tr("unknown topic");
    return std::nullopt;
}

QByteArray settingsJson(const Protocol::Settings &settings)
{
    QJsonObject object;
    object.insert(QLatin1String("mode"),
                  settings.modeIndex ? QJsonValue(*settings.modeIndex) : QJsonValue());
    object.insert(QLatin1String("speed"),
                  settings.speedIndex ? QJsonValue(*settings.speedIndex + 1) : QJsonValue());
    object.insert(QLatin1String("message"),
                  settings.message ? QJsonValue(*settings.message) : QJsonValue());
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace TopicCommand
