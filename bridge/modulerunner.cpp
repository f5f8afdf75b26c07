#include "modulerunner.h"

#include "frameplayer.h"
#include "patternlibrary.h"

namespace {

constexpr char StateTopic[] = "state";
constexpr char ErrorTopic[] = "error";
constexpr char SettingsTopic[] = "settings";
constexpr char ReceivedTopic[] = "received";

} // namespace

// Frames go to the runner's target, latest wins, as the Frames window's "Play on Module" hands
// them to its connection.
class TargetFramePlayer : public FramePlayer
{
public:
    explicit TargetFramePlayer(ModuleTarget &target)
        : m_target(target)
    {}

protected:
    bool handOver(const Pattern &pattern, bool *replaced) override
    {
        return m_target.sendLatest(Protocol::dotMatrix(pattern.columns()), replaced);
    }
    bool sendsToModule() const override { return true; }

private:
    ModuleTarget &m_target;
};

ModuleRunner::ModuleRunner(const QString &name, const QString &topicPrefix, const QString &library,
                           std::unique_ptr<ModuleTarget> target, Publisher publisher,
                           QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_prefix(topicPrefix)
    , m_library(library)
    , m_target(std::move(target))
    , m_publisher(std::move(publisher))
    , m_player(std::make_unique<TargetFramePlayer>(*m_target))
{
    connect(m_target.get(), &ModuleTarget::stateChanged, this, &ModuleRunner::targetStateChanged);
    connect(m_target.get(), &ModuleTarget::received, this,
            [this](const QByteArray &bytes) { publish(QLatin1String(ReceivedTopic), bytes); });
}

ModuleRunner::~ModuleRunner()
{
    m_player->stop();
}

void ModuleRunner::start()
{
    m_target->start();
}

void ModuleRunner::stop()
{
    m_player->stop();
    m_target->stop();
}

QStringList ModuleRunner::commandTopics() const
{
    QStringList topics;
    for (const TopicCommand::Topic topic : TopicCommand::allTopics())
        topics << m_prefix + u'/' + TopicCommand::name(topic);
    return topics;
}

bool ModuleRunner::handle(const QString &topic, const QByteArray &payload)
{
    if (!topic.startsWith(m_prefix + u'/'))
        return false;
    const auto which = TopicCommand::fromName(topic.mid(m_prefix.size() + 1));
    if (!which)
        return false;
    QString error;
    const auto command = TopicCommand::parse(*which, payload, &error);
    if (!command) {
        refuse(*which, error);
        return true;
    }
    execute(*which, *command);
    return true;
}

void ModuleRunner::execute(TopicCommand::Topic topic, const TopicCommand::Command &command)
{
    using Action = TopicCommand::Command::Action;
    switch (command.action) {
    case Action::Send:
    case Action::SendLatest: {
        if (!m_target->isOpen()) {
            refuse(topic, tr("the module is not open (%1)")
                              .arg(m_state.isEmpty() ? tr("connecting") : m_state));
            return;
        }
        // A message of someone else's stops an animation, as a click on the module's buttons
        // in the program does.
        if (topic != TopicCommand::Topic::Message)
            m_player->stop();
        const bool sent = command.action == Action::SendLatest
                              ? m_target->sendLatest(command.message)
                              : m_target->send(command.message);
        if (!sent)
            refuse(topic, tr("the module's port refused the message"));
        return;
    }
    case Action::Play:
        play(command.animation);
        return;
    case Action::StopPlaying:
        m_player->stop();
        return;
    case Action::ReadSettings:
    case Action::StoreSettings:
        queueSettings(command);
        return;
    }
}

void ModuleRunner::refuse(TopicCommand::Topic topic, const QString &reason)
{
    const QString text = TopicCommand::name(topic) + QLatin1String(": ") + reason;
    publish(QLatin1String(ErrorTopic), text.toUtf8());
    emit refused(text);
}

QStringList ModuleRunner::animationNames() const
{
    if (m_library.isEmpty())
        return {};
    QString error;
    const auto library = PatternLibrary::read(m_library, &error);
    QStringList names;
    if (library) {
        for (const Animation &animation : library->animations)
            names << animation.name;
    }
    return names;
}

// The library is read at every play, so that an animation changed in the program plays as it is
// now.
void ModuleRunner::play(const QString &name)
{
    const auto topic = TopicCommand::Topic::Play;
    if (m_library.isEmpty()) {
        refuse(topic, tr("no library is configured for the module %1 (library = FILE.glyphs in "
                         "its section)")
                          .arg(m_name));
        return;
    }
    QString error;
    const auto library = PatternLibrary::read(m_library, &error);
    if (!library) {
        refuse(topic, error);
        return;
    }
    for (const Animation &animation : library->animations) {
        if (animation.name != name)
            continue;
        if (animation.frames.isEmpty()) {
            refuse(topic, tr("the animation \"%1\" has no frames").arg(name));
            return;
        }
        if (!m_target->isOpen()) {
            refuse(topic, tr("the module is not open (%1)")
                              .arg(m_state.isEmpty() ? tr("connecting") : m_state));
            return;
        }
        m_player->setFrames(animation.frames);
        m_player->start();
        return;
    }
    refuse(topic, tr("%1 has no animation named \"%2\"").arg(m_library, name.left(60)));
}

void ModuleRunner::targetStateChanged()
{
    if (!m_target->isOpen())
        m_player->stop();
    const QString state = m_target->state();
    if (state.isEmpty() || state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
    publishState();
}

void ModuleRunner::publishState()
{
    if (!m_state.isEmpty())
        publish(QLatin1String(StateTopic), m_state.toUtf8(), true);
}

void ModuleRunner::queueSettings(const TopicCommand::Command &command)
{
    QList<SettingsStep> steps;
    const TopicCommand::SettingsChange &change = command.settings;
    if (command.action == TopicCommand::Command::Action::StoreSettings) {
        if (change.mode)
            steps.append({Protocol::changeStartupMode(*change.mode), 1, tr("the start-up mode")});
        if (change.speed)
            steps.append({Protocol::changeSpeed(Protocol::SpeedCode[size_t(*change.speed - 1)]), 1,
                          tr("the speed")});
        // Storing the text takes the module longer: two waits, as in the configuration dialog.
        if (change.message)
            steps.append({Protocol::saveMessage(*change.message), 2, tr("the message")});
    }
    // Each job ends by reading the settings back, which is its answer.
    steps.append({Protocol::readSettings(), 1, QString()});
    m_settingsJobs.append(steps);
    if (!m_settingsBusy)
        nextSettingsJob();
}

void ModuleRunner::nextSettingsJob()
{
    if (m_settingsJobs.isEmpty()) {
        m_settingsBusy = false;
        return;
    }
    m_settingsBusy = true;
    m_steps = m_settingsJobs.takeFirst();
    m_settingsTopic =
        m_steps.size() > 1 ? TopicCommand::Topic::SettingsSet : TopicCommand::Topic::SettingsGet;
    runSettingsStep();
}

void ModuleRunner::runSettingsStep()
{
    if (!m_target->isOpen()) {
        refuse(
            m_settingsTopic,
            tr("the module is not open (%1)").arg(m_state.isEmpty() ? tr("connecting") : m_state));
        nextSettingsJob();
        return;
    }
    const SettingsStep &step = m_steps.first();
    m_target->request(step.message, step.waits, this,
                      [this](ModuleTarget::Outcome outcome, const QByteArray &reply) {
                          settingsStepDone(outcome, reply);
                      });
}

void ModuleRunner::settingsStepDone(ModuleTarget::Outcome outcome, const QByteArray &reply)
{
    const SettingsStep step = m_steps.takeFirst();
    const bool reading = step.what.isEmpty();
    const QString what = reading ? tr("reading the settings") : tr("storing %1").arg(step.what);
    if (outcome == ModuleTarget::Outcome::Unavailable) {
        refuse(m_settingsTopic, tr("the module went away while %1").arg(what));
        nextSettingsJob();
        return;
    }
    if (outcome == ModuleTarget::Outcome::NoReply) {
        refuse(m_settingsTopic, tr("no reply from the module to %1").arg(what));
        nextSettingsJob();
        return;
    }
    if (reading) {
        const Protocol::Settings settings = Protocol::decodeSettings(reply);
        if (!settings.modeIndex && !settings.speedIndex && !settings.message)
            refuse(m_settingsTopic, tr("the module's answer is no settings record: %1")
                                        .arg(Protocol::hexString(reply.left(24))));
        else
            publish(QLatin1String(SettingsTopic), TopicCommand::settingsJson(settings));
        nextSettingsJob();
        return;
    }
    if (!Protocol::isAcknowledge(reply)) {
        refuse(m_settingsTopic, tr("the module refused %1: it answered %2")
                                    .arg(step.what, Protocol::hexString(reply.left(8))));
        nextSettingsJob();
        return;
    }
    runSettingsStep();
}

void ModuleRunner::publish(const QString &subtopic, const QByteArray &payload, bool retain)
{
    if (m_publisher)
        m_publisher(m_prefix + u'/' + subtopic, payload, retain);
}
