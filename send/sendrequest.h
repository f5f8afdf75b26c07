#pragma once

#include "animation.h"
#include "protocol.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

// glyphsmith-send's exit statuses.
namespace ExitStatus {
inline constexpr int Done = 0;
inline constexpr int BadUsage = 2;
inline constexpr int Refused = 3;
inline constexpr int NoReply = 4;
inline constexpr int PortUnavailable = 5;
} // namespace ExitStatus

// One command of glyphsmith-send turned into the message it sends and the answer it awaits.
struct SendRequest
{
    enum class Reply { None, Acknowledge, Settings };

    Protocol::Message message;
    Reply reply = Reply::None;
    // ReplyWait's waits before the answer is read, as the configuration dialog has them.
    int waits = 0;
    // For 'play': the animation, played once; the message is not used then.
    std::optional<Animation> animation;
    // The same through the running program: the method of its bus interface
    // (org.glyphsmith.Glyphsmith1) and the arguments, of the types the method takes.
    QString busMethod;
    QVariantList busArguments;
};

// The commands and their arguments, as --help lists them, wrapped within 80 columns.
QString sendCommandsHelp();
// `text`'s words in lines of at most `width` columns (a longer word stands alone); every line
// after the first starts with `indent` spaces, the first is taken to start there already.
QString wrapText(const QString &text, int width, int indent);
// One command of the help: its usage, and its summary beside it or below it, wrapped.
QString commandHelpLine(const QString &usage, const QString &summary);

// "char A", "speed 3", "set-message HELLO", ... into a request; `error` says what is wrong
// otherwise (an unknown command, a missing or extra argument, a number out of range, a text
// that is no pattern, text that is not Latin-1 or too long). `patternFormat` chooses the
// format of a pattern's text (PatternText).
std::optional<SendRequest> parseSendCommand(const QStringList &words, QString *error,
                                            const QString &patternFormat = QString());

// What --port names, or the program's own stored port without it: a device path or URL to
// open. Nothing, with `error` and `status` saying why, for a COM number out of range, a
// malformed URL (bad usage) or a COM number that stands for no device (port not available).
std::optional<QString> resolveSendPort(const QString &port, QString *error, int *status);
