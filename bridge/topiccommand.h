#pragma once

#include "protocol.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What a message on one of a module's topics asks for, and why a payload is refused. Each
// topic under BASE/MODULE takes a payload as glyphsmith-send takes the same command's argument,
// so that a message published on the broker puts the bytes on the line that glyphsmith-send
// would: a text of Latin-1 characters only (never turned into '?'), at most 20 of them; a
// pattern in any of the workbench's text formats; a number in its range. A payload that is
// refused sends nothing.
namespace TopicCommand {

enum class Topic {
    Scroll,
    Animate,
    Char,
    Custom,
    Pattern,
    Arrow,
    Speed,
    Play,
    SettingsGet,
    SettingsSet,
    Message, // a whole message of the module, as the mqtt:// transport hands it over
};

// The topic under BASE/MODULE: "scroll", "settings/get", ...
QString name(Topic topic);
std::optional<Topic> fromName(const QString &name);
// Every topic a module's runner listens to.
QList<Topic> allTopics();

// The stored settings that settings/set changes; what is missing stays as it is.
struct SettingsChange
{
    std::optional<int> mode;  // 0..6
    std::optional<int> speed; // 1..4, as the configuration dialog lists them
    std::optional<QString> message;

    bool isEmpty() const { return !mode && !speed && !message; }
    friend bool operator==(const SettingsChange &, const SettingsChange &) = default;
};

struct Command
{
    enum class Action {
        Send,          // `message` through the paced queue, in order
        SendLatest,    // `message`, a picture: it replaces one still waiting for the line
        Play,          // the animation named `animation`
        StopPlaying,   // an empty payload on play
        ReadSettings,  // settings/get
        StoreSettings, // settings/set: `settings`
    };
    Action action = Action::Send;
    Protocol::Message message;
    QString animation;
    SettingsChange settings;
};

// The command a payload on `topic` stands for; nothing, with `error` saying why, for a payload
// that is refused. A single line end at the end of a text (as `mosquitto_pub -s` sends it) is
// not part of it.
std::optional<Command> parse(Topic topic, const QByteArray &payload, QString *error);

// The settings as settings/get answers them: {"message":"HELLO","mode":3,"speed":2}, a field
// null when the module's record did not hold it.
QByteArray settingsJson(const Protocol::Settings &settings);

} // namespace TopicCommand
