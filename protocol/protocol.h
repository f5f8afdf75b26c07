#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// Every byte that passes between the PC and the display module. Messages are one command byte
// followed by its payload, with no framing of any kind; the module answers only the four
// configuration commands.
namespace Protocol {

inline constexpr quint8 CMD_READ_SETTINGS = 240;
inline constexpr quint8 CMD_SAVE_MESSAGE = 245;
inline constexpr quint8 CMD_CHANGE_SPEED = 246;
inline constexpr quint8 CMD_CHANGE_STARTUP_MODE = 247;
inline constexpr quint8 CMD_BUILTIN_ANIMATION = 248;
inline constexpr quint8 CMD_SAVE_CUSTOM = 249;
inline constexpr quint8 CMD_SET_SPEED = 250;
inline constexpr quint8 CMD_ANIMATE = 251;
inline constexpr quint8 CMD_DOT_MATRIX = 252;
inline constexpr quint8 CMD_SCROLL = 253;
inline constexpr quint8 CMD_SHOW_CHAR = 254;

inline constexpr quint8 REPLY_ACK = 170;
// Not sent by the PC; a module that refuses a setting answers with it.
inline constexpr quint8 REPLY_NAK = 0x55;
// In a settings record: "nothing stored" for the mode, the speed and the message length.
inline constexpr quint8 NOT_STORED = 255;

inline constexpr int MaxTextLength = 20;
inline constexpr int ColumnCount = 8;
inline constexpr int RowCount = 8;
inline constexpr int CustomCharacterCount = 10;
inline constexpr int StartupModeCount = 7;

// Speed list entries "1".."4" (list index 0..3) stand for these codes, slowest first.
inline constexpr std::array<quint8, 4> SpeedCode = {57, 49, 41, 33};
// A module with no stored speed runs at this list index ("3").
inline constexpr int DefaultSpeedIndex = 2;

std::optional<quint8> speedCodeForIndex(int index);
std::optional<int> speedIndexForCode(quint8 code);

enum Direction : quint8 { DIR_UP = 0, DIR_DOWN = 1, DIR_RIGHT = 2, DIR_LEFT = 3 };

// A dot pattern: one byte per column, leftmost first. In a column byte the dots weigh 16, 32,
// 64, 128, 1, 2, 4, 8 from the top row down: the upper half of the byte holds the top four rows.
using ColumnPattern = std::array<quint8, ColumnCount>;
inline constexpr std::array<quint8, RowCount> RowWeights = {16, 32, 64, 128, 1, 2, 4, 8};

// Text travels as Latin-1, one byte per character. The text boxes refuse every character
// outside Latin-1, so nothing is silently turned into '?'.
bool isLatin1(const QString &text);
QByteArray textBytes(const QString &text);
QString textFromBytes(const QByteArray &bytes);

struct Message
{
    quint8 command = 0;
    QByteArray payload;

    QByteArray bytes() const;
    friend bool operator==(const Message &, const Message &) = default;
};

// Texts carry no length and no end marker, and "Show Single ASCII" may go without its
// character: the module finds the end of these messages by the line going quiet after them.
bool endsByIdleGap(quint8 command);

// Main window.
Message showChar(const QString &text);
Message showCustom(int position);
Message saveCustom(int position);
Message dotMatrix(const ColumnPattern &columnValue);
Message scroll(const QString &text);
Message animate(const QString &text);
Message setSpeed(quint8 speedCode);
Message builtinAnimation(Direction direction);

// Configuration dialog.
Message readSettings();
Message saveMessage(const QString &text);
Message changeSpeed(quint8 speedCode);
Message changeStartupMode(int mode);

// The module's stored power-up settings as the configuration dialog shows them. A field is
// empty when the reply did not carry it completely or when its value names no list entry.
// A field whose byte says NOT_STORED shows what the module then runs with (mode 0, speed "3",
// no message) and is flagged, so that a report can tell it from a stored value.
struct Settings
{
    std::optional<int> modeIndex;
    std::optional<int> speedIndex;
    std::optional<QString> message;
    bool modeNotStored = false;
    bool speedNotStored = false;
    bool messageNotStored = false;

    friend bool operator==(const Settings &, const Settings &) = default;
};

// Safe for any input: reads no byte that did not arrive.
Settings decodeSettings(const QByteArray &reply);

// The module accepted a setting when the first byte of what it sent is REPLY_ACK.
bool isAcknowledge(const QByteArray &reply);

// Upper-case hexadecimal without leading zeros, as the grid's column labels show a byte.
QString hexByte(quint8 value);
// Bytes as upper-case hex pairs separated by single spaces ("FC 10 00").
QString hexString(const QByteArray &bytes);
// The reverse; spaces are allowed anywhere between pairs. Empty on malformed input.
std::optional<QByteArray> parseHex(const QString &text);

} // namespace Protocol
