#pragma once

#include "animation.h"
#include "moduletarget.h"
#include "topiccommand.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class TargetFramePlayer;

// One module on the broker: the topics under BASE/MODULE turned into the module's messages, its
// state published retained on BASE/MODULE/state, refused payloads reported on BASE/MODULE/error
// with the reason (and nothing sent for them), the answers of settings/get and settings/set as
// JSON on BASE/MODULE/settings, and what the module sends by itself on BASE/MODULE/received.
// Everything goes to the module through its ModuleTarget: texts and commands in order, dot
// patterns and animation frames latest-wins, so that a flood of pictures never builds a
// backlog behind the line.
class ModuleRunner : public QObject
{
    Q_OBJECT

public:
    using Publisher =
        std::function<void(const QString &topic, const QByteArray &payload, bool retain)>;

    // `topicPrefix` is "BASE/MODULE"; `library` a .glyphs file whose animations play plays (may
    // be empty). The runner owns `target`.
    ModuleRunner(const QString &name, const QString &topicPrefix, const QString &library,
                 std::unique_ptr<ModuleTarget> target, Publisher publisher,
                 QObject *parent = nullptr);
    ~ModuleRunner() override;

    QString name() const { return m_name; }
    QString topicPrefix() const { return m_prefix; }
    ModuleTarget &target() { return *m_target; }

    void start();
    void stop();

    // The command topics to subscribe to, whole.
    QStringList commandTopics() const;
    // Handles a message on one of them; false for a topic that is not the runner's.
    bool handle(const QString &topic, const QByteArray &payload);
    // The state as last published, and publishing it again (after a broker reconnection).
    QString state() const { return m_state; }
    void publishState();
    // The names of the library's animations, as play takes them.
    QStringList animationNames() const;

signals:
    void stateChanged(const QString &state);
    // Something was refused; the same reason went to BASE/MODULE/error.
    void refused(const QString &reason);

private:
    struct SettingsStep
    {
        Protocol::Message message;
        int waits;
        QString what;
    };

    void execute(TopicCommand::Topic topic, const TopicCommand::Command &command);
    void refuse(TopicCommand::Topic topic, const QString &reason);
    void targetStateChanged();
    void play(const QString &name);
    void queueSettings(const TopicCommand::Command &command);
    void nextSettingsJob();
    void runSettingsStep();
    void settingsStepDone(ModuleTarget::Outcome outcome, const QByteArray &reply);
    void publish(const QString &subtopic, const QByteArray &payload, bool retain = false);

    QString m_name;
    QString m_prefix;
    QString m_library;
    std::unique_ptr<ModuleTarget> m_target;
    Publisher m_publisher;
    std::unique_ptr<TargetFramePlayer> m_player;
    QString m_state;
    // settings/get and settings/set, one at a time: each a list of exchanges, the last a read.
    QList<QList<SettingsStep>> m_settingsJobs;
    QList<SettingsStep> m_steps;
    TopicCommand::Topic m_settingsTopic = TopicCommand::Topic::SettingsGet;
    bool m_settingsBusy = false;
};
