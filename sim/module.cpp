#include "module.h"

#include "font.h"

using namespace Protocol;

namespace {

QString byteText(quint8 value)
{
    return hexString(QByteArray(1, char(value)));
}

} // namespace

Module::Module(const StoredState &stored)
    : m_stored(stored)
    , m_speedCode(speedIndexForCode(stored.speedCode) ? stored.speedCode
                                                      : SpeedCode[DefaultSpeedIndex])
{}

std::chrono::milliseconds Module::stepInterval() const
{
    const int index = speedIndexForCode(m_speedCode).value_or(DefaultSpeedIndex);
    return std::chrono::milliseconds(StepIntervalsMs[size_t(index)]);
}

QByteArray Module::settingsRecord() const
{
    QByteArray record;
    record.append(char(m_stored.startupMode));
    record.append(char(m_stored.speedCode));
    if (m_stored.message) {
        record.append(char(m_stored.message->size()));
        record.append(*m_stored.message);
    } else {
        record.append(char(NOT_STORED));
    }
    return record;
}

Module::Response Module::storeSetting(const std::function<void()> &store)
{
    if (m_refusingSettings)
        return {QByteArray(1, char(REPLY_NAK)), QStringLiteral("refusing every setting")};
    store();
    return {QByteArray(1, char(REPLY_ACK)), {}};
}

Module::Response Module::handle(const QByteArray &message)
{
    if (message.isEmpty())
        return {{}, QStringLiteral("empty message")};
    const quint8 command = quint8(message.at(0));
    const QByteArray payload = message.mid(1);
    const auto refuse = [](const QString &why) { return Response{{}, why}; };
    const auto wrongLength = [&](const QString &expected) {
        return refuse(QStringLiteral("%1 takes %2, not %3 bytes")
                          .arg(byteText(command), expected)
                          .arg(payload.size()));
    };
    const QString text = QStringLiteral("at most %1 text").arg(MaxTextLength);
    const bool oneByte = payload.size() == 1;
    const quint8 value = oneByte ? quint8(payload.at(0)) : 0;

    switch (command) {
    case CMD_READ_SETTINGS:
        if (!payload.isEmpty())
            return wrongLength(QStringLiteral("no payload"));
        return {settingsRecord(), {}};

    case CMD_SAVE_MESSAGE:
        if (payload.size() > MaxTextLength)
            return wrongLength(text);
        return storeSetting([&] { m_stored.message = payload; });

    case CMD_CHANGE_SPEED:
        if (!oneByte)
            return wrongLength(QStringLiteral("one speed code"));
        if (!speedIndexForCode(value))
            return refuse(byteText(value) + QStringLiteral(" is no speed code"));
        return storeSetting([&] { m_stored.speedCode = value; });

    case CMD_CHANGE_STARTUP_MODE:
        if (!oneByte)
            return wrongLength(QStringLiteral("one mode"));
        if (value >= StartupModeCount)
            return refuse(QStringLiteral("start-up mode %1 is above %2")
                              .arg(value)
                              .arg(StartupModeCount - 1));
        return storeSetting([&] { m_stored.startupMode = value; });

    case CMD_BUILTIN_ANIMATION:
        if (!oneByte)
            return wrongLength(QStringLiteral("one direction"));
        if (value > DIR_LEFT)
            return refuse(QStringLiteral("direction %1 is no arrow").arg(value));
        m_animation = Animation::arrow(Direction(value));
        return {};

    case CMD_SAVE_CUSTOM:
        if (!oneByte)
            return wrongLength(QStringLiteral("one position"));
        if (value >= CustomCharacterCount)
            return refuse(QStringLiteral("custom position %1 is above %2")
                              .arg(value)
                              .arg(CustomCharacterCount - 1));
        m_stored.custom[value] = display();
        return {};

    case CMD_SET_SPEED:
        if (!oneByte)
            return wrongLength(QStringLiteral("one speed code"));
        if (!speedIndexForCode(value))
            return refuse(byteText(value) + QStringLiteral(" is no speed code"));
        m_speedCode = value;
        return {};

    case CMD_ANIMATE:
    case CMD_SCROLL:
        if (payload.size() > MaxTextLength)
            return wrongLength(text);
        m_animation =
            command == CMD_SCROLL ? Animation::scrolling(payload) : Animation::characters(payload);
        return {};

    case CMD_DOT_MATRIX: {
        if (payload.size() != ColumnCount)
            return wrongLength(QStringLiteral("eight column"));
        ColumnPattern columns{};
        std::copy(payload.begin(), payload.end(), columns.begin());
        m_animation = Animation::still(Pattern::fromColumns(columns));
        return {};
    }

    case CMD_SHOW_CHAR: {
        // An empty box shows nothing at all.
        if (payload.isEmpty()) {
            m_animation = Animation();
            return {};
        }
        if (!oneByte)
            return wrongLength(QStringLiteral("one character"));
        if (value < CustomCharacterCount) {
            m_animation = Animation::still(m_stored.custom[value]);
            return {};
        }
        const auto glyph = Font::glyph(value);
        if (!glyph)
            return refuse(QStringLiteral("no glyph for ") + byteText(value));
        m_animation = Animation::still(*glyph);
        return {};
    }

    default:
        return refuse(byteText(command) + QStringLiteral(" is no command"));
    }
}
