#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Unpacking of gzip-compressed files, as Debian ships its console fonts.
namespace Fonts {

// Whether the bytes begin with gzip's magic number.
bool isGzip(const QByteArray &bytes);

// "64 MiB", "512 bytes": a size as the readers' messages give it.
QString byteCountText(qint64 bytes);

// The unpacked bytes of one gzip stream or several in a row, or empty with the reason when the
// data is damaged, cut short or unpacks to more than `limit` bytes.
std::optional<QByteArray> gunzip(const QByteArray &compressed, qsizetype limit, QString *reason);

} // namespace Fonts
