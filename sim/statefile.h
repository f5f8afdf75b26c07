#pragma once

#include "module.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The module's stored settings and custom characters in a small text file, so that they
// survive a restart of the simulator as they survive a power cycle of the module:
//
//     mode 03
//     speed 31
//     message 48 45 4C 4C 4F
//     custom 5 10 00 00 00 00 00 00 00
//
// Values are hex bytes as on the line; FF means nothing stored. A missing `message` line means
// no message stored, a `message` line with no bytes an empty one; custom characters not named
// are dark. A file with anything else in it is corrupt and stands for nothing stored at all.
namespace StateFile {

QByteArray serialize(const StoredState &state);
std::optional<StoredState> parse(const QByteArray &text, QString *problem = nullptr);

struct Loaded
{
    StoredState state;
    // Why the file could not be used; empty when it was read or did not exist.
    QString problem;
};
Loaded load(const QString &path);
bool save(const QString &path, const StoredState &state, QString *error);
// Whether the file could be written now, without changing it; the reason when not.
std::optional<QString> whyNotWritable(const QString &path);

} // namespace StateFile
