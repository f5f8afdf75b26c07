#include "animation.h"

#include <algorithm>

namespace Frames {

int clampedDuration(int ms)
{
    if (ms == 0)
        return DefaultDurationMs;
    return std::clamp(ms, MinDurationMs, MaxDurationMs);
}

} // namespace Frames
