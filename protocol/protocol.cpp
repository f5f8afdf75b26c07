#include "protocol.h"

#include <algorithm>

namespace Protocol {

std::optional<quint8> speedCodeForIndex(int index)
{
    if (index < 0 || index >= int(SpeedCode.size()))
        return std::nullopt;
    return SpeedCode[size_t(index)];
}

std::optional<int> speedIndexForCode(quint8 code)
{
    const auto it = std::find(SpeedCode.begin(), SpeedCode.end(), code);
    if (it == SpeedCode.end())
        return std::nullopt;
    return int(it - SpeedCode.begin());
}

bool isLatin1(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

QByteArray textBytes(const QString &text)
{
    Q_ASSERT(isLatin1(text));
    return text.toLatin1();
}

QString textFromBytes(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

QByteArray Message::bytes() const
{
    QByteArray out;
    out.reserve(payload.size() + 1);
    out.append(char(command));
    out.append(payload);
    return out;
}

bool endsByIdleGap(quint8 command)
{
    switch (command) {
    case CMD_SHOW_CHAR:
    case CMD_SCROLL:
    case CMD_ANIMATE:
    case CMD_SAVE_MESSAGE:
        return true;
    default:
        return false;
    }
}

static Message withByte(quint8 command, quint8 value)
{
    return {command, QByteArray(1, char(value))};
}

Message showChar(const QString &text)
{
    return {CMD_SHOW_CHAR, textBytes(text)};
}

Message showCustom(int position)
{
    Q_ASSERT(position >= 0 && position < CustomCharacterCount);
    return withByte(CMD_SHOW_CHAR, quint8(position));
}

Message saveCustom(int position)
{
    Q_ASSERT(position >= 0 && position < CustomCharacterCount);
    return withByte(CMD_SAVE_CUSTOM, quint8(position));
}

Message dotMatrix(const ColumnPattern &columnValue)
{
    QByteArray payload;
    for (quint8 column : columnValue)
        payload.append(char(column));
    return {CMD_DOT_MATRIX, payload};
}

Message scroll(const QString &text)
{
    return {CMD_SCROLL, textBytes(text)};
}

Message animate(const QString &text)
{
    return {CMD_ANIMATE, textBytes(text)};
}

Message setSpeed(quint8 speedCode)
{
    return withByte(CMD_SET_SPEED, speedCode);
}

Message builtinAnimation(Direction direction)
{
    return withByte(CMD_BUILTIN_ANIMATION, direction);
}

Message readSettings()
{
    return {CMD_READ_SETTINGS, {}};
}

Message saveMessage(const QString &text)
{
    return {CMD_SAVE_MESSAGE, textBytes(text)};
}

Message changeSpeed(quint8 speedCode)
{
    return withByte(CMD_CHANGE_SPEED, speedCode);
}

Message changeStartupMode(int mode)
{
    Q_ASSERT(mode >= 0 && mode < StartupModeCount);
    return withByte(CMD_CHANGE_STARTUP_MODE, quint8(mode));
}

Settings decodeSettings(const QByteArray &reply)
{
    Settings settings;
    const auto byteAt = [&reply](qsizetype i) { return quint8(reply.at(i)); };

    if (reply.size() >= 1) {
        const quint8 mode = byteAt(0);
        settings.modeNotStored = mode == NOT_STORED;
        if (mode == NOT_STORED)
            settings.modeIndex = 0;
        else if (mode < StartupModeCount)
            settings.modeIndex = mode;
    }
    if (reply.size() >= 2) {
        const quint8 code = byteAt(1);
        settings.speedNotStored = code == NOT_STORED;
        settings.speedIndex = code == NOT_STORED ? DefaultSpeedIndex : speedIndexForCode(code);
    }
    if (reply.size() >= 3) {
        const int length = byteAt(2);
        settings.messageNotStored = length == NOT_STORED;
        if (length <= MaxTextLength && reply.size() >= 3 + length)
            settings.message = textFromBytes(reply.mid(3, length));
    }
    return settings;
}

bool isAcknowledge(const QByteArray &reply)
{
    return !reply.isEmpty() && quint8(reply.at(0)) == REPLY_ACK;
}

QString hexByte(quint8 value)
{
    return QString::number(value, 16).toUpper();
}

QString hexString(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

std::optional<QByteArray> parseHex(const QString &text)
{
    QString digits = text;
    digits.remove(QLatin1Char(' '));
    if (digits.size() % 2 != 0)
        return std::nullopt;
    for (QChar c : digits) {
        const char16_t u = c.unicode();
        const bool hex = (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
        if (!hex)
            return std::nullopt;
    }
    return QByteArray::fromHex(digits.toLatin1());
}

} // namespace Protocol
