#pragma once

#include "pattern.h"

#include <QPixmap>

// A pattern drawn as the module shows it, lit dots on a dark board, for thumbnails and previews.
namespace PatternPicture {

QPixmap draw(const Pattern &pattern, int dotSize);

} // namespace PatternPicture
