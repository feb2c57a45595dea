#pragma once

#include <QPaintDevice>

namespace tandem::dirtree {

// Hosts measure in twips (1/1440 inch); the screen in pixels.
inline double PixelsFromTwips(double twips, const QPaintDevice& device, bool vertical = false)
{
    return twips * (vertical ? device.logicalDpiY() : device.logicalDpiX()) / 1440.0;
}

inline double TwipsFromPixels(double pixels, const QPaintDevice& device, bool vertical = false)
{
    return pixels * 1440.0 / (vertical ? device.logicalDpiY() : device.logicalDpiX());
}

} // namespace tandem::dirtree
