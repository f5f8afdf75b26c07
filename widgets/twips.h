#pragma once

#include <QRect>

// Layout measures are kept in twips, as the design gives them: 1440 to the inch, so 15 twips
// are one pixel at 96 dpi.
namespace Twips {

inline constexpr int PerPixel = 15;

constexpr int toPixels(int twips)
{
    return (twips + PerPixel / 2) / PerPixel;
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace Twips
