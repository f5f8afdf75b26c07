#pragma once

#include "bitmapfont.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What the PSF and BDF readers share.
namespace Fonts::ReaderSupport {

FontReading failure(const QString &fileName, const QString &reason);

// The bytes as they are, or unpacked when gzip-compressed; empty with a reason when they are
// too large or cannot be unpacked.
std::optional<QByteArray> unpack(const QByteArray &bytes, QString *reason);

// Rows above the baseline, guessed from where the capital letters end: for fonts that do not
// say where their baseline is.
int guessedAscent(const BitmapFont &font);
// What BitmapFont::body says.
QRect letterInk(const BitmapFont &font);

} // namespace Fonts::ReaderSupport
