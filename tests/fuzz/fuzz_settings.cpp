// The configuration dialog decodes whatever the module sends back to "read settings": a short
// record, a long one, line noise. Each field must be filled exactly when the reply carried it
// completely and names a list entry, and no byte past the reply may be read.

#include "protocol.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace Protocol;

namespace {

// A broken rule aborts, so that libFuzzer keeps the input that broke it.
void require(bool holds, const char *rule)
{
    if (holds)
        return;
    std::fprintf(stderr, "decodeSettings broke a rule: %s\n", rule);
    std::abort();
}

// The reply is read in place from libFuzzer's buffer, which is allocated to the input's exact
// length: a read past the reply lands in AddressSanitizer's redzone.
QByteArray replyOver(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

void checkMode(const Settings &settings, const uint8_t *data, size_t size)
{
    const bool carried = size >= 1 && (data[0] < StartupModeCount || data[0] == NOT_STORED);
    require(settings.modeIndex.has_value() == carried,
            "the mode is filled exactly when its byte names a mode or says nothing is stored");
    if (!settings.modeIndex)
        return;
    require(*settings.modeIndex >= 0 && *settings.modeIndex < StartupModeCount,
            "the mode is an entry of the mode list");
    if (data[0] != NOT_STORED)
        require(*settings.modeIndex == data[0], "a stored mode is shown as itself");
}

void checkSpeed(const Settings &settings, const uint8_t *data, size_t size)
{
    const bool known =
        size >= 2 && std::find(SpeedCode.begin(), SpeedCode.end(), data[1]) != SpeedCode.end();
    const bool carried = size >= 2 && (known || data[1] == NOT_STORED);
    require(settings.speedIndex.has_value() == carried,
            "the speed is filled exactly when its byte is a speed code or says nothing is stored");
    if (!settings.speedIndex)
        return;
    const int index = *settings.speedIndex;
    require(index >= 0 && index < int(SpeedCode.size()), "the speed is an entry of the speed list");
    if (data[1] == NOT_STORED)
        require(index == DefaultSpeedIndex, "no stored speed shows the module's default speed");
    else
        require(SpeedCode[size_t(index)] == data[1], "the speed entry stands for the stored code");
}

void checkMessage(const Settings &settings, const uint8_t *data, size_t size)
{
    const size_t length = size >= 3 ? data[2] : 0;
    const bool carried = size >= 3 && length <= size_t(MaxTextLength) && size - 3 >= length;
    require(settings.message.has_value() == carried,
            "the message is filled exactly when its length is allowed and all of it arrived");
    if (!settings.message)
        return;
    const QString &message = *settings.message;
    require(size_t(message.size()) == length, "the message has the length the record gives");
    for (size_t i = 0; i < length; ++i)
        require(message.at(qsizetype(i)).unicode() == data[3 + i],
                "each character of the message is its byte, as Latin-1");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Settings settings = decodeSettings(replyOver(data, size));
    checkMode(settings, data, size);
    checkSpeed(settings, data, size);
    checkMessage(settings, data, size);

    // A reply cut short may lose fields, but never shows a field differently from the whole
    // reply: a field depends only on bytes that come before the end of the record.
    if (size > 0) {
        const Settings shorter = decodeSettings(replyOver(data, size - 1));
        if (shorter.modeIndex)
            require(shorter.modeIndex == settings.modeIndex, "a cut reply keeps its mode");
        if (shorter.speedIndex)
            require(shorter.speedIndex == settings.speedIndex, "a cut reply keeps its speed");
        if (shorter.message)
            require(shorter.message == settings.message, "a cut reply keeps its message");
    }

    require(settings.modeNotStored == (size >= 1 && data[0] == NOT_STORED) &&
                settings.speedNotStored == (size >= 2 && data[1] == NOT_STORED) &&
                settings.messageNotStored == (size >= 3 && data[2] == NOT_STORED),
            "a field is flagged 'not stored' exactly when its byte arrived and says so");
    require(!settings.messageNotStored || !settings.message,
            "a message that is not stored is no message");
    require(isAcknowledge(replyOver(data, size)) == (size >= 1 && data[0] == REPLY_ACK),
            "a reply is an acknowledge exactly when its first byte is REPLY_ACK");
    return 0;
}
